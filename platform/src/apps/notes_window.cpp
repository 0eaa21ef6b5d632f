#include "apps/notes_window.h"

#include <algorithm>
#include <string_view>

#include <windows.h>

#include "apps/notes_layout.h"
#include "apps/text_editor.h"
#include "controls/control_drawing.h"
#include "user/work_area.h"

namespace {

const WCHAR kNotesClass[] = u"Notes";
const WCHAR kNotesTitle[] = u"Notes";
constexpr int kMargin = 3;
constexpr int kFontHeight = 13;

HFONT CreateNotesFont()
{
    LOGFONTW font = {};
    font.lfHeight = -kFontHeight;
    font.lfWeight = FW_NORMAL;
    std::u16string_view face = u"Tahoma";
    face.copy(font.lfFaceName, face.size());
    return CreateFontIndirectW(&font);
}

void DrawCaret(HDC hdc, int x, int top, int height)
{
    platform::controls::FillColour(hdc, {x, top, x + 1, top + height}, GetSysColor(COLOR_WINDOWTEXT));
}

void Paint(HWND window)
{
    PAINTSTRUCT paint;
    HDC hdc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    platform::controls::FillColour(hdc, client, GetSysColor(COLOR_WINDOW));
    HFONT font = CreateNotesFont();
    HGDIOBJ previous = SelectObject(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));

    const platform::apps::TextEditor& editor = platform::apps::FocusedEditor();
    std::u16string_view text = editor.Contents();
    int width = client.right - 2 * kMargin;
    platform::apps::NotesLayout layout =
        platform::apps::LayOutNotes(text, editor.Caret(), width, [hdc](std::u16string_view piece) {
            return platform::controls::TextWidth(hdc, piece);
        });
    int lineHeight = platform::controls::LineHeight(hdc);
    size_t shown = static_cast<size_t>((client.bottom - kMargin) / lineHeight);
    size_t first = platform::apps::FirstShownLine(layout.caretLine, shown);
    for (size_t line = first; line < layout.lines.size() && line < first + shown; ++line) {
        int top = kMargin + static_cast<int>(line - first) * lineHeight;
        std::u16string_view drawn = text.substr(layout.lines[line].start, layout.lines[line].length);
        ExtTextOutW(hdc, kMargin, top, 0, nullptr, drawn.data(), static_cast<UINT>(drawn.size()), nullptr);
    }
    DrawCaret(hdc, kMargin + layout.caretX, kMargin + static_cast<int>(layout.caretLine - first) * lineHeight,
              lineHeight);

    SelectObject(hdc, previous);
    DeleteObject(font);
    EndPaint(window, &paint);
}

LRESULT CALLBACK NotesProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        Paint(window);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

namespace platform::apps {

HWND OpenNotes()
{
    WNDCLASSW notesClass = {};
    notesClass.lpfnWndProc = NotesProcedure;
    notesClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    notesClass.lpszClassName = kNotesClass;
    RegisterClassW(&notesClass);
    RECT place = user::WorkArea();
    HWND window =
        CreateWindowExW(0, kNotesClass, kNotesTitle, WS_POPUP | WS_VISIBLE, place.left, place.top,
                        place.right - place.left, place.bottom - place.top, nullptr, nullptr, nullptr, nullptr);
    if (!window) return nullptr;
    FocusedEditor().WhenChanged([window] { InvalidateRect(window, nullptr, TRUE); });
    SetForegroundWindow(window);
    return window;
}

void FitNotesAbove(HWND notes, LONG bottom)
{
    RECT wanted = user::WorkArea(), now;
    wanted.bottom = std::min(wanted.bottom, bottom);
    if (!GetWindowRect(notes, &now) || (now.top == wanted.top && now.bottom == wanted.bottom)) return;
    MoveWindow(notes, wanted.left, wanted.top, wanted.right - wanted.left, wanted.bottom - wanted.top, TRUE);
}

void CloseNotes() { FocusedEditor().WhenChanged(nullptr); }

}  // namespace platform::apps
