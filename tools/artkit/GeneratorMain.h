#pragma once

// The command line shared by the asset generators:
//
//   PROGRAM DIR [--sheet FILE.png [--scale N] [--only NAME]]
//
// DIR receives the generated files; --sheet also writes a contact sheet of
// the pictures (every one, or only NAME) at N times their size (3 by
// default) with their named rectangles outlined.

#include <functional>
#include <vector>

#include "AssetSet.h"

namespace art {

int RunGenerator(int argc, char** argv, const char* program,
                 const std::function<std::vector<AssetFile>()>& generate);

}  // namespace art
