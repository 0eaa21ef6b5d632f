#include <device/dialogs.h>
#include <device/faults.h>
#include <device/text.h>
#include <windows.h>

#include "kernel/api_guard.h"
#include "library/module_resources.h"
#include "resources/module_resource.h"
#include "user/dialog_creation.h"
#include "user/dialog_modal.h"
#include "user/dialog_state.h"
#include "user/user_state.h"

namespace {

using namespace platform::user;
using platform::kernel::Guarded;
using platform::resources::ResourceRecord;

// A template handed over by pointer carries no size. Where it lies inside a
// resource of the instance its end is known; otherwise the parser may look
// this far, and a sound template stops well before.
constexpr size_t kUnboundedTemplate = 0x10000;

std::string NameOf(const platform::resources::ResourceId& name)
{
    if (const WORD* ordinal = std::get_if<WORD>(&name.value)) return std::to_string(*ordinal);
    return "\"" + device::Utf8(std::get<std::u16string>(name.value)) + "\"";
}

struct TemplateBytes {
    std::span<const BYTE> bytes;
    std::string name;
};

TemplateBytes BytesAt(HINSTANCE instance, LPCDLGTEMPLATEW dialogTemplate)
{
    const BYTE* start = reinterpret_cast<const BYTE*>(dialogTemplate);
    if (const std::vector<ResourceRecord>* records = platform::library::ResourcesOf(instance)) {
        for (const ResourceRecord& record : *records) {
            const BYTE* end = record.data.data() + record.data.size();
            if (start >= record.data.data() && start < end)
                return {{start, static_cast<size_t>(end - start)}, NameOf(record.name)};
        }
    }
    return {{start, kUnboundedTemplate}, {}};
}

HWND Create(const TemplateBytes& source, HINSTANCE instance, HWND owner, DLGPROC procedure, LPARAM param, bool modal)
{
    ParsedDialogTemplate parsed = ParseDialogTemplate(source.bytes);
    if (!parsed.dialog) {
        device::ReportFault("dialog " + (source.name.empty() ? std::string("template") : source.name) +
                            " cannot be read: " + parsed.error);
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    return CreateDialogFromTemplate(*parsed.dialog, {instance, owner, procedure, param, source.name, modal});
}

std::optional<TemplateBytes> ResourceTemplate(HINSTANCE instance, LPCWSTR name)
{
    const ResourceRecord* record = platform::resources::FindModuleResource(instance, name, RT_DIALOG);
    if (!record) return std::nullopt;
    return TemplateBytes{record->data, NameOf(record->name)};
}

int RunModal(const TemplateBytes& source, HINSTANCE instance, HWND owner, DLGPROC procedure, LPARAM param)
{
    HWND dialog = Create(source, instance, owner, procedure, param, true);
    return dialog ? RunModalDialog(dialog, owner) : -1;
}

}  // namespace

int WINAPI DialogBoxIndirectParamW(HINSTANCE hInstance, LPCDLGTEMPLATEW hDialogTemplate, HWND hWndParent,
                                   DLGPROC lpDialogFunc, LPARAM dwInitParam)
{
    if (!hDialogTemplate) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    return Guarded<int>(-1, [&] {
        return RunModal(BytesAt(hInstance, hDialogTemplate), hInstance, hWndParent, lpDialogFunc, dwInitParam);
    });
}

int WINAPI DialogBoxParamW(HINSTANCE hInstance, LPCWSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                           LPARAM dwInitParam)
{
    return Guarded<int>(-1, [&] {
        std::optional<TemplateBytes> source = ResourceTemplate(hInstance, lpTemplateName);
        return source ? RunModal(*source, hInstance, hWndParent, lpDialogFunc, dwInitParam) : -1;
    });
}

HWND WINAPI CreateDialogIndirectParamW(HINSTANCE hInstance, LPCDLGTEMPLATEW lpTemplate, HWND hWndParent,
                                       DLGPROC lpDialogFunc, LPARAM lParamInit)
{
    if (!lpTemplate) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return Guarded<HWND>(nullptr, [&] {
        return Create(BytesAt(hInstance, lpTemplate), hInstance, hWndParent, lpDialogFunc, lParamInit, false);
    });
}

HWND WINAPI CreateDialogParamW(HINSTANCE hInstance, LPCWSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                               LPARAM dwInitParam)
{
    return Guarded<HWND>(nullptr, [&]() -> HWND {
        std::optional<TemplateBytes> source = ResourceTemplate(hInstance, lpTemplateName);
        return source ? Create(*source, hInstance, hWndParent, lpDialogFunc, dwInitParam, false) : nullptr;
    });
}

// The dialog ends once its procedure returns; a modal one is hidden now and
// destroyed by its loop, a modeless one only hidden.
BOOL WINAPI EndDialog(HWND hDlg, int nResult)
{
    DialogState* state = DialogStateOf(hDlg);
    if (!state) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    state->ended = true;
    state->result = nResult;
    ShowWindow(hDlg, SW_HIDE);
    return TRUE;
}

HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem)
{
    std::shared_ptr<Window> dialog = FindOrFail(hDlg);
    if (!dialog) return nullptr;
    for (HWND child : dialog->children) {
        std::shared_ptr<Window> control = Windows().Find(child);
        if (control && static_cast<int>(control->id) == nIDDlgItem) return child;
    }
    SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
    return nullptr;
}

int WINAPI GetDlgCtrlID(HWND hWnd)
{
    std::shared_ptr<Window> window = FindOrFail(hWnd);
    return window && window->parent ? static_cast<int>(window->id) : 0;
}

LRESULT WINAPI SendDlgItemMessageW(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    HWND control = GetDlgItem(hDlg, nIDDlgItem);
    return control ? SendMessageW(control, Msg, wParam, lParam) : 0;
}

BOOL WINAPI SetDlgItemTextW(HWND hDlg, int nIDDlgItem, LPCWSTR lpString)
{
    HWND control = GetDlgItem(hDlg, nIDDlgItem);
    return control ? SetWindowTextW(control, lpString) : FALSE;
}

UINT WINAPI GetDlgItemTextW(HWND hDlg, int nIDDlgItem, LPWSTR lpString, int nMaxCount)
{
    if (lpString && nMaxCount > 0) lpString[0] = 0;
    HWND control = GetDlgItem(hDlg, nIDDlgItem);
    return control ? static_cast<UINT>(GetWindowTextW(control, lpString, nMaxCount)) : 0;
}

BOOL WINAPI MapDialogRect(HWND hDlg, LPRECT lpRect)
{
    DialogState* state = DialogStateOf(hDlg);
    if (!state || !lpRect) {
        SetLastError(state ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    *lpRect = DialogUnitsToPixels(*lpRect, state->baseUnits);
    return TRUE;
}
