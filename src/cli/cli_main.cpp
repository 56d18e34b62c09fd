// kasumiro-cli: the officer name rewrite and the save slot list from a terminal.
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_arguments.h"
#include "cli/cli_commands.h"
#include "cli/console_code_page.h"
#include "cli/console_output.h"
#include "common/errors.h"

namespace {

int Run(const TCliArguments& arguments) {
    switch (arguments.Command) {
    case TCliCommand::Help:
        WriteText(std::cout, CliUsageText(), TTextOrigin::Program);
        std::cout << std::flush;
        return kExitSuccess;
    case TCliCommand::Version: std::cout << kCliVersionText << '\n' << std::flush; return kExitSuccess;
    case TCliCommand::Rewrite: return RunRewriteCommand(arguments, std::cout, std::cerr);
    case TCliCommand::Slots: return RunSlotsCommand(arguments, std::cout, std::cerr);
    case TCliCommand::Backups: return RunBackupsCommand(arguments, std::cout, std::cerr);
    case TCliCommand::Restore: return RunRestoreCommand(arguments, std::cout, std::cerr);
    case TCliCommand::Places: return RunPlacesCommand(std::cout, std::cerr);
    case TCliCommand::Usage: break;
    }
    // The problem is the program's words, the argument it quotes the system's
    // text. The whole usage would push it off a small terminal; one line says
    // where it is.
    WriteText(std::cerr, "kasumiro-cli: " + arguments.Problem, TTextOrigin::Program);
    WriteText(std::cerr, arguments.ProblemArgument + "\n", TTextOrigin::System);
    WriteText(std::cerr, kCliUsageHint, TTextOrigin::Program);
    std::cerr << std::flush;
    return kExitUsage;
}

// Output that never reached its place (on a full disk, say) is a
// failure, as in the core utilities: said on standard error, exit code 1.
int WithOutputChecked(int exitCode) {
    if (std::cout.flush()) return exitCode;
    WriteText(std::cerr, "kasumiro-cli: 標準出力に書き込めません.\n", TTextOrigin::Program);
    std::cerr << std::flush;
    return kExitFailure;
}

}  // namespace

int main(int argc, char** argv) {
    const TSystemCodePageConsole console;
    try {
        return WithOutputChecked(Run(ParseCliArguments(std::vector<std::string>(argv + 1, argv + argc))));
    } catch (...) {
        // Whatever escaped a command (no memory, say) is reported like an I/O error.
        WriteErrorLine(std::cerr, CurrentExceptionAsError());
        std::cerr << std::flush;
        return kExitFailure;
    }
}
