#pragma once

// Standard input, output and error as a launcher hands them over: possibly
// closed, possibly a pipe whose reader has gone.

#include <exception>

namespace sys {

// Makes the standard streams safe to use; call it first thing in main,
// before anything is opened.
// - Each of descriptors 0, 1 and 2 that is not open is opened on /dev/null.
//   The system hands out the lowest free number, so without this the first
//   pipe, file or display connection the program opens would take one of
//   them, and a message for standard error would be written into it (into
//   the display connection, it ends the program's talk with the X server).
//   Where /dev/null cannot be opened, the descriptors stay as they are.
// - Writing to a pipe or socket whose reader has gone fails with EPIPE
//   instead of ending the program on the spot with SIGPIPE, which would end
//   it before the player's choices are saved. Programs it starts get the
//   default back.
void PrepareStandardStreams();

// Says on standard error, in one line under the program's name, why a
// failure nothing handled ends the program: "out of memory" when memory ran
// out, else the failure's own text.
void ReportUnhandledFailure(const char* program, const std::exception& failure);

}  // namespace sys
