// The English panel: a US keyboard without Alt, whose Enter key and space bar
// are each made of two rectangles.
#include <windows.h>

#include "key_frames.h"
#include "key_planes.h"
#include "panel_layout.h"

namespace {

// The panel has no Alt key, so its Alt planes are never selected.
constexpr KeyRow UsKey(CapsEffect caps, KeyDef plain, KeyDef shift) { return {caps, plain, shift, kUnusedKey, kUnusedKey}; }

constexpr KeyRow kRows[kKeyCount] = {
    //             Caps                     plain                 shift
    /*  0 */ UsKey(CapsIgnored,             Char(TEXT("\u0060")), Char(TEXT("~"))),
    /*  1 */ UsKey(CapsIgnored,             Char(TEXT("1")),      Char(TEXT("!"))),
    /*  2 */ UsKey(CapsIgnored,             Char(TEXT("2")),      Char(TEXT("@"))),
    /*  3 */ UsKey(CapsIgnored,             Char(TEXT("3")),      Char(TEXT("#"))),
    /*  4 */ UsKey(CapsIgnored,             Char(TEXT("4")),      Char(TEXT("$"))),
    /*  5 */ UsKey(CapsIgnored,             Char(TEXT("5")),      Char(TEXT("%"))),
    /*  6 */ UsKey(CapsIgnored,             Char(TEXT("6")),      Char(TEXT("^"))),
    /*  7 */ UsKey(CapsIgnored,             Char(TEXT("7")),      Char(TEXT("&"))),
    /*  8 */ UsKey(CapsIgnored,             Char(TEXT("8")),      Char(TEXT("*"))),
    /*  9 */ UsKey(CapsIgnored,             Char(TEXT("9")),      Char(TEXT("("))),
    /* 10 */ UsKey(CapsIgnored,             Char(TEXT("0")),      Char(TEXT(")"))),
    /* 11 */ UsKey(CapsIgnored,             Char(TEXT("-")),      Char(TEXT("_"))),
    /* 12 */ UsKey(CapsIgnored,             Char(TEXT("=")),      Char(TEXT("+"))),
    /* 13 */ UsKey(CapsInvertsShiftWithAlt, Command(VK_BACK),     Command(VK_DELETE)),
    /* 14 */ UsKey(CapsIgnored,             Command(VK_TAB),      Command(VK_TAB)),
    /* 15 */ UsKey(CapsInvertsShift,        Char(TEXT("q")),      Char(TEXT("Q"))),
    /* 16 */ UsKey(CapsInvertsShift,        Char(TEXT("w")),      Char(TEXT("W"))),
    /* 17 */ UsKey(CapsInvertsShift,        Char(TEXT("e")),      Char(TEXT("E"))),
    /* 18 */ UsKey(CapsInvertsShift,        Char(TEXT("r")),      Char(TEXT("R"))),
    /* 19 */ UsKey(CapsInvertsShift,        Char(TEXT("t")),      Char(TEXT("T"))),
    /* 20 */ UsKey(CapsInvertsShift,        Char(TEXT("y")),      Char(TEXT("Y"))),
    /* 21 */ UsKey(CapsInvertsShift,        Char(TEXT("u")),      Char(TEXT("U"))),
    /* 22 */ UsKey(CapsInvertsShift,        Char(TEXT("i")),      Char(TEXT("I"))),
    /* 23 */ UsKey(CapsInvertsShift,        Char(TEXT("o")),      Char(TEXT("O"))),
    /* 24 */ UsKey(CapsInvertsShift,        Char(TEXT("p")),      Char(TEXT("P"))),
    /* 25 */ UsKey(CapsIgnored,             Char(TEXT("[")),      Char(TEXT("{"))),
    /* 26 */ UsKey(CapsIgnored,             Char(TEXT("]")),      Char(TEXT("}"))),
    /* 27 */ UsKey(CapsIgnored,             Command(VK_CAPITAL),  Command(VK_CAPITAL)),
    /* 28 */ UsKey(CapsInvertsShift,        Char(TEXT("a")),      Char(TEXT("A"))),
    /* 29 */ UsKey(CapsInvertsShift,        Char(TEXT("s")),      Char(TEXT("S"))),
    /* 30 */ UsKey(CapsInvertsShift,        Char(TEXT("d")),      Char(TEXT("D"))),
    /* 31 */ UsKey(CapsInvertsShift,        Char(TEXT("f")),      Char(TEXT("F"))),
    /* 32 */ UsKey(CapsInvertsShift,        Char(TEXT("g")),      Char(TEXT("G"))),
    /* 33 */ UsKey(CapsInvertsShift,        Char(TEXT("h")),      Char(TEXT("H"))),
    /* 34 */ UsKey(CapsInvertsShift,        Char(TEXT("j")),      Char(TEXT("J"))),
    /* 35 */ UsKey(CapsInvertsShift,        Char(TEXT("k")),      Char(TEXT("K"))),
    /* 36 */ UsKey(CapsInvertsShift,        Char(TEXT("l")),      Char(TEXT("L"))),
    /* 37 */ UsKey(CapsIgnored,             Char(TEXT(";")),      Char(TEXT(":"))),
    /* 38 */ UsKey(CapsIgnored,             Char(TEXT("'")),      Char(TEXT("\u0022"))),
    /* 39 */ UsKey(CapsIgnored,             Command(VK_RETURN),   Command(VK_RETURN)),
    /* 40 */ UsKey(CapsIgnored,             Command(VK_SHIFT),    Command(VK_SHIFT)),
    /* 41 */ UsKey(CapsInvertsShift,        Char(TEXT("z")),      Char(TEXT("Z"))),
    /* 42 */ UsKey(CapsInvertsShift,        Char(TEXT("x")),      Char(TEXT("X"))),
    /* 43 */ UsKey(CapsInvertsShift,        Char(TEXT("c")),      Char(TEXT("C"))),
    /* 44 */ UsKey(CapsInvertsShift,        Char(TEXT("v")),      Char(TEXT("V"))),
    /* 45 */ UsKey(CapsInvertsShift,        Char(TEXT("b")),      Char(TEXT("B"))),
    /* 46 */ UsKey(CapsInvertsShift,        Char(TEXT("n")),      Char(TEXT("N"))),
    /* 47 */ UsKey(CapsInvertsShift,        Char(TEXT("m")),      Char(TEXT("M"))),
    /* 48 */ UsKey(CapsIgnored,             Char(TEXT(",")),      Char(TEXT("<"))),
    /* 49 */ UsKey(CapsIgnored,             Char(TEXT(".")),      Char(TEXT(">"))),
    /* 50 */ UsKey(CapsIgnored,             Char(TEXT("/")),      Char(TEXT("?"))),
    /* 51 */ UsKey(CapsIgnored,             Command(VK_RETURN),   Command(VK_RETURN)),
    /* 52 */ UsKey(CapsIgnored,             Command(VK_CONTROL),  Command(VK_CONTROL)),
    /* 53 */ UsKey(CapsIgnored,             kPanelSwitch,         kPanelSwitch),
    /* 54 */ UsKey(CapsIgnored,             Char(TEXT("\u005C")), Char(TEXT("\u007C"))),
    /* 55 */ UsKey(CapsIgnored,             Command(VK_SPACE),    Command(VK_SPACE)),
    /* 56 */ UsKey(CapsActsAsShift,         Command(VK_MENU),     Command(VK_SPACE)),
    /* 57 */ UsKey(CapsIgnored,             Command(VK_DOWN),     Command(VK_DOWN)),
    /* 58 */ UsKey(CapsIgnored,             Command(VK_UP),       Command(VK_UP)),
    /* 59 */ UsKey(CapsIgnored,             Command(VK_LEFT),     Command(VK_LEFT)),
    /* 60 */ UsKey(CapsIgnored,             Command(VK_RIGHT),    Command(VK_RIGHT)),
};

// The Finnish grid, with Enter and the space bar reshaped.
constexpr KeyGeometry UsGeometry()
{
    KeyGeometry geometry = BuildGeometry(kKeyFrames);
    geometry.rects[39] = {223, 33, 239, 49};  // reaches key 51: one L-shaped Enter key
    geometry.rects[55] = {72, 65, 167, 80};   // the space bar takes the Alt key's place
    geometry.rects[56] = {167, 65, 167, 80};  // no tap hits it; it only completes the space-bar group
    return geometry;
}

constexpr KeyGeometry kGeometry = UsGeometry();
constexpr KeyPlanes kPlanes = BuildPlanes(kRows);
constexpr KeyPair kSameKeyPairs[] = {{39, 51}, {55, 56}};

}  // namespace

constexpr PanelLayout kEnglishLayout = {
    .geometry = &kGeometry,
    .planes = kPlanes.data(),
    .capsKey = 27,
    .shiftKey = 40,
    .altKey = kNoKey,
    .ctrlKey = 52,
    .sameKeyPairs = kSameKeyPairs,
    .sameKeyPairCount = 2,
    .label = TEXT("En"),
};
