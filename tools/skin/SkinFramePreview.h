#pragma once

// tilebrook-skin frame: an empty form in a skin's window frame, so a skin
// author sees the frame pieces tile, the shape cut and the caption objects
// light up at any window size.

#include <string>
#include <vector>

// tilebrook-skin frame [--size WxH] [--sizeable] [--inactive]
//                      [--screenshot FILE.png] [SOURCE]
int FrameCommand(const std::vector<std::string>& args);
