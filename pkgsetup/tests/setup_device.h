// A fresh device with the package's registry entries in place, as the
// cabinet installer leaves them before the setup hooks run, and the
// registry and message-box checks the setup tests share.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <device/message_boxes.h>
#include <device/registry_calls.h>
#include <device/registry_dump.h>
#include <windows.h>

#include "fresh_device.h"
#include "module_state.h"

class SetupDevice : public FreshDevice {
public:
    // The package's entries for Russian: languages 1049, locale 1049 with
    // code pages 1251 and 866, browser code page 1251.
    static void PlacePackageEntries();

    static void SetDword(HKEY root, LPCWSTR path, LPCWSTR name, DWORD value);
    static void SetString(HKEY root, LPCWSTR path, LPCWSTR name, LPCWSTR value);
    static void DeleteValue(HKEY root, LPCWSTR path, LPCWSTR name);
    // Whether or not it exists.
    static void DeleteAnyValue(HKEY root, LPCWSTR path, LPCWSTR name);
    // The value when it exists as a REG_DWORD.
    static std::optional<DWORD> Dword(HKEY root, LPCWSTR path, LPCWSTR name);
    static std::optional<std::u16string> String(HKEY root, LPCWSTR path, LPCWSTR name);
    static std::optional<std::vector<BYTE>> Binary(HKEY root, LPCWSTR path, LPCWSTR name);
    static bool KeyExists(HKEY root, LPCWSTR path);

    // The locale the swap touches, as one listing to compare.
    static std::string SystemLocaleDump();
    static std::string ProductKeyDump();

    // Whether the last registry calls flushed a key and closed it.
    static bool EndedWithFlushAndClose();

    // Places the language resource files of FOLDER (compiled, "<name>.res")
    // whose names hold CODE ("0419") into "\Windows" under their names.
    static void PlaceLanguageFiles(const std::string& folder, const std::string& code);

    // Answers the next COUNT message boxes with OK.
    static void AnswerOk(size_t count);
    // The texts of the boxes shown, each checked to be a setup failure box
    // (caption "QV Installation", no owner, MB_OK).
    static std::vector<std::u16string> SetupErrorsShown();

protected:
    void SetUp() override;
};

inline constexpr WCHAR kTestProductKey[] = u"SOFTWARE\\Tarvex\\Lexovia";
inline constexpr WCHAR kTestBrowserKey[] = u"SOFTWARE\\Microsoft\\Internet Explorer\\International";
