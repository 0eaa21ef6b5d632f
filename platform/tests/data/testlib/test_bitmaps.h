// The test library's bitmaps: the resource compiler gets them as files
// written from these descriptions, and the tests compare against them.
#pragma once

#include "dib_builder.h"

// 10 x 3, bottom-up, black and white: rows padded from 2 bytes to 4.
inline const DibSpec kMonoBitmap{10, 3, 1, false, {RGB(0, 0, 0), RGB(255, 255, 255)},
                                 {1, 0, 0, 1, 1, 0, 1, 0, 1, 1,  //
                                  0, 1, 0, 0, 0, 0, 0, 0, 0, 1,  //
                                  1, 1, 1, 0, 1, 0, 1, 0, 0, 0}};

// 5 x 3, top-down, sixteen colours.
inline const DibSpec kFourBitBitmap{
    5,
    3,
    4,
    true,
    {RGB(0, 0, 0), RGB(128, 0, 0), RGB(0, 128, 0), RGB(128, 128, 0), RGB(0, 0, 128), RGB(128, 0, 128),
     RGB(0, 128, 128), RGB(192, 192, 192), RGB(128, 128, 128), RGB(255, 0, 0), RGB(0, 255, 0), RGB(255, 255, 0),
     RGB(0, 0, 255), RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255)},
    {0, 1, 2, 3, 4,  //
     15, 14, 13, 12, 11,  //
     7, 7, 9, 10, 7}};

// 6 x 2, bottom-up, a palette of four; grey is the image lists' mask colour.
inline const DibSpec kEightBitBitmap{6, 2, 8, false,
                                     {RGB(128, 128, 128), RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)},
                                     {0, 1, 0, 2, 3, 0,  //
                                      1, 0, 2, 0, 0, 3}};

// 3 x 2, bottom-up: rows of 9 bytes padded to 12.
inline const DibSpec kTrueColourBitmap{3, 2, 24, false, {},
                                       {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255),  //
                                        RGB(1, 2, 3), RGB(250, 128, 7), RGB(255, 255, 255)}};
