#include "recogniser_strokes.h"

#include <gtest/gtest.h>

#include <device/recogniser.h>

void WriteStrokes(std::u16string_view strokes)
{
    for (char16_t stroke : strokes) {
        bool written = stroke == u'\b' ? device::WriteBackspace() : device::WriteCharacters({&stroke, 1});
        ASSERT_TRUE(written) << device::RecogniserFailure();
    }
}
