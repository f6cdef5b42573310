#pragma once

// Starting other programs: puzzle executables and the desktop's handler for
// web addresses. Programs are started directly (never through a shell) and
// not waited for; the children we start are reaped when they finish, so none
// is left behind as a zombie.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sys {

// Starts the executable at path with no arguments, stdin from /dev/null, in a
// session of its own, with default signal handling and no descriptors of ours
// beyond 0 to 2. The process id, or -1 when it could not be started; then
// error, when given, receives the system's error number (for instance
// EACCES for a file without execute permission, ENOEXEC for a file of a
// format the system cannot run).
int StartProcess(const std::string& path, int* error = nullptr);

// True for the addresses ShellOpen passes on: http:, https: and mailto:
// addresses (any letter case) without control characters.
bool IsSafeShellAddress(std::string_view address);

// Opens a web or mail address with xdg-open, the address as its one argument.
// False when the address is refused or xdg-open cannot be started.
bool ShellOpen(const std::string& address);

// Reaps every child started here that has finished; returns how many. The
// event loop calls this when one of ChildWaitDescriptors() becomes readable;
// starting a process calls it too.
std::size_t ReapFinishedChildren();

// Descriptors that become readable when a started child finishes (process
// descriptors), for the event loop to wait on.
std::vector<int> ChildWaitDescriptors();

// How many started children have not been reaped yet.
std::size_t UnreapedChildCount();

}  // namespace sys
