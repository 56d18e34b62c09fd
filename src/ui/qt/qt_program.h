// The whole Linux program as one call, for its entry point and its benchmark.
#pragma once

// Makes the QApplication, installs the frame, SIGTERM and SIGINT as quit
// requests, and runs the program with its settings file; returns the exit code.
int RunKasumiroProgram(int argc, char** argv);
