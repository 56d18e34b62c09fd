// kasumiro-cli: the officer name rewrite and the save slot list from a terminal.
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_arguments.h"
#include "cli/cli_commands.h"
#include "cli/console_code_page.h"
#include "common/errors.h"

namespace {

int Run(const TCliArguments& arguments) {
    switch (arguments.Command) {
    case TCliCommand::Help:
        std::cout << CliUsageText() << std::flush;
        return kExitSuccess;
    case TCliCommand::Version:
        std::cout << kCliVersionText << '\n' << std::flush;
        return kExitSuccess;
    case TCliCommand::Rewrite:
        return RunRewriteCommand(arguments, std::cout, std::cerr);
    case TCliCommand::Slots:
        return RunSlotsCommand(arguments, std::cout);
    case TCliCommand::Usage:
        break;
    }
    std::cerr << "kasumiro-cli: " << arguments.Problem << '\n' << CliUsageText() << std::flush;
    return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    const TSystemCodePageConsole console;
    try {
        return Run(ParseCliArguments(std::vector<std::string>(argv + 1, argv + argc)));
    } catch (...) {
        // Whatever escaped a command (no memory, say) is reported like an I/O error.
        std::cerr << ErrorBoxText(CurrentExceptionAsError().Message()) << '\n' << std::flush;
        return kExitFailure;
    }
}
