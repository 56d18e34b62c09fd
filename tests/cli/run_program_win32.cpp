// Windows: the command line runs through cmd.exe with _popen.
#include "cli/run_program.h"

#include <cstdio>
#include <stdexcept>

// The program's runtime splits its command line by the usual rules: a run of
// backslashes is literal unless a quote follows, so the run before the
// closing quote (a folder's trailing backslash) is doubled.
std::string ShellQuoted(const std::string& arg) {
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : arg) {
        if (c == '\\') {
            ++backslashes;
        } else {
            if (c == '"') quoted.append(backslashes + 1, '\\');
            backslashes = 0;
        }
        quoted += c;
    }
    quoted.append(backslashes, '\\');
    return quoted + "\"";
}

int RunShellCommand(const std::string& commandLine, std::string& out) {
    // cmd.exe /c drops the first and the last quote of a line that starts with
    // one, so the whole line gets one more pair around it.
    const std::string wrapped = "\"" + commandLine + "\"";
    FILE* pipe = _popen(wrapped.c_str(), "rb");  // NOLINT(cert-env33-c)
    if (pipe == nullptr) throw std::runtime_error("cannot run " + commandLine);
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, got);
    return _pclose(pipe);
}
