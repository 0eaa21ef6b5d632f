// A dialog template as plain records: the binary DLGTEMPLATE (or
// DLGTEMPLATEEX) data the resource compiler writes, read into fields before
// any window is made from it.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "resources/resource_id.h"

namespace platform::user {

struct DialogFont {
    WORD pointSize;
    WORD weight;  // FW_NORMAL unless the extended form gives one
    bool italic;
    std::u16string face;
};

// Positions and sizes are dialog units.
struct DialogItem {
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
    DWORD id;
    resources::ResourceId windowClass;  // a predefined class's ordinal (0x80 button ... 0x85 combo box) or a name
    resources::ResourceId text;         // the window text, or an ordinal naming a resource
    std::vector<BYTE> creationData;     // handed to the control's WM_CREATE
};

struct DialogTemplate {
    bool extended;
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
    resources::ResourceId menu;         // an empty name when there is none
    resources::ResourceId windowClass;  // an empty name for the platform's dialog class
    std::u16string title;
    std::optional<DialogFont> font;     // with DS_SETFONT only
    std::vector<DialogItem> items;      // in template order
};

struct ParsedDialogTemplate {
    std::optional<DialogTemplate> dialog;
    std::string error;  // where and what went wrong, when there is no dialog
};

// Reads nothing outside BYTES.
ParsedDialogTemplate ParseDialogTemplate(std::span<const BYTE> bytes);

// The class a predefined ordinal stands for ("button", "edit", ...); null for
// an ordinal the platform does not define.
LPCWSTR PredefinedClassName(WORD ordinal);

}  // namespace platform::user
