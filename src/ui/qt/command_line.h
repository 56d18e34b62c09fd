// The Linux program's command line: --help and --version answered in the
// terminal before any window or display connection exists.
#pragma once

// Parses the arguments. Returns true when they are answered here (help or
// version written to standard output; the program then exits with 0), false
// when the program is to start, other options being left to Qt.
bool AnswerCommandLine(int argc, char** argv);
