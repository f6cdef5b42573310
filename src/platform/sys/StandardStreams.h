#pragma once

// Standard input, output and error, which a launcher may start the program
// without (closed rather than pointed somewhere).

namespace sys {

// Opens /dev/null on each of descriptors 0, 1 and 2 that is not open. The
// system hands out the lowest free number, so without this the first pipe,
// file or display connection the program opens would take one of them, and
// a message for standard error would be written into it: into the display
// connection, it stops the program's talk with the X server for good. Call
// it first thing in main, before anything is opened. Where /dev/null cannot
// be opened, the descriptors stay as they are.
void OpenMissingStandardStreams();

}  // namespace sys
