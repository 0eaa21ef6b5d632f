// The accents of the Finnish panel: the letters each one combines with and,
// position by position, the letters they become.
#pragma once

#include "key_def.h"

inline constexpr WCHAR kAcuteBase[] = TEXT("aAeEiIoOuUyY");
inline constexpr WCHAR kAcuteComposed[] = TEXT("áÁéÉíÍóÓúÚýÝ");
inline constexpr WCHAR kGraveBase[] = TEXT("aAeEiIoOuU");
inline constexpr WCHAR kGraveComposed[] = TEXT("àÀèÈìÌòÒùÙ");
inline constexpr WCHAR kDiaeresisBase[] = TEXT("aAeEiIoOuUy");
inline constexpr WCHAR kDiaeresisComposed[] = TEXT("äÄëËïÏöÖüÜÿ");
inline constexpr WCHAR kCircumflexBase[] = TEXT("aAeEiIoOuU");
inline constexpr WCHAR kCircumflexComposed[] = TEXT("âÂêÊîÎôÔûÛ");
inline constexpr WCHAR kTildeBase[] = TEXT("aAnNoO");
inline constexpr WCHAR kTildeComposed[] = TEXT("ãÃñÑõÕ");

static_assert(sizeof(kAcuteBase) == sizeof(kAcuteComposed));
static_assert(sizeof(kGraveBase) == sizeof(kGraveComposed));
static_assert(sizeof(kDiaeresisBase) == sizeof(kDiaeresisComposed));
static_assert(sizeof(kCircumflexBase) == sizeof(kCircumflexComposed));
static_assert(sizeof(kTildeBase) == sizeof(kTildeComposed));

inline constexpr KeyDef kAcute = Dead(TEXT("´"), kAcuteBase, kAcuteComposed);
inline constexpr KeyDef kGrave = Dead(TEXT("\u0060"), kGraveBase, kGraveComposed);
inline constexpr KeyDef kDiaeresis = Dead(TEXT("¨"), kDiaeresisBase, kDiaeresisComposed);
inline constexpr KeyDef kCircumflex = Dead(TEXT("^"), kCircumflexBase, kCircumflexComposed);
inline constexpr KeyDef kTilde = Dead(TEXT("~"), kTildeBase, kTildeComposed);
