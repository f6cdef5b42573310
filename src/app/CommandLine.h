#pragma once

// The program's command-line switches: help, and ignoring package directory
// errors during discovery.

#include <string>
#include <vector>

#include "catalogue/Switches.h"  // IgnoreErrors, set here and read by discovery

// The switch summary shown by the help switch.
extern const char* const CommandLineHelpText;

// Remembers the program's parameters (argv[1] onwards) for EvaluateCommandLine.
void SetCommandLine(int argc, const char* const* argv);

// Evaluates the remembered parameters. True when the help notice was shown
// and the program must end without running.
bool EvaluateCommandLine();

// The same for the given parameters.
bool EvaluateCommandLine(const std::vector<std::string>& Params);
