// The Linux program's command line: --help and --version answered, and
// wrong arguments or a missing display refused, in the terminal before any
// window or display connection exists.
#pragma once

#include <optional>

// Parses the arguments. Returns the exit code when the program ends here:
// 0 after help or version written to standard output (1 when it could not
// be written), 2 after a line on standard error for an unknown option or an
// operand, 1 after a line saying that no display is there to show the window
// on. Returns nothing when the program is to start, Qt's own options being
// left to Qt, with the platform chosen (ui/qt/display_choice.h).
std::optional<int> AnswerCommandLine(int argc, char** argv);
