// Where a game installed through Wine may lie: the drive_c folders of the
// Wine prefixes found in their usual places.
#pragma once

#include <string>
#include <vector>

// home: the user's home folder; winePrefix: $WINEPREFIX, empty when unset.
// Looks in $WINEPREFIX, ~/.wine, Steam's compatdata/*/pfx, Bottles' and
// Lutris' usual folders; gives each existing drive_c once, in that order.
std::vector<std::string> WineDriveFolders(const std::string& home, const std::string& winePrefix);
