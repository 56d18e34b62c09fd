// kasumiro-cli places on Linux: the places library's search, printed.
#include <ostream>

#include "cli/cli_commands.h"
#include "cli/console_output.h"
#include "places/game_search.h"
#include "places/wine_prefixes.h"

int RunPlacesCommand(std::ostream& out, std::ostream& err) {
    const std::vector<TPlace> places = UserPlaces();
    const std::vector<TPlace> games = FindGameFolders(places);
    for (const TPlace& game : games) WriteText(out, game.Name + '\t' + game.Path + '\n', TTextOrigin::System);
    out << std::flush;
    if (!games.empty()) return kExitSuccess;
    WriteText(err,
              "kasumiro-cli: ゲームのフォルダが見つかりません (Wine の場所 " + std::to_string(places.size()) +
                  " か所を探しました).\n",
              TTextOrigin::Program);
    err << std::flush;
    return kExitFailure;
}
