#pragma once

// Small routines shared by the program's own units.

#include <string>
#include <string_view>

// The program's file version as "major.minor.release.build".
std::string FileVersionText();

// S with every occurrence of Old (case-sensitive) replaced by New, left to
// right; inserted text is never scanned again. An empty Old changes nothing.
std::string ReplaceAll(std::string_view S, std::string_view Old, std::string_view New);
