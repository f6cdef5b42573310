#pragma once

// File tests, directory enumeration and the program's own directory.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace sys {

inline constexpr char PathSeparator = '/';

// False for a path the system cannot take whole: a NUL byte (which a name
// read from a file can hold) would cut it short, so that it named another
// file. Every function here treats such a path as naming nothing.
bool IsWholePath(const std::string& path);

// True when something other than a directory exists at path (symbolic links
// are followed). A directory never counts as a file.
bool FileExists(const std::string& path);

bool DirectoryExists(const std::string& path);

// True for a file (not a directory) that has an execute permission bit.
bool IsExecutableFile(const std::string& path);

// The names of the sub-directories of directory, in the order the system
// lists them. Names beginning with "." are never returned; they are the
// hidden entries of this platform. Empty when the directory cannot be read.
std::vector<std::string> ListDirectories(const std::string& directory);

// The most ReadFileBytes reads unless told otherwise: far beyond any picture
// or settings file of the program, and well short of what would exhaust the
// memory of a player's machine.
inline constexpr std::size_t kMaxFileBytes = std::size_t{256} << 20;

// The whole file, or nothing when it cannot be read (missing, not a regular
// file, no permission, larger than maxBytes). When why is given, a failure
// puts the reason there: "a directory, not a file", "not a regular file" (a
// pipe, a device), "larger than 256 MB" or the system's own text, such as
// "No such file or directory".
std::optional<std::string> ReadFileBytes(const std::string& path, std::string* why = nullptr,
                                         std::size_t maxBytes = kMaxFileBytes);

// The directory the program runs from, ending with a separator: the
// directory of the running executable unless an override is set.
std::string ProgramDirectory();

// Makes ProgramDirectory() return directory (a separator is appended when
// missing); an empty string restores the executable's own directory. Used by
// the package checker and by tests.
void SetProgramDirectory(const std::string& directory);

// The running executable's full path, or empty when the system cannot say.
std::string ExecutablePath();

}  // namespace sys
