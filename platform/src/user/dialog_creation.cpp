#include "user/dialog_creation.h"

#include <device/text.h>
#include <windows.h>

#include "user/dialog_state.h"
#include "user/dialog_units.h"
#include "user/work_area.h"

namespace platform::user {

namespace {

const WCHAR kDialogClass[] = u"#32770";
constexpr int kScreenDpi = 96;

// An ordinal class is one of the predefined controls; null for one the
// platform does not define.
std::u16string ClassNameOf(const resources::ResourceId& windowClass)
{
    if (const WORD* ordinal = std::get_if<WORD>(&windowClass.value)) {
        LPCWSTR name = PredefinedClassName(*ordinal);
        return name ? name : u"";
    }
    return std::get<std::u16string>(windowClass.value);
}

// An ordinal text names a resource (an icon, a bitmap): no window text.
std::u16string TextOf(const resources::ResourceId& text)
{
    const std::u16string* name = std::get_if<std::u16string>(&text.value);
    return name ? *name : u"";
}

HFONT CreateTemplateFont(const DialogFont& font)
{
    LOGFONTW description = {};
    description.lfHeight = -MulDiv(font.pointSize, kScreenDpi, 72);
    description.lfWeight = font.weight;
    description.lfItalic = font.italic;
    description.lfCharSet = DEFAULT_CHARSET;
    font.face.copy(description.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&description);
}

// Place and size convert each on its own, as the platform does, so a
// control's width does not depend on where it stands.
RECT PixelRect(short x, short y, short cx, short cy, DialogBaseUnits base)
{
    RECT converted = DialogUnitsToPixels({x, y, cx, cy}, base);
    return {converted.left, converted.top, converted.left + converted.right, converted.top + converted.bottom};
}

// Without DS_ABSALIGN a dialog's place is counted from its owner's client
// area; DS_CENTER puts it in the middle of the work area instead.
RECT DialogPlace(const DialogTemplate& dialog, HWND owner, DialogBaseUnits base)
{
    RECT place = PixelRect(dialog.x, dialog.y, dialog.cx, dialog.cy, base);
    if (dialog.style & DS_CENTER) {
        RECT area = WorkArea();
        LONG width = place.right - place.left, height = place.bottom - place.top;
        LONG left = area.left + (area.right - area.left - width) / 2;
        LONG top = area.top + (area.bottom - area.top - height) / 2;
        return {left, top, left + width, top + height};
    }
    POINT origin{0, 0};
    if (owner && !(dialog.style & DS_ABSALIGN)) ClientToScreen(owner, &origin);
    OffsetRect(&place, origin.x, origin.y);
    return place;
}

std::string NameFor(const DialogTemplate& dialog, const DialogRequest& request)
{
    if (!dialog.title.empty()) return "\"" + device::Utf8(dialog.title) + "\"";
    return request.templateName.empty() ? "without a name" : request.templateName;
}

HWND CreateFrame(const DialogTemplate& dialog, const DialogRequest& request, HFONT font, DialogBaseUnits base)
{
    std::u16string className = ClassNameOf(dialog.windowClass);
    RECT place = DialogPlace(dialog, request.owner, base);
    // Top-level whatever the template says: the owner is not a parent.
    DWORD style = dialog.style & ~(WS_VISIBLE | WS_CHILD);
    HWND frame = CreateWindowExW(dialog.exStyle, className.empty() ? kDialogClass : className.c_str(),
                                 dialog.title.c_str(), style, place.left, place.top, place.right - place.left,
                                 place.bottom - place.top, request.owner, nullptr, request.instance, nullptr);
    if (!frame) return nullptr;
    DialogState& state = AddDialog(frame);
    state = {request.procedure, font, base, NameFor(dialog, request), request.modal};
    return frame;
}

bool CreateControl(HWND frame, const DialogItem& item, HINSTANCE instance, HFONT font, DialogBaseUnits base)
{
    std::u16string className = ClassNameOf(item.windowClass);
    if (className.empty()) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return false;
    }
    RECT place = PixelRect(item.x, item.y, item.cx, item.cy, base);
    std::u16string text = TextOf(item.text);
    LPVOID creationData = item.creationData.empty() ? nullptr : const_cast<BYTE*>(item.creationData.data());
    HWND control = CreateWindowExW(item.exStyle, className.c_str(), text.c_str(), item.style | WS_CHILD, place.left,
                                   place.top, place.right - place.left, place.bottom - place.top, frame,
                                   reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.id)), instance, creationData);
    if (!control) return false;
    if (font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return true;
}

HWND FirstTabStop(HWND frame)
{
    for (HWND child = GetWindow(frame, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        LONG style = GetWindowLongW(child, GWL_STYLE);
        if ((style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED)) return child;
    }
    return nullptr;
}

// WM_INITDIALOG names the first control that can take the focus; a TRUE
// answer gives it the focus.
void Initialize(HWND frame, LPARAM initParam)
{
    HWND first = FirstTabStop(frame);
    LRESULT focusDefault = SendMessageW(frame, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), initParam);
    if (focusDefault && first && IsWindow(first)) SetFocus(first);
}

}  // namespace

HWND CreateDialogFromTemplate(const DialogTemplate& dialog, const DialogRequest& request)
{
    HFONT font = dialog.font ? CreateTemplateFont(*dialog.font) : nullptr;
    DialogBaseUnits base = BaseUnitsOf(font);
    HWND frame = CreateFrame(dialog, request, font, base);
    if (!frame) {
        if (font) DeleteObject(font);
        return nullptr;
    }
    if (font) SendMessageW(frame, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (const DialogItem& item : dialog.items) {
        if (!CreateControl(frame, item, request.instance, font, base)) {
            DWORD error = GetLastError();
            DestroyWindow(frame);
            SetLastError(error);
            return nullptr;
        }
    }
    Initialize(frame, request.initParam);
    if (!IsWindow(frame)) return nullptr;
    if (dialog.style & WS_VISIBLE) {
        ShowWindow(frame, SW_SHOW);
        UpdateWindow(frame);
    }
    return frame;
}

}  // namespace platform::user
