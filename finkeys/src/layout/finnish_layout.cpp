// The Finnish panel: a Finnish keyboard with the accents as dead keys and the
// AltGr characters on Alt.
#include <windows.h>

#include "dead_keys.h"
#include "key_frames.h"
#include "key_planes.h"
#include "panel_layout.h"

namespace {

constexpr KeyRow kRows[kKeyCount] = {
    //        Caps                     plain                shift                 alt                   Alt+Shift
    /*  0 */ {CapsIgnored,             Char(TEXT("§")),     Char(TEXT("½")),      kNoChar,              kNoChar},
    /*  1 */ {CapsIgnored,             Char(TEXT("1")),     Char(TEXT("!")),      kNoChar,              kNoChar},
    /*  2 */ {CapsIgnored,             Char(TEXT("2")),     Char(TEXT("\u0022")), Char(TEXT("@")),      kNoChar},
    /*  3 */ {CapsIgnored,             Char(TEXT("3")),     Char(TEXT("#")),      Char(TEXT("£")),      kNoChar},
    /*  4 */ {CapsIgnored,             Char(TEXT("4")),     Char(TEXT("¤")),      Char(TEXT("$")),      kNoChar},
    /*  5 */ {CapsIgnored,             Char(TEXT("5")),     Char(TEXT("%")),      Char(TEXT("€")),      kNoChar},
    /*  6 */ {CapsIgnored,             Char(TEXT("6")),     Char(TEXT("&")),      kNoChar,              kNoChar},
    /*  7 */ {CapsIgnored,             Char(TEXT("7")),     Char(TEXT("/")),      Char(TEXT("{")),      kNoChar},
    /*  8 */ {CapsIgnored,             Char(TEXT("8")),     Char(TEXT("(")),      Char(TEXT("[")),      kNoChar},
    /*  9 */ {CapsIgnored,             Char(TEXT("9")),     Char(TEXT(")")),      Char(TEXT("]")),      kNoChar},
    /* 10 */ {CapsIgnored,             Char(TEXT("0")),     Char(TEXT("=")),      Char(TEXT("}")),      kNoChar},
    /* 11 */ {CapsIgnored,             Char(TEXT("+")),     Char(TEXT("?")),      Char(TEXT("\u005C")), kNoChar},
    /* 12 */ {CapsIgnored,             kAcute,              kGrave,               kNoChar,              kNoChar},
    /* 13 */ {CapsInvertsShiftWithAlt, Command(VK_BACK),    Command(VK_DELETE),   Command(VK_BACK),     Command(VK_DELETE)},
    /* 14 */ {CapsIgnored,             Command(VK_TAB),     Command(VK_TAB),      Command(VK_TAB),      Command(VK_TAB)},
    /* 15 */ {CapsInvertsShift,        Char(TEXT("q")),     Char(TEXT("Q")),      kNoChar,              kNoChar},
    /* 16 */ {CapsInvertsShift,        Char(TEXT("w")),     Char(TEXT("W")),      kNoChar,              kNoChar},
    /* 17 */ {CapsInvertsShift,        Char(TEXT("e")),     Char(TEXT("E")),      Char(TEXT("€")),      kNoChar},
    /* 18 */ {CapsInvertsShift,        Char(TEXT("r")),     Char(TEXT("R")),      kNoChar,              kNoChar},
    /* 19 */ {CapsInvertsShift,        Char(TEXT("t")),     Char(TEXT("T")),      kNoChar,              kNoChar},
    /* 20 */ {CapsInvertsShift,        Char(TEXT("y")),     Char(TEXT("Y")),      kNoChar,              kNoChar},
    /* 21 */ {CapsInvertsShift,        Char(TEXT("u")),     Char(TEXT("U")),      kNoChar,              kNoChar},
    /* 22 */ {CapsInvertsShift,        Char(TEXT("i")),     Char(TEXT("I")),      kNoChar,              kNoChar},
    /* 23 */ {CapsInvertsShift,        Char(TEXT("o")),     Char(TEXT("O")),      kNoChar,              kNoChar},
    /* 24 */ {CapsInvertsShift,        Char(TEXT("p")),     Char(TEXT("P")),      kNoChar,              kNoChar},
    /* 25 */ {CapsInvertsShift,        Char(TEXT("å")),     Char(TEXT("Å")),      kNoChar,              kNoChar},
    /* 26 */ {CapsIgnored,             kDiaeresis,          kCircumflex,          kTilde,               kNoChar},
    /* 27 */ {CapsIgnored,             Command(VK_CAPITAL), Command(VK_CAPITAL),  Command(VK_CAPITAL),  Command(VK_CAPITAL)},
    /* 28 */ {CapsInvertsShift,        Char(TEXT("a")),     Char(TEXT("A")),      kNoChar,              kNoChar},
    /* 29 */ {CapsInvertsShift,        Char(TEXT("s")),     Char(TEXT("S")),      kNoChar,              kNoChar},
    /* 30 */ {CapsInvertsShift,        Char(TEXT("d")),     Char(TEXT("D")),      kNoChar,              kNoChar},
    /* 31 */ {CapsInvertsShift,        Char(TEXT("f")),     Char(TEXT("F")),      kNoChar,              kNoChar},
    /* 32 */ {CapsInvertsShift,        Char(TEXT("g")),     Char(TEXT("G")),      kNoChar,              kNoChar},
    /* 33 */ {CapsInvertsShift,        Char(TEXT("h")),     Char(TEXT("H")),      kNoChar,              kNoChar},
    /* 34 */ {CapsInvertsShift,        Char(TEXT("j")),     Char(TEXT("J")),      kNoChar,              kNoChar},
    /* 35 */ {CapsInvertsShift,        Char(TEXT("k")),     Char(TEXT("K")),      kNoChar,              kNoChar},
    /* 36 */ {CapsInvertsShift,        Char(TEXT("l")),     Char(TEXT("L")),      kNoChar,              kNoChar},
    /* 37 */ {CapsInvertsShift,        Char(TEXT("ö")),     Char(TEXT("Ö")),      kNoChar,              kNoChar},
    /* 38 */ {CapsInvertsShift,        Char(TEXT("ä")),     Char(TEXT("Ä")),      kNoChar,              kNoChar},
    /* 39 */ {CapsIgnored,             Char(TEXT("'")),     Char(TEXT("*")),      kNoChar,              kNoChar},
    /* 40 */ {CapsIgnored,             Command(VK_SHIFT),   Command(VK_SHIFT),    Command(VK_SHIFT),    Command(VK_SHIFT)},
    /* 41 */ {CapsInvertsShift,        Char(TEXT("z")),     Char(TEXT("Z")),      kNoChar,              kNoChar},
    /* 42 */ {CapsInvertsShift,        Char(TEXT("x")),     Char(TEXT("X")),      kNoChar,              kNoChar},
    /* 43 */ {CapsInvertsShift,        Char(TEXT("c")),     Char(TEXT("C")),      kNoChar,              kNoChar},
    /* 44 */ {CapsInvertsShift,        Char(TEXT("v")),     Char(TEXT("V")),      kNoChar,              kNoChar},
    /* 45 */ {CapsInvertsShift,        Char(TEXT("b")),     Char(TEXT("B")),      kNoChar,              kNoChar},
    /* 46 */ {CapsInvertsShift,        Char(TEXT("n")),     Char(TEXT("N")),      kNoChar,              kNoChar},
    /* 47 */ {CapsInvertsShift,        Char(TEXT("m")),     Char(TEXT("M")),      Char(TEXT("µ")),      kNoChar},
    /* 48 */ {CapsIgnored,             Char(TEXT(",")),     Char(TEXT(";")),      kNoChar,              kNoChar},
    /* 49 */ {CapsIgnored,             Char(TEXT(".")),     Char(TEXT(":")),      kNoChar,              kNoChar},
    /* 50 */ {CapsIgnored,             Char(TEXT("-")),     Char(TEXT("_")),      kNoChar,              kNoChar},
    /* 51 */ {CapsIgnored,             Command(VK_RETURN),  Command(VK_RETURN),   Command(VK_RETURN),   Command(VK_RETURN)},
    /* 52 */ {CapsIgnored,             Command(VK_CONTROL), Command(VK_CONTROL),  Command(VK_CONTROL),  Command(VK_CONTROL)},
    /* 53 */ {CapsIgnored,             kPanelSwitch,        kPanelSwitch,         kPanelSwitch,         kPanelSwitch},
    /* 54 */ {CapsIgnored,             Char(TEXT("<")),     Char(TEXT(">")),      Char(TEXT("\u007C")), kNoChar},
    /* 55 */ {CapsIgnored,             Command(VK_SPACE),   Command(VK_SPACE),    Command(VK_SPACE),    Command(VK_SPACE)},
    /* 56 */ {CapsIgnored,             Command(VK_MENU),    Command(VK_MENU),     Command(VK_MENU),     Command(VK_MENU)},
    /* 57 */ {CapsIgnored,             Command(VK_DOWN),    Command(VK_DOWN),     Command(VK_DOWN),     Command(VK_DOWN)},
    /* 58 */ {CapsIgnored,             Command(VK_UP),      Command(VK_UP),       Command(VK_UP),       Command(VK_UP)},
    /* 59 */ {CapsIgnored,             Command(VK_LEFT),    Command(VK_LEFT),     Command(VK_LEFT),     Command(VK_LEFT)},
    /* 60 */ {CapsIgnored,             Command(VK_RIGHT),   Command(VK_RIGHT),    Command(VK_RIGHT),    Command(VK_RIGHT)},
};

constexpr KeyGeometry kGeometry = BuildGeometry(kKeyFrames);
constexpr KeyPlanes kPlanes = BuildPlanes(kRows);

}  // namespace

constexpr PanelLayout kFinnishLayout = {
    .geometry = &kGeometry,
    .planes = kPlanes.data(),
    .capsKey = 27,
    .shiftKey = 40,
    .altKey = 56,
    .ctrlKey = 52,
    .sameKeyPairs = nullptr,
    .sameKeyPairCount = 0,
    .label = TEXT("Fi"),
};
