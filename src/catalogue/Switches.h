#pragma once

// Switches of the command line that the catalogue obeys. The command line is
// evaluated by the application shell (app/CommandLine.h); the flag lives here
// so that discovery can read it without depending on the shell.

// Set by the ignore switch: discovery skips bad package directories without
// telling the player. False until then; never reset during a run.
extern bool IgnoreErrors;
