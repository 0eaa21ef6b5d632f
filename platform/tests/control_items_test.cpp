#include <string>

#include "control_panel.h"

namespace {

// One family's names for the same requests: LB_... or CB_...
struct Family {
    const char* name;
    LPCWSTR className;
    DWORD style;  // and with sort
    DWORD sort;
    UINT add, insert, remove, reset, count, text, textLength, setData, getData, select, selection;
    bool badSelectionClears;  // CB_SETCURSEL of a missing row clears the selection; LB_SETCURSEL keeps it
};

const Family kFamilies[] = {
    {"list box", u"listbox", WS_BORDER, LBS_SORT, LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT,
     LB_GETCOUNT, LB_GETTEXT, LB_GETTEXTLEN, LB_SETITEMDATA, LB_GETITEMDATA, LB_SETCURSEL, LB_GETCURSEL, false},
    {"combo box", u"combobox", CBS_DROPDOWNLIST, CBS_SORT, CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING,
     CB_RESETCONTENT, CB_GETCOUNT, CB_GETLBTEXT, CB_GETLBTEXTLEN, CB_SETITEMDATA, CB_GETITEMDATA, CB_SETCURSEL,
     CB_GETCURSEL, true},
};

class ControlItemsTest : public ControlPanel {
protected:
    HWND MakeList(const Family& family, bool sorted = false)
    {
        return Make(family.className, u"", family.style | (sorted ? family.sort : 0), {10, 10, 150, 100});
    }

    static LRESULT Send(HWND list, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return SendMessageW(list, message, wParam, lParam);
    }

    static LRESULT Add(HWND list, const Family& family, LPCWSTR text)
    {
        return Send(list, family.add, 0, reinterpret_cast<LPARAM>(text));
    }

    // The rows' texts, in order, joined by commas.
    static std::string Rows(HWND list, const Family& family)
    {
        std::string rows;
        for (int index = 0; index < Send(list, family.count); ++index) {
            std::u16string text(static_cast<size_t>(Send(list, family.textLength, index)) + 1, u'\0');
            text.resize(static_cast<size_t>(Send(list, family.text, index, reinterpret_cast<LPARAM>(text.data()))));
            rows += (index ? "," : "") + std::string(text.begin(), text.end());
        }
        return rows;
    }
};

TEST_F(ControlItemsTest, RowsAreAddedInsertedAndDeletedWhereAsked)
{
    for (const Family& family : kFamilies) {
        SCOPED_TRACE(family.name);
        HWND list = MakeList(family);
        EXPECT_EQ(Add(list, family, u"b"), 0);
        EXPECT_EQ(Add(list, family, u"a"), 1) << "unsorted: at the end";
        EXPECT_EQ(Send(list, family.insert, 0, reinterpret_cast<LPARAM>(u"first")), 0);
        EXPECT_EQ(Send(list, family.insert, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"last")), 3);
        EXPECT_EQ(Send(list, family.insert, 9, reinterpret_cast<LPARAM>(u"far")), LB_ERR) << "beyond the end";
        EXPECT_EQ(Rows(list, family), "first,b,a,last");
        EXPECT_EQ(Send(list, family.remove, 1), 3) << "answers the rows left";
        EXPECT_EQ(Send(list, family.remove, 3), LB_ERR);
        EXPECT_EQ(Rows(list, family), "first,a,last");
        EXPECT_EQ(Send(list, family.textLength, 7), LB_ERR);
        WCHAR buffer[8] = u"unset";
        EXPECT_EQ(Send(list, family.text, 7, reinterpret_cast<LPARAM>(buffer)), LB_ERR);
        EXPECT_EQ(std::u16string(buffer), u"unset") << "nothing written for a missing row";
        Send(list, family.reset);
        EXPECT_EQ(Send(list, family.count), 0);

        HWND sorted = MakeList(family, true);
        for (LPCWSTR text : {u"pear", u"Apple", u"fig", u"apple"}) Add(sorted, family, text);
        EXPECT_EQ(Rows(sorted, family), "Apple,apple,fig,pear") << "without regard to case, equals in order";
        DestroyWindow(list);
        DestroyWindow(sorted);
    }
}

TEST_F(ControlItemsTest, ItemDataStaysWithItsRow)
{
    for (const Family& family : kFamilies) {
        SCOPED_TRACE(family.name);
        HWND list = MakeList(family);
        for (LPCWSTR text : {u"zero", u"one", u"two"}) Add(list, family, text);
        for (int index = 0; index < 3; ++index) EXPECT_EQ(Send(list, family.setData, index, 100 + index), 0);
        EXPECT_EQ(Send(list, family.setData, 3, 7), LB_ERR);
        EXPECT_EQ(Send(list, family.getData, 3), LB_ERR);
        Send(list, family.insert, 0, reinterpret_cast<LPARAM>(u"new"));
        Send(list, family.remove, 2);
        EXPECT_EQ(Send(list, family.getData, 0), 0) << "a new row's data";
        EXPECT_EQ(Send(list, family.getData, 1), 100);
        EXPECT_EQ(Send(list, family.getData, 2), 102);
        DestroyWindow(list);
    }
}

