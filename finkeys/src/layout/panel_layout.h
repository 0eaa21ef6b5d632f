// The constant layout of one keyboard panel, and the questions the input
// engine and the renderer ask of it.
#pragma once

#include "key_def.h"
#include "key_geometry.h"

inline constexpr int kNoKey = -1;

// Two rectangles that together form one logical key.
struct KeyPair {
    int a;
    int b;
};

struct PanelLayout {
    const KeyGeometry* geometry;
    const KeyDef* planes;  // kPlaneCount planes of kKeyCount records, plane-major
    int capsKey;           // kNoKey where the panel has no such key
    int shiftKey;
    int altKey;
    int ctrlKey;
    const KeyPair* sameKeyPairs;
    int sameKeyPairCount;
    LPCWSTR label;  // shown on the panel-switch key
};

extern const PanelLayout kFinnishLayout;
extern const PanelLayout kEnglishLayout;

// A key index outside the panel gives an empty rectangle, the byte 0 and a
// record that types nothing.
void KeyRect(const PanelLayout& layout, RECT* rect, int key);
BYTE KeyVirtualCode(const PanelLayout& layout, int key);
const KeyDef* GetKeyDef(const PanelLayout& layout, int key, bool shift, bool alt, bool caps);

bool IsCapsKey(const PanelLayout& layout, int key);
bool IsShiftKey(const PanelLayout& layout, int key);
bool IsAltKey(const PanelLayout& layout, int key);
bool IsCtrlKey(const PanelLayout& layout, int key);

// True when A and B are rectangles of the same logical key, so that pressing
// one highlights both.
bool SameKey(const PanelLayout& layout, int a, int b);
