// The command line: Tavrel reads no input from it, but answers --help and
// --version as every Linux program does, without a display, and tells of
// anything else rather than ignoring it.
#pragma once

#include <optional>

namespace tavrel {

// The exit code when the program ends here (help, version, a wrong
// argument), or nothing when the window is to start.
std::optional<int> AnswerCommandLine(int argc, char *argv[]);

} // namespace tavrel
