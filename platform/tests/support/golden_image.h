// Drawings checked against reference PNG files, exactly. A missing reference
// fails; LEXOVIA_REGENERATE_GOLDEN=1 in the environment writes the references
// afresh instead of comparing. On a mismatch the actual image and a
// difference image (differing pixels red, the rest greyed) are written to the
// build's golden-failures folder, and the message says where.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include <device/image.h>

::testing::AssertionResult MatchesGolden(const device::Image& actual, const std::string& referencePath);
