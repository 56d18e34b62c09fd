// Where a game installed through Wine may lie: the drive_c folders of the
// Wine prefixes found in their usual places.
#pragma once

#include <string>
#include <vector>

// One drive_c and the name it is offered under, saying where it comes from:
// "Wine ($WINEPREFIX)", "Wine (~/.wine)", "Steam: GAME" (GAME: the Steam
// game's or non-Steam shortcut's name; "Steam APPID" when Steam's files do
// not name it), "Bottles: NAME", "Lutris: NAME" (NAME: the prefix's folder name).
struct TPlace {
    std::string Name;
    std::string Path;
    friend bool operator==(const TPlace&, const TPlace&) = default;
};

// home: the user's home folder; winePrefix: $WINEPREFIX, empty when unset.
// Looks in $WINEPREFIX, ~/.wine, compatdata/*/pfx in every library of each
// Steam installation (its libraryfolders.vdf lists them, SD cards included),
// Bottles' and Lutris' usual folders; gives each existing drive_c once, in
// that order.
std::vector<TPlace> WineDriveFolders(const std::string& home, const std::string& winePrefix);

// The same for the user running the program: $HOME and $WINEPREFIX.
std::vector<TPlace> UserPlaces();
