// CommandLine: the main-script path as the entry point takes it from the command-line tail.
#pragma once

#include <string>

namespace host {

// The command-line tail rebuilt from argv: argv[1..] joined by single blanks, without the
// characters of code 32 or less at its start.
std::string CommandTail(int argc, const char* const* argv);

// The script path in a tail: one leading double quote skipped, then one trailing double quote
// cut off. Nothing else is parsed: blanks stay part of the path.
std::string ScriptPathFromTail(std::string tail);

}  // namespace host