TEST_F(ControlItemsTest, TheSelectionFollowsItsRowAndFailsThePlatformsWay)
{
    const struct {
        const char* rule;
        int select;           // the first selection, in rows zero to four
        UINT Family::*change; // what happens next, in the family's name; null for nothing
        int index;            // its row
        LRESULT answer;       // its answer; for a selection, LB_ERR for -1 as on the platform
        int selectedAfter;    // the selection afterwards
        int selectedAfterCombo;
    } cases[] = {
        {"no selection at first", -1, nullptr, 0, 0, -1, -1},
        {"a row is selected by its index", 2, nullptr, 0, 0, 2, 2},
        {"-1 clears the selection and still answers LB_ERR", 2, &Family::select, -1, LB_ERR, -1, -1},
        {"a missing row fails; a combo box clears its selection then", 2, &Family::select, 9, LB_ERR, 2, -1},
        {"deleting the selected row leaves none", 2, &Family::remove, 2, 4, -1, -1},
        {"deleting a row before the selection moves it up", 2, &Family::remove, 0, 4, 1, 1},
        {"deleting a row after it leaves it", 2, &Family::remove, 4, 4, 2, 2},
        {"inserting before the selection moves it down", 2, &Family::insert, 1, 1, 3, 3},
        {"emptying the list leaves no selection", 2, &Family::reset, 0, 0, -1, -1},
    };
    for (const Family& family : kFamilies) {
        for (const auto& test : cases) {
            SCOPED_TRACE(std::string(family.name) + ": " + test.rule);
            HWND list = MakeList(family);
            for (LPCWSTR text : {u"a", u"b", u"c", u"d", u"e"}) Add(list, family, text);
            EXPECT_EQ(Send(list, family.select, static_cast<WPARAM>(test.select)),
                      test.select == -1 ? LB_ERR : test.select);
            if (test.change) {
                LRESULT answer = Send(list, family.*test.change, static_cast<WPARAM>(test.index),
                                      reinterpret_cast<LPARAM>(u"new"));
                EXPECT_EQ(answer, test.answer);
            }
            EXPECT_EQ(Send(list, family.selection),
                      family.badSelectionClears ? test.selectedAfterCombo : test.selectedAfter);
            DestroyWindow(list);
        }
    }
    EXPECT_TRUE(Notices().empty()) << "the program's selections are not told";
}

TEST_F(ControlItemsTest, AComboBoxShowsTheSelectedRowAsItsTextAndHasNoneToSet)
{
    HWND combo = Make(u"combobox", u"", CBS_DROPDOWNLIST, {10, 10, 150, 100});
    for (LPCWSTR text : {u"first", u"second"}) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    WCHAR text[16];
    EXPECT_EQ(GetWindowTextW(combo, text, 16), 0);
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    EXPECT_EQ(GetWindowTextW(combo, text, 16), 6);
    EXPECT_EQ(std::u16string(text), u"second");
    EXPECT_EQ(SendMessageW(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(u"typed")), CB_ERR);
    RECT box;
    GetClientRect(combo, &box);
    EXPECT_LT(box.bottom, 30) << "the closed box is one row high, whatever height it was made with";
}

TEST_F(ControlItemsTest, AListScrollsToShowTheSelectionAndKeepsItsTopWithinTheRows)
{
    HWND list = Make(u"listbox", u"", WS_BORDER | WS_VSCROLL, {10, 10, 150, 60});
    for (int row = 0; row < 10; ++row) {
        std::u16string text = u"row " + std::u16string(1, static_cast<char16_t>(u'0' + row));
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    RECT client;
    GetClientRect(list, &client);
    EXPECT_EQ((client.bottom - 4) % 13, 0) << "whole rows only, without LBS_NOINTEGRALHEIGHT";
    int visible = (client.bottom - 4) / 13;
    SendMessageW(list, LB_SETCURSEL, 8, 0);
    EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 8 - visible + 1) << "the selection at the bottom";
    SendMessageW(list, LB_SETCURSEL, 1, 0);
    EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 1) << "and at the top";
    EXPECT_EQ(SendMessageW(list, LB_SETTOPINDEX, 9, 0), 0);
    EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 10 - visible) << "the last page stays full";
    EXPECT_EQ(SendMessageW(list, LB_SETTOPINDEX, 10, 0), LB_ERR);
}

}  // namespace
