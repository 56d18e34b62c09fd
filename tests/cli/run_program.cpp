// Builds the shell command line of a test run, with standard error sent to a file of the test's own.
#include "cli/run_program.h"

#include "file_kit/temp_dir.h"

namespace {

// Windows programs end their lines in "\r\n"; the tests compare plain lines.
std::string WithPlainLineEnds(std::string text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        result += text[i];
    }
    return result;
}

}  // namespace

TProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args) {
    TTempDir errFolder;
    const std::string errPath = errFolder.Path() + "stderr.txt";
    std::string commandLine = ShellQuoted(program);
    for (const std::string& arg : args) commandLine += " " + ShellQuoted(arg);
    commandLine += " 2>" + ShellQuoted(errPath);

    TProgramResult result;
    result.ExitCode = RunShellCommand(commandLine, result.Out);
    result.Out = WithPlainLineEnds(result.Out);
    if (FileExists(errPath)) result.Err = WithPlainLineEnds(ReadFileBytes(errPath));
    return result;
}
