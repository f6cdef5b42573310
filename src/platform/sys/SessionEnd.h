#pragma once

// The end of the player's session arriving from outside: a termination
// signal (SIGTERM, SIGINT, SIGHUP) or the display going away. Neither may
// end the program on the spot, since the player's choices are only saved
// when the window closes; the request is noted here, and the event loop
// wakes on SessionEndDescriptor() and closes the program in order.

namespace sys {

// Catches SIGTERM, SIGINT and SIGHUP from now on, unblocking them if the
// program was started with them blocked. The handler only marks the
// request and writes a byte to a pipe; everything else happens in the
// event loop. Calling it again does nothing more.
void CatchSessionEndSignals();

// Asks the program to end as if a termination signal had arrived (the
// display backend calls this when its connection is lost).
void RequestSessionEnd();

// Whether the program has been asked to end.
bool SessionEnding();

// A descriptor that becomes readable when the program is asked to end, and
// stays so, for the event loop to wait on: every later wait returns at once
// and nothing can block the close. -1 before CatchSessionEndSignals.
int SessionEndDescriptor();

// Forgets a request, so that tests can run one program after another in
// one process.
void ResetSessionEnd();

}  // namespace sys
