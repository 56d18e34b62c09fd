// Runs a program as a user would from a shell and captures its exit code, standard output and standard error.
#pragma once

#include <string>
#include <vector>

struct TProgramResult {
    int ExitCode = -1;
    std::string Out;  // line ends as "\n"
    std::string Err;
};

TProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args);

// The platform's part: one argument quoted for the shell's command line, and
// running a whole command line, reading its standard
// output, and gives the program's exit code.
std::string ShellQuoted(const std::string& arg);
int RunShellCommand(const std::string& commandLine, std::string& out);
