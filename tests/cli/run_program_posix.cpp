// Linux: the command line runs through /bin/sh with popen.
#include "cli/run_program.h"

#include <sys/wait.h>

#include <cstdio>
#include <stdexcept>

std::string ShellQuoted(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

int RunShellCommand(const std::string& commandLine, std::string& out) {
    // The test runs a shell command line on purpose.
    FILE* pipe = popen(commandLine.c_str(), "r");  // NOLINT(cert-env33-c)
    if (pipe == nullptr) throw std::runtime_error("cannot run " + commandLine);
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, got);
    const int status = pclose(pipe);
    if (status == -1 || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}
