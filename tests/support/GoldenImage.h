#pragma once

// Comparison of a drawn picture against a reference image kept in the
// repository, with a per-channel tolerance for the small differences that
// anti-aliasing may bring.
//
// References are PNG files at a path relative to the source tree, e.g.
// "tests/platform/gfx/golden/prefix_text.png". When a comparison fails, the
// actual picture and a difference picture (mismatching pixels red, the rest
// faded) are written to <build>/golden-failures/. Running the tests with
// TILEBROOK_UPDATE_GOLDEN=1 writes the actual pictures as the new
// references instead of comparing.

#include <gtest/gtest.h>

#include <string>

#include "platform/gfx/Bitmap.h"

namespace testsupport {

::testing::AssertionResult MatchesGolden(const gfx::Bitmap& actual, const std::string& goldenPath,
                                         int tolerance = 8);

// The absolute path of a file of the source tree.
std::string SourcePath(const std::string& relative);

}  // namespace testsupport
