#pragma once

// The JSON description of a loaded skin. Every record's keys come from the
// record's own key visitor, and the frame's from the container's, so the
// description lists exactly the keys the engine reads, in reading order,
// with the values it read.

#include <string>

#include "JsonText.h"
#include "skin/data/SkinData.h"

// One JSON object with the members "version", "pictures", "forminfo",
// "popupwindow", "hintwindow", "objects" and "controls", one member (and
// one record) per line.
std::string DumpSkinJson(TbsSkinData& data);

// {"error": message}
std::string JsonError(const std::string& message);
