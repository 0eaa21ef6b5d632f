#include "user/dialog_template.h"

#include <winuser.h>
#include <wingdi.h>

#include "resources/resource_fields.h"

namespace platform::user {

namespace {

using resources::ReadAt;
using resources::ReadId;
using resources::ResourceId;

constexpr WORD kExtendedSignature = 0xFFFF;

// Items start on four-byte boundaries, counted from the template's start.
size_t AlignUp4(size_t n) { return (n + 3) & ~size_t{3}; }

// Reads the template field by field; the first field that runs past the end
// leaves the reader failed with a message that says which.
class FieldReader {
public:
    explicit FieldReader(std::span<const BYTE> bytes) : bytes_(bytes) {}

    template <typename T>
    T Next(const char* field)
    {
        std::optional<T> value = ReadAt<T>(bytes_, at_);
        if (!value) return Fail<T>(field);
        at_ += sizeof(T);
        return *value;
    }

    ResourceId NextId(const char* field)
    {
        std::optional<ResourceId> id = error_.empty() ? ReadId(bytes_, at_) : std::nullopt;
        return id ? *id : Fail<ResourceId>(field);
    }

    std::u16string NextText(const char* field)
    {
        std::u16string text;
        for (WORD c = Next<WORD>(field); c && ok(); c = Next<WORD>(field)) text.push_back(static_cast<char16_t>(c));
        return text;
    }

    std::vector<BYTE> NextBytes(size_t count, const char* field)
    {
        if (!ok() || count > bytes_.size() - at_) return Fail<std::vector<BYTE>>(field);
        std::vector<BYTE> data(bytes_.begin() + at_, bytes_.begin() + at_ + count);
        at_ += count;
        return data;
    }

    void AlignItem() { at_ = AlignUp4(at_); }
    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }

private:
    template <typename T>
    T Fail(const char* field)
    {
        if (error_.empty()) error_ = std::string(field) + " at byte " + std::to_string(at_) + " runs past the end";
        at_ = bytes_.size();
        return T{};
    }

    std::span<const BYTE> bytes_;
    size_t at_ = 0;
    std::string error_;
};

void ReadCreationData(FieldReader& reader, DialogItem& item)
{
    WORD size = reader.Next<WORD>("creation data size");
    item.creationData = reader.NextBytes(size, "creation data");
}

DialogItem ReadItem(FieldReader& reader)
{
    reader.AlignItem();
    DialogItem item{};
    item.style = reader.Next<DWORD>("item style");
    item.exStyle = reader.Next<DWORD>("item extended style");
    item.x = reader.Next<short>("item x");
    item.y = reader.Next<short>("item y");
    item.cx = reader.Next<short>("item width");
    item.cy = reader.Next<short>("item height");
    item.id = reader.Next<WORD>("item id");
    item.windowClass = reader.NextId("item class");
    item.text = reader.NextId("item text");
    ReadCreationData(reader, item);
    return item;
}

DialogItem ReadExtendedItem(FieldReader& reader)
{
    reader.AlignItem();
    DialogItem item{};
    reader.Next<DWORD>("item help id");
    item.exStyle = reader.Next<DWORD>("item extended style");
    item.style = reader.Next<DWORD>("item style");
    item.x = reader.Next<short>("item x");
    item.y = reader.Next<short>("item y");
    item.cx = reader.Next<short>("item width");
    item.cy = reader.Next<short>("item height");
    item.id = reader.Next<DWORD>("item id");
    item.windowClass = reader.NextId("item class");
    item.text = reader.NextId("item text");
    ReadCreationData(reader, item);
    return item;
}

void ReadPlacement(FieldReader& reader, DialogTemplate& dialog)
{
    dialog.x = reader.Next<short>("x");
    dialog.y = reader.Next<short>("y");
    dialog.cx = reader.Next<short>("width");
    dialog.cy = reader.Next<short>("height");
}

void ReadNamesAndFont(FieldReader& reader, DialogTemplate& dialog)
{
    dialog.menu = reader.NextId("menu");
    dialog.windowClass = reader.NextId("class");
    dialog.title = reader.NextText("title");
    if (!(dialog.style & DS_SETFONT)) return;  // DS_SHELLFONT includes it
    DialogFont font{reader.Next<WORD>("font size"), FW_NORMAL, false, {}};
    if (dialog.extended) {
        font.weight = reader.Next<WORD>("font weight");
        font.italic = reader.Next<BYTE>("font italic") != 0;
        reader.Next<BYTE>("font character set");
    }
    font.face = reader.NextText("font face");
    dialog.font = font;
}

}  // namespace

ParsedDialogTemplate ParseDialogTemplate(std::span<const BYTE> bytes)
{
    FieldReader reader(bytes);
    DialogTemplate dialog{};
    std::optional<WORD> version = ReadAt<WORD>(bytes, 0);
    std::optional<WORD> signature = ReadAt<WORD>(bytes, 2);
    dialog.extended = version == 1 && signature == kExtendedSignature;
    if (dialog.extended) {
        reader.Next<DWORD>("version and signature");
        reader.Next<DWORD>("help id");
        dialog.exStyle = reader.Next<DWORD>("extended style");
        dialog.style = reader.Next<DWORD>("style");
    } else {
        dialog.style = reader.Next<DWORD>("style");
        dialog.exStyle = reader.Next<DWORD>("extended style");
    }
    WORD count = reader.Next<WORD>("item count");
    ReadPlacement(reader, dialog);
    ReadNamesAndFont(reader, dialog);
    for (WORD i = 0; i < count && reader.ok(); ++i)
        dialog.items.push_back(dialog.extended ? ReadExtendedItem(reader) : ReadItem(reader));
    if (!reader.ok()) return {std::nullopt, reader.error()};
    return {dialog, {}};
}

LPCWSTR PredefinedClassName(WORD ordinal)
{
    static const LPCWSTR kNames[] = {u"button", u"edit", u"static", u"listbox", u"scrollbar", u"combobox"};
    if (ordinal < 0x80 || ordinal > 0x85) return nullptr;
    return kNames[ordinal - 0x80];
}

}  // namespace platform::user
