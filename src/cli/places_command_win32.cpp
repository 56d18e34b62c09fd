// kasumiro-cli places on Windows, which has no Wine prefixes to search: a
// refusal that says so.
#include <ostream>

#include "cli/cli_commands.h"
#include "cli/console_output.h"

int RunPlacesCommand(std::ostream&, std::ostream& err) {
    WriteText(err, "kasumiro-cli: places は Linux の Wine, Steam, Bottles と Lutris のフォルダを探します.\n",
              TTextOrigin::Program);
    err << std::flush;
    return kExitFailure;
}
