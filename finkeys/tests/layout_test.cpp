#include <windows.h>

#include <cctype>
#include <set>
#include <string>

#include "fresh_device.h"
#include "key_planes.h"
#include "panel_layout.h"

namespace {

struct Panel {
    const char* name;
    const PanelLayout& layout;
    std::set<int> letterKeys;
};

std::set<int> Keys(std::initializer_list<std::pair<int, int>> ranges)
{
    std::set<int> keys;
    for (auto [first, last] : ranges)
        for (int key = first; key <= last; ++key) keys.insert(key);
    return keys;
}

const Panel kPanels[] = {
    {"Finnish", kFinnishLayout, Keys({{15, 25}, {28, 38}, {41, 47}})},
    {"English", kEnglishLayout, Keys({{15, 24}, {28, 36}, {41, 47}})},
};

const char* Name(const PanelLayout& layout) { return &layout == &kFinnishLayout ? "Finnish" : "English"; }

std::u16string Text(LPCWSTR text) { return text ? std::u16string(text) : std::u16string(); }

const KeyDef& Def(const PanelLayout& layout, int key, int plane)
{
    return *GetKeyDef(layout, key, plane & 1, plane & 2, plane & 4);
}

RECT Rect(const PanelLayout& layout, int key)
{
    RECT rect;
    KeyRect(layout, &rect, key);
    return rect;
}

bool Contains(const RECT& rect, int x, int y) { return rect.left <= x && x < rect.right && rect.top <= y && y < rect.bottom; }

int HitKey(const PanelLayout& layout, int x, int y)
{
    for (int key = 0; key < kKeyCount; ++key)
        if (Contains(Rect(layout, key), x, y)) return key;
    return kNoKey;
}

bool Overlap(const RECT& a, const RECT& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

class LayoutTest : public FreshDevice {};

TEST_F(LayoutTest, KeysLieOnTheirRowsInsideThePanelWithoutOverlapping)
{
    const std::set<std::pair<LONG, LONG>> rowSpans = {{1, 16}, {17, 32}, {33, 48}, {49, 64}, {65, 80}};
    for (const Panel& panel : kPanels) {
        for (int key = 0; key < kKeyCount; ++key) {
            const RECT rect = Rect(panel.layout, key);
            EXPECT_TRUE(rect.left >= 1 && rect.left <= rect.right && rect.right < kPanelWidth)
                << panel.name << " key " << key << " must lie inside the panel, clear of x 0";
            const bool tallEnter = &panel.layout == &kEnglishLayout && key == 39;
            EXPECT_TRUE(rowSpans.count({rect.top, rect.bottom}) || (tallEnter && rect.top == 33 && rect.bottom == 49))
                << panel.name << " key " << key << " spans y " << rect.top << "-" << rect.bottom;
            for (int other = key + 1; other < kKeyCount; ++other)
                EXPECT_FALSE(Overlap(rect, Rect(panel.layout, other)))
                    << panel.name << " keys " << key << " and " << other << " overlap";
        }
    }
}

TEST_F(LayoutTest, SeamsAndEdgesHitNoKey)
{
    for (const Panel& panel : kPanels) {
        for (int x = 0; x < kPanelWidth; ++x) {
            for (int y : {0, 16, 32, 48, 64}) {
                // Only the English Enter key bridges a seam, to reach its lower half.
                const int expected = (&panel.layout == &kEnglishLayout && y == 48 && x >= 223 && x < 239) ? 39 : kNoKey;
                EXPECT_EQ(HitKey(panel.layout, x, y), expected) << panel.name << " at (" << x << ", " << y << ")";
            }
        }
        for (int y = 0; y < kPanelHeight; ++y) EXPECT_EQ(HitKey(panel.layout, 0, y), kNoKey) << panel.name;
        for (int key = 0; key < kKeyCount; ++key) {
            const RECT rect = Rect(panel.layout, key);
            EXPECT_EQ(HitKey(panel.layout, rect.right, rect.top), kNoKey)
                << panel.name << ": the seam right of key " << key << " belongs to no key";
        }
    }
    EXPECT_EQ(HitKey(kEnglishLayout, 167, 70), kNoKey) << "the English space bar ends before x 167 and key 56 has no width";
    EXPECT_EQ(HitKey(kEnglishLayout, 166, 70), 55);
    EXPECT_EQ(HitKey(kFinnishLayout, 160, 70), 56) << "the Finnish Alt key sits right of the space bar";
}

TEST_F(LayoutTest, EachKeySendsWithCtrlTheUsKeyAtItsPlace)
{
    // The English panel is the US keyboard: a character key sends its own
    // upper-case character, every other key a space.
    for (int key = 0; key < kKeyCount; ++key) {
        const KeyDef& us = Def(kEnglishLayout, key, 0);
        const BYTE expected = us.kind == KeyChar ? static_cast<BYTE>(std::toupper(us.label[0])) : 0x20;
        EXPECT_EQ(KeyVirtualCode(kEnglishLayout, key), expected) << "key " << key;
        EXPECT_EQ(KeyVirtualCode(kFinnishLayout, key), expected) << "both panels send the same bytes; key " << key;
    }
    EXPECT_EQ(KeyVirtualCode(kFinnishLayout, 39), 0x20) << "Finnish key 39 types ' but sends a space with Ctrl";
}

TEST_F(LayoutTest, CapsSwapsShiftOnLettersOnlyAndKey13FollowsShiftXorCaps)
{
    for (const Panel& panel : kPanels) {
        const PanelLayout& layout = panel.layout;
        for (int key = 0; key < kKeyCount; ++key) {
            if (key == 13 || (key == 56 && &layout == &kEnglishLayout)) continue;  // checked below
            const bool letter = panel.letterKeys.count(key) > 0;
            for (int plane = 4; plane < kPlaneCount; ++plane) {
                const bool shift = plane & 1, alt = plane & 2;
                const int source = PlaneIndex(letter && !alt ? !shift : shift, alt, false);
                EXPECT_EQ(Text(Def(layout, key, plane).label), Text(Def(layout, key, source).label))
                    << panel.name << " key " << key << " plane " << plane << " must copy plane " << source;
                EXPECT_EQ(Def(layout, key, plane).code, Def(layout, key, source).code) << panel.name << " key " << key;
            }
        }
        const int planes = &layout == &kEnglishLayout ? 2 : 4;  // the English Alt planes are empty
        for (int base = 0; base < planes; ++base) {
            for (int plane : {base, base + 4}) {
                const bool shift = plane & 1, caps = plane & 4;
                EXPECT_EQ(Def(layout, 13, plane).code, shift == caps ? 0x08u : 0x2Eu)
                    << panel.name << " key 13 in plane " << plane << " is Backspace when Shift equals Caps, else Delete";
            }
        }
    }
    for (int plane : {1, 4, 5}) EXPECT_EQ(Def(kEnglishLayout, 56, plane).code, 0x20u) << "plane " << plane;
    EXPECT_EQ(Def(kEnglishLayout, 56, 0).code, 0x12u);
}

TEST_F(LayoutTest, RecordsAreWellFormedForTheirKind)
{
    for (const Panel& panel : kPanels) {
        for (int plane = 0; plane < kPlaneCount; ++plane) {
            for (int key = 0; key < kKeyCount; ++key) {
                const KeyDef& def = Def(panel.layout, key, plane);
                const std::u16string base = Text(def.deadBase), composed = Text(def.deadComposed);
                const std::string where = std::string(panel.name) + " key " + std::to_string(key) + " plane " +
                                          std::to_string(plane);
                switch (def.kind) {
                case KeyDead:
                    EXPECT_EQ(Text(def.label).size(), 1u) << where;
                    EXPECT_FALSE(base.empty()) << where;
                    EXPECT_EQ(base.size(), composed.size()) << where << ": every base letter needs its composed letter";
                    for (size_t i = 0; i < base.size(); ++i) EXPECT_NE(base[i], composed[i]) << where;
                    break;
                case KeyCommand:
                    EXPECT_EQ(def.label, nullptr) << where;
                    EXPECT_NE(def.code, 0u) << where;
                    break;
                case KeyChar:
                    EXPECT_LE(Text(def.label).size(), 1u) << where << ": a key types at most one character";
                    EXPECT_EQ(def.code, 0u) << where;
                    break;
                case KeyPanelSwitch: EXPECT_EQ(key, 53) << where; break;
                default: ADD_FAILURE() << where << ": no key redraws on every paint";
                }
                if (def.kind != KeyDead) {
                    EXPECT_TRUE(base.empty() && composed.empty()) << where;
                }
            }
        }
    }
}

TEST_F(LayoutTest, DeadKeysAreTheFinnishAccentsOnly)
{
    struct Accent {
        int key;
        int plane;
        std::u16string accent, base, composed;
    };
    const Accent accents[] = {
        {12, 0, u"\u00B4", u"aAeEiIoOuUyY", u"áÁéÉíÍóÓúÚýÝ"},
        {12, 1, u"\u0060", u"aAeEiIoOuU", u"àÀèÈìÌòÒùÙ"},
        {26, 0, u"\u00A8", u"aAeEiIoOuUy", u"äÄëËïÏöÖüÜÿ"},
        {26, 1, u"^", u"aAeEiIoOuU", u"âÂêÊîÎôÔûÛ"},
        {26, 2, u"~", u"aAnNoO", u"ãÃñÑõÕ"},
    };
    int deadRecords = 0;
    for (const Panel& panel : kPanels)
        for (int plane = 0; plane < kPlaneCount; ++plane)
            for (int key = 0; key < kKeyCount; ++key) deadRecords += Def(panel.layout, key, plane).kind == KeyDead;
    EXPECT_EQ(deadRecords, 10) << "five accents, each also under Caps, and none on the English panel";

    for (const Accent& accent : accents) {
        for (int plane : {accent.plane, accent.plane + 4}) {
            const KeyDef& def = Def(kFinnishLayout, accent.key, plane);
            EXPECT_EQ(def.kind, KeyDead) << "key " << accent.key << " plane " << plane;
            EXPECT_EQ(Text(def.label), accent.accent) << "key " << accent.key << " plane " << plane;
            EXPECT_EQ(Text(def.deadBase), accent.base) << "key " << accent.key << " plane " << plane;
            EXPECT_EQ(Text(def.deadComposed), accent.composed) << "key " << accent.key << " plane " << plane;
        }
    }
}

TEST_F(LayoutTest, FinnishAltShiftTypesNothingAndEnglishAltPlanesAreEmpty)
{
    for (int key = 0; key < kKeyCount; ++key) {
        const KeyDef& plain = Def(kFinnishLayout, key, 0);
        const KeyDef& altShift = Def(kFinnishLayout, key, PlaneIndex(true, true, false));
        if (plain.kind == KeyChar || plain.kind == KeyDead) {
            EXPECT_EQ(altShift.kind, KeyChar) << "key " << key;
            EXPECT_EQ(Text(altShift.label), u"") << "key " << key;
        } else if (key != 13) {
            EXPECT_EQ(altShift.kind, plain.kind) << "key " << key;
            EXPECT_EQ(altShift.code, plain.code) << "key " << key;
        }
        for (int plane : {2, 3, 6, 7}) {
            const KeyDef& unused = Def(kEnglishLayout, key, plane);
            EXPECT_TRUE(unused.kind == 0 && unused.code == 0 && !unused.label && !unused.deadBase && !unused.deadComposed)
                << "English key " << key << " plane " << plane << " must be all zero";
        }
    }
}

TEST_F(LayoutTest, CharactersThatAreEasyToMistype)
{
    struct Cell {
        const PanelLayout& layout;
        int key;
        int plane;
        std::u16string label;
    };
    const Cell cells[] = {
        {kFinnishLayout, 0, 0, u"§"},       {kFinnishLayout, 0, 1, u"½"},       {kFinnishLayout, 2, 1, u"\u0022"},
        {kFinnishLayout, 2, 2, u"@"},       {kFinnishLayout, 3, 2, u"£"},       {kFinnishLayout, 4, 1, u"\u00A4"},
        {kFinnishLayout, 5, 2, u"\u20AC"},  {kFinnishLayout, 11, 2, u"\u005C"}, {kFinnishLayout, 17, 2, u"\u20AC"},
        {kFinnishLayout, 17, 6, u"\u20AC"}, {kFinnishLayout, 47, 2, u"\u00B5"}, {kFinnishLayout, 54, 2, u"\u007C"},
        {kFinnishLayout, 25, 4, u"Å"},      {kFinnishLayout, 37, 5, u"ö"},      {kFinnishLayout, 39, 4, u"'"},
        {kFinnishLayout, 50, 5, u"_"},      {kEnglishLayout, 0, 0, u"\u0060"},  {kEnglishLayout, 0, 4, u"\u0060"},
        {kEnglishLayout, 0, 1, u"~"},       {kEnglishLayout, 38, 1, u"\u0022"}, {kEnglishLayout, 54, 0, u"\u005C"},
        {kEnglishLayout, 54, 1, u"\u007C"}, {kEnglishLayout, 25, 4, u"["},      {kEnglishLayout, 36, 5, u"l"},
    };
    for (const Cell& cell : cells)
        EXPECT_EQ(Text(Def(cell.layout, cell.key, cell.plane).label), cell.label)
            << Name(cell.layout) << " key " << cell.key << " plane " << cell.plane;
}

TEST_F(LayoutTest, ModifierKeysAndKeyGroups)
{
    struct Case {
        const PanelLayout& layout;
        bool (*is)(const PanelLayout&, int);
        int key;
    };
    const Case modifiers[] = {
        {kFinnishLayout, IsCapsKey, 27}, {kFinnishLayout, IsShiftKey, 40}, {kFinnishLayout, IsAltKey, 56},
        {kFinnishLayout, IsCtrlKey, 52}, {kEnglishLayout, IsCapsKey, 27},  {kEnglishLayout, IsShiftKey, 40},
        {kEnglishLayout, IsAltKey, kNoKey}, {kEnglishLayout, IsCtrlKey, 52},
    };
    for (const Case& modifier : modifiers)
        for (int key = -1; key <= kKeyCount; ++key)
            EXPECT_EQ(modifier.is(modifier.layout, key), key == modifier.key && key != kNoKey)
                << Name(modifier.layout) << " key " << key;

    const std::set<std::pair<int, int>> englishGroups = {{39, 51}, {51, 39}, {55, 56}, {56, 55}};
    for (int a = 0; a < kKeyCount; ++a) {
        for (int b = 0; b < kKeyCount; ++b) {
            EXPECT_EQ(SameKey(kFinnishLayout, a, b), a == b) << "Finnish keys " << a << ", " << b;
            EXPECT_EQ(SameKey(kEnglishLayout, a, b), a == b || englishGroups.count({a, b}) > 0)
                << "English keys " << a << ", " << b;
        }
    }
}

TEST_F(LayoutTest, KeyOutsideThePanelGivesNothing)
{
    for (const Panel& panel : kPanels) {
        for (int key : {-1, kKeyCount, 1000}) {
            const RECT rect = Rect(panel.layout, key);
            EXPECT_TRUE(rect.left == rect.right && rect.top == rect.bottom) << panel.name << " key " << key;
            EXPECT_EQ(KeyVirtualCode(panel.layout, key), 0) << panel.name << " key " << key;
            EXPECT_EQ(Text(GetKeyDef(panel.layout, key, false, false, false)->label), u"") << panel.name;
        }
    }
    EXPECT_EQ(Text(kFinnishLayout.label), u"Fi");
    EXPECT_EQ(Text(kEnglishLayout.label), u"En");
}

}  // namespace
