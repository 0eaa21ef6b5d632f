#include <algorithm>

#include <device/device_files.h>
#include <device/text.h>

#include "device_files.h"
#include "folder_tree.h"
#include "setup_device.h"
#include "shortcut_name_table.h"
#include "start_menu_localization.h"

namespace {

using Texts = std::vector<std::u16string>;

const WCHAR kLocalizedMenu[] = u"\\Windows\\Главное меню";

// Every file and folder below FOLDER, as paths relative to it, sorted; a
// file's line ends with its content.
std::vector<std::string> Tree(const std::u16string& folder, const std::string& prefix = "")
{
    std::vector<std::string> lines;
    for (const std::u16string& name : device_files::List(folder + u"\\*.*")) {
        std::u16string path = folder + u"\\" + name;
        std::string line = prefix + device::Utf8(name);
        if (GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY) {
            lines.push_back(line + "\\");
            for (const std::string& inner : Tree(path, line + "\\")) lines.push_back(inner);
        } else {
            lines.push_back(line + " = " + device_files::Read(path).value_or("(unreadable)"));
        }
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

bool Exists(const std::u16string& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The texts of the boxes shown, each checked to be a Start-menu step's.
Texts FolderErrorsShown()
{
    Texts texts;
    for (const device::MessageBoxRecord& box : device::MessageBoxLog()) {
        EXPECT_EQ(box.caption, u"QV Instal Folder");
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_EQ(box.style, static_cast<UINT>(MB_OK));
        texts.push_back(box.text);
    }
    return texts;
}

}  // namespace

class ShortcutNameTableTest : public SetupDevice {
protected:
    static Texts Pairs()
    {
        Texts pairs;
        const ShortcutNameTable& table = TheModuleState().shortcutNames;
        for (DWORD i = 0; i < table.count; ++i)
            pairs.push_back(std::u16string(table.pairs[i].english) + u" > " + table.pairs[i].localized);
        return pairs;
    }
};

TEST_F(ShortcutNameTableTest, RussianUsesTheBuiltInPairsWithoutOpeningAFile)
{
    TheModuleState().shortcutNames.count = 3;
    EXPECT_TRUE(BuildShortcutNameTable(1049));
    EXPECT_EQ(Pairs().size(), 10u);
    EXPECT_EQ(Pairs().back(), u"Games > Игры");
    EXPECT_TRUE(device::MessageBoxLog().empty());
}

TEST_F(ShortcutNameTableTest, ALanguagesPairsComeFromItsProgramsFiles)
{
    PlaceLanguageFiles(LANGUAGE_FILES, "040D");
    EXPECT_TRUE(BuildShortcutNameTable(0x040D));
    EXPECT_EQ(Pairs(), (Texts{u"Calendar.lnk > לוח שנה.lnk", u"Contacts.lnk > אנשי קשר.lnk",
                              u"Inbox.lnk > דואר נכנס.lnk", u"Notes.lnk > פתקים.lnk", u"Tasks.lnk > משימות.lnk",
                              u"Calculator.lnk > מחשבון.lnk", u"File Explorer.lnk > סייר הקבצים.lnk",
                              u"Infrared Receive.lnk > קבלה באינפרא אדום.lnk", u"Solitaire.lnk > סוליטר.lnk"}));
    EXPECT_TRUE(device::MessageBoxLog().empty());
}

TEST_F(ShortcutNameTableTest, NamesMissingTooLongOrEnglishMakeNoPair)
{
    PlaceLanguageFiles(TEST_LANGUAGE_FILES, "0407");
    AnswerOk(2);
    EXPECT_TRUE(BuildShortcutNameTable(0x0407));
    EXPECT_EQ(Pairs(), (Texts{u"Calendar.lnk > Kalender.lnk", u"Notes.lnk > Notizen.lnk", u"Tasks.lnk > Aufgaben.lnk",
                              u"Calculator.lnk > Rechner.lnk", u"Infrared Receive.lnk > Infrarot-Empfang.lnk",
                              u"Solitaire.lnk > Solitär.lnk"}));
    EXPECT_EQ(FolderErrorsShown(), (Texts{u"Contacts", u"File Explorer"}));
}

TEST_F(ShortcutNameTableTest, AFileThatCannotBeOpenedLeavesATableTheStartMenuDoesNotUse)
{
    PlaceLanguageFiles(LANGUAGE_FILES, "040D");
    ASSERT_TRUE(DeleteFileW(u"\\Windows\\irsquirt.exe.040D.MUI"));
    const std::vector<std::string> before = Tree(u"\\Windows");
    AnswerOk(1);
    EXPECT_FALSE(BuildShortcutNameTable(0x040D));
    EXPECT_EQ(FolderErrorsShown(), Texts{u"Cannot open 'irsquirt.exe.040D.MUI' file."});
    EXPECT_FALSE(TheModuleState().shortcutNames.complete);

    EXPECT_FALSE(LocalizeStartMenu(0x040D, TRUE, FALSE));
    EXPECT_EQ(Tree(u"\\Windows"), before);
    EXPECT_EQ(device::MessageBoxLog().size(), 1u);
}

TEST_F(ShortcutNameTableTest, NamesAreFoundWithoutRegardToCaseEitherWay)
{
    WCHAR found[kShortcutNameLength];
    EXPECT_TRUE(FindLocalizedName(u"CALENDAR.lnk", found));
    EXPECT_EQ(std::u16string(found), u"Календарь.lnk");
    EXPECT_TRUE(FindEnglishName(u"ИГРЫ", found));
    EXPECT_EQ(std::u16string(found), u"Games");
    EXPECT_TRUE(FindLocalizedName(u"games", nullptr));
    EXPECT_FALSE(FindLocalizedName(u"Games.lnk", found));
    EXPECT_FALSE(FindEnglishName(u"Games", found));
}

class StartMenuTest : public SetupDevice {
protected:
    void SetUp() override
    {
        SetupDevice::SetUp();
        PlaceLanguageFiles(LANGUAGE_FILES, "0419");
    }
};

TEST_F(StartMenuTest, InstallationMakesALocalisedCopyAndRemovalBringsTheEnglishMenuBack)
{
    const std::vector<std::string> english = Tree(u"\\Windows\\Start Menu");
    EXPECT_TRUE(LocalizeStartMenu(1049, TRUE, FALSE));

    EXPECT_EQ(Tree(u"\\Windows\\Start Menu"), english) << "the English menu stays";
    EXPECT_EQ(Tree(kLocalizedMenu), (std::vector<std::string>{
                                        "Задачи.lnk = 20#\"\\Windows\\tasks.exe\"",
                                        "Заметки.lnk = 20#\"\\Windows\\notes.exe\"",
                                        "Календарь.lnk = 23#\"\\Windows\\calendar.exe\"",
                                        "Контакты.lnk = 23#\"\\Windows\\addrbook.exe\"",
                                        "Настройка\\",
                                        "Настройка\\Power.lnk = 35#\"\\Windows\\ctlpnl.exe\" cplmain.cpl,3",
                                        "Почта.lnk = 20#\"\\Windows\\inbox.exe\"",
                                        "Программы\\",
                                        "Программы\\ИК прием.lnk = 23#\"\\Windows\\irsquirt.exe\"",
                                        "Программы\\Игры\\",
                                        "Программы\\Игры\\Солитер.lnk = 23#\"\\Windows\\solitare.exe\"",
                                        "Программы\\Калькулятор.lnk = 19#\"\\Windows\\calc.exe\"",
                                        "Программы\\Проводник.lnk = 23#\"\\Windows\\fexplore.exe\"",
                                    }));
    EXPECT_EQ(String(HKEY_LOCAL_MACHINE, u"SOFTWARE\\Microsoft\\Shell\\Start Items", u"Календарь.lnk"),
              u"\\Windows\\Главное меню\\Календарь.lnk");
    EXPECT_EQ(String(HKEY_CURRENT_USER, u"SOFTWARE\\Microsoft\\Shell\\TaskSwitch", u"2"),
              u"\\Windows\\Главное меню\\Программы\\Игры\\Солитер.lnk");
    EXPECT_TRUE(device::MessageBoxLog().empty());

    EXPECT_TRUE(LocalizeStartMenu(1049, FALSE, TRUE));
    EXPECT_EQ(Tree(u"\\Windows\\Start Menu"), english);
    EXPECT_FALSE(Exists(kLocalizedMenu));
    EXPECT_EQ(String(HKEY_LOCAL_MACHINE, u"SOFTWARE\\Microsoft\\Shell\\Start Items", u"Calendar.lnk"),
              u"\\Windows\\Start Menu\\Calendar.lnk");
    EXPECT_EQ(String(HKEY_CURRENT_USER, u"SOFTWARE\\Microsoft\\Shell\\TaskSwitch", u"2"),
              u"\\Windows\\Start Menu\\Programs\\Games\\Solitaire.lnk");
    EXPECT_TRUE(device::MessageBoxLog().empty());
}

TEST_F(StartMenuTest, ReadOnlyFilesInTheWayNeitherStopTheStepsNorCostTheEnglishMenuItsShortcuts)
{
    struct Case {
        const char* what;
        const WCHAR* path;
        bool placed;  // a file left there, else the English menu's own made read-only
    };
    const Case cases[] = {
        {"a stale shortcut in the localised menu", u"\\Windows\\Главное меню\\Задачи.lnk", true},
        {"a shortcut in the English menu under the localised settings folder's name",
         u"\\Windows\\Start Menu\\Настройка\\Power.lnk", true},
        {"a shortcut under a localised name in the English menu", u"\\Windows\\Start Menu\\Заметки.lnk", true},
        {"the user's own shortcut", u"\\Windows\\Start Menu\\Calendar.lnk", false},
    };
    const std::vector<std::string> english = Tree(u"\\Windows\\Start Menu");
    for (const Case& c : cases) {
        SetUp();
        if (c.placed) {
            ASSERT_EQ(device::WriteDeviceFile(c.path, "left behind"), static_cast<DWORD>(ERROR_SUCCESS)) << c.what;
        }
        ASSERT_TRUE(SetFileAttributesW(c.path, FILE_ATTRIBUTE_READONLY)) << c.what;

        EXPECT_TRUE(LocalizeStartMenu(1049, TRUE, FALSE)) << c.what;
        EXPECT_TRUE(LocalizeStartMenu(1049, FALSE, TRUE)) << c.what;
        EXPECT_EQ(Tree(u"\\Windows\\Start Menu"), english) << c.what;
        EXPECT_FALSE(Exists(kLocalizedMenu)) << c.what;
        EXPECT_EQ(FolderErrorsShown(), Texts{}) << c.what;
        if (!c.placed) {
            EXPECT_EQ(GetFileAttributesW(c.path) & FILE_ATTRIBUTE_READONLY, static_cast<DWORD>(FILE_ATTRIBUTE_READONLY))
                << c.what;
        }
    }
}

TEST_F(StartMenuTest, NothingIsTouchedWhenThereIsNothingToLocaliseOrNoUsableFolders)
{
    PlaceLanguageFiles(TEST_LANGUAGE_FILES, "0407");
    struct Case {
        const char* what;
        DWORD lcid;
        BOOL toLocalized;
        Texts messages;
    };
    const Case cases[] = {
        {"English", 1033, TRUE, {}},
        {"no shell file for the language", 0x040D, TRUE, {u"Cannot open 'shell32.exe.040D.mui' file."}},
        {"a programs folder that is no path", 0x0407, TRUE, {u"Cannot open 'shell32.exe.0407.mui' file."}},
        {"removal without a localised menu to restore from", 1049, FALSE, {u"\\Windows\\Главное меню"}},
    };
    const std::vector<std::string> before = Tree(u"\\Windows");
    const std::string registry = device::DumpRegistry(HKEY_LOCAL_MACHINE, u"SOFTWARE\\Microsoft\\Shell") +
                                 device::DumpRegistry(HKEY_CURRENT_USER, u"SOFTWARE\\Microsoft\\Shell");
    for (const Case& c : cases) {
        device::ClearMessageBoxLog();
        AnswerOk(c.messages.size());
        EXPECT_FALSE(LocalizeStartMenu(c.lcid, c.toLocalized, TRUE)) << c.what;
        EXPECT_EQ(FolderErrorsShown(), c.messages) << c.what;
        EXPECT_EQ(Tree(u"\\Windows"), before) << c.what;
        EXPECT_EQ(device::DumpRegistry(HKEY_LOCAL_MACHINE, u"SOFTWARE\\Microsoft\\Shell") +
                      device::DumpRegistry(HKEY_CURRENT_USER, u"SOFTWARE\\Microsoft\\Shell"),
                  registry)
            << c.what;
    }
}

class FolderTreeTest : public SetupDevice {};

TEST_F(FolderTreeTest, DotFilesAreNeitherCopiedRenamedNorDeleted)
{
    ASSERT_TRUE(device_files::Write(u"\\Windows\\Start Menu\\.Calendar.lnk", "hidden"));
    ASSERT_TRUE(CreateDirectoryW(u"\\Windows\\Start Menu\\.Games", nullptr));

    EXPECT_TRUE(CopyTree(u"\\Windows\\Start Menu", u"\\Copy", TRUE));
    EXPECT_FALSE(Exists(u"\\Copy\\.Calendar.lnk"));
    EXPECT_FALSE(Exists(u"\\Copy\\.Games"));
    EXPECT_TRUE(Exists(u"\\Copy\\Programs\\Games\\Solitaire.lnk"));

    EXPECT_TRUE(RenameTree(u"\\Windows\\Start Menu", TRUE, TRUE));
    EXPECT_TRUE(Exists(u"\\Windows\\Start Menu\\.Calendar.lnk"));
    EXPECT_TRUE(Exists(u"\\Windows\\Start Menu\\.Games"));

    EXPECT_FALSE(RemoveTree(u"\\Windows\\Start Menu", TRUE)) << "a folder holding a dot-file stays";
    EXPECT_EQ(Tree(u"\\Windows\\Start Menu"), (std::vector<std::string>{".Calendar.lnk = hidden", ".Games\\"}));
    EXPECT_TRUE(RemoveTree(u"\\Copy", TRUE));
    EXPECT_FALSE(Exists(u"\\Copy"));
}

TEST_F(FolderTreeTest, RenamingReplacesWhatHasTheNewNameAndMatchesWithoutRegardToCase)
{
    ASSERT_TRUE(CreateDirectoryW(u"\\Menu", nullptr));
    ASSERT_TRUE(device_files::Write(u"\\Menu\\CALENDAR.LNK", "English"));
    ASSERT_TRUE(device_files::Write(u"\\Menu\\Календарь.lnk", "stale"));
    ASSERT_TRUE(CreateDirectoryW(u"\\Menu\\games", nullptr));
    ASSERT_TRUE(device_files::Write(u"\\Menu\\games\\Solitaire.lnk", "card game"));
    ASSERT_TRUE(CreateDirectoryW(u"\\Menu\\Игры", nullptr));
    ASSERT_TRUE(device_files::Write(u"\\Menu\\Игры\\old.lnk", "stale"));

    EXPECT_TRUE(RenameTree(u"\\Menu", TRUE, TRUE));
    EXPECT_EQ(Tree(u"\\Menu"), (std::vector<std::string>{"Игры\\", "Игры\\Солитер.lnk = card game",
                                                         "Календарь.lnk = English"}));
}

TEST_F(FolderTreeTest, AReadOnlyFileThatStillCannotGoStaysReadOnly)
{
    ASSERT_TRUE(CreateDirectoryW(u"\\Menu", nullptr));
    ASSERT_TRUE(CreateDirectoryW(u"\\Source", nullptr));
    ASSERT_TRUE(device_files::Write(u"\\Menu\\Notes.lnk", "notes", FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(device_files::Write(u"\\Source\\Notes.lnk", "other"));
    HANDLE open = CreateFileW(u"\\Menu\\Notes.lnk", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(open, INVALID_HANDLE_VALUE);

    EXPECT_TRUE(CopyTree(u"\\Source", u"\\Menu", TRUE));
    EXPECT_FALSE(RemoveTree(u"\\Menu", TRUE));
    CloseHandle(open);
    EXPECT_EQ(Tree(u"\\Menu"), (std::vector<std::string>{"Notes.lnk = notes"}));
    EXPECT_TRUE(GetFileAttributesW(u"\\Menu\\Notes.lnk") & FILE_ATTRIBUTE_READONLY);
}

TEST_F(FolderTreeTest, AMoveThatFailsIsToldAndLeavesTheEntryWhereItWas)
{
    ASSERT_TRUE(CreateDirectoryW(u"\\Menu", nullptr));
    ASSERT_TRUE(device_files::Write(u"\\Menu\\Notes.lnk", "notes"));
    ASSERT_TRUE(device_files::Write(u"\\Menu\\Tasks.lnk", "tasks"));
    HANDLE open = CreateFileW(u"\\Menu\\Notes.lnk", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(open, INVALID_HANDLE_VALUE);
    AnswerOk(3);

    EXPECT_TRUE(RenameTree(u"\\Menu", TRUE, TRUE));
    CloseHandle(open);
    EXPECT_EQ(FolderErrorsShown(), (Texts{u"Cannot move file", u"\\Menu\\Notes.lnk", u"\\Menu\\Заметки.lnk"}));
    EXPECT_EQ(Tree(u"\\Menu"), (std::vector<std::string>{"Notes.lnk = notes", "Задачи.lnk = tasks"}));
}
