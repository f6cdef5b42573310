#pragma once

#include <string>

// Text as a quoted JSON string. JSON must be valid UTF-8, but names from
// the file system and skin texts need not be: text that is not valid UTF-8
// is read as Windows-1252, the way the program reads such files.
std::string JsonString(const std::string& text);
