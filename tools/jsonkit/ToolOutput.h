#pragma once

#include <string>
#include <string_view>

// Writes text to standard output, flushes and closes it, and says whether
// all of it arrived: a full disk or a closed pipe behind the output is a
// failure the tools report, not a success with nothing printed. On failure
// why holds the system's reason. Standard output cannot be used afterwards.
bool WriteStandardOutput(std::string_view text, std::string& why);

// The system's reason for the last failed call (errno), as a text such as
// "No space left on device".
std::string LastSystemError();
