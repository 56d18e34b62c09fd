// Finds the drive_c of Wine prefixes, so the folder chooser can offer them
// beside its usual places: a game installed through Wine lies in a hidden folder.
#include "places/wine_prefixes.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <system_error>

#include "places/steam_library.h"

namespace fs = std::filesystem;

namespace {

// Folders holding one prefix per sub-folder, the path from each sub-folder
// to its drive_c, and what its name starts with (the sub-folder's name follows).
struct TPrefixFolder {
    const char* Folder;  // below the home folder
    const char* Inside;
    const char* Origin;
};

constexpr TPrefixFolder kPrefixFolders[] = {
    {".local/share/bottles/bottles", "drive_c", "Bottles: "},
    {".var/app/com.usebottles.bottles/data/bottles/bottles", "drive_c", "Bottles: "},
    {"Games", "drive_c", "Lutris: "},
};

void AddIfFolder(const std::string& name, const fs::path& path, std::vector<TPlace>& found, std::set<fs::path>& seen) {
    std::error_code error;
    if (!fs::is_directory(path, error)) return;
    const fs::path real = fs::canonical(path, error);
    if (error || !seen.insert(real).second) return;
    found.push_back(TPlace{name, path.string()});
}

// How many prefixes one folder of prefixes may offer.
constexpr std::size_t kMaxPrefixes = 100000;

std::vector<fs::path> SortedSubFolders(const fs::path& folder) {
    std::vector<fs::path> subFolders;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end && subFolders.size() < kMaxPrefixes;
         it.increment(error)) {
        subFolders.push_back(it->path());
    }
    std::sort(subFolders.begin(), subFolders.end());
    return subFolders;
}

// Steam's installations below the home folder: the usual one (two names for
// it) and the Flatpak's.
constexpr const char* kSteamRoots[] = {".steam/steam", ".local/share/Steam",
                                       ".var/app/com.valvesoftware.Steam/.local/share/Steam"};

bool IsAppId(const std::string& name) {
    return !name.empty() && name.size() <= 10 && name.find_first_not_of("0123456789") == std::string::npos;
}

// The prefixes of every library of one Steam installation, each named by its
// game where Steam's files name it, else by its appid.
void AddSteamPrefixes(const fs::path& root, std::vector<TPlace>& found, std::set<fs::path>& seen) {
    std::error_code error;
    if (!fs::is_directory(root, error)) return;
    const std::vector<fs::path> libraries = SteamLibraries(root);
    const std::map<std::string, std::string> shortcuts = SteamShortcutNames(root);
    const std::map<std::string, fs::path> manifests = SteamManifests(libraries);
    for (const fs::path& library : libraries) {
        for (const fs::path& prefix : SortedSubFolders(library / "steamapps" / "compatdata")) {
            const std::string appid = prefix.filename().string();
            const fs::path drive = prefix / "pfx" / "drive_c";
            if (!IsAppId(appid) || !fs::is_directory(drive, error)) continue;
            const auto shortcut = shortcuts.find(appid);
            const auto manifest = manifests.find(appid);
            std::optional<std::string> name = shortcut != shortcuts.end()   ? shortcut->second
                                              : manifest != manifests.end() ? SteamGameName(manifest->second)
                                                                            : std::nullopt;
            AddIfFolder(name ? "Steam: " + *name : "Steam " + appid, drive, found, seen);
        }
    }
}

}  // namespace

std::vector<TPlace> WineDriveFolders(const std::string& home, const std::string& winePrefix) {
    std::vector<TPlace> found;
    std::set<fs::path> seen;
    if (!winePrefix.empty()) AddIfFolder("Wine ($WINEPREFIX)", fs::path(winePrefix) / "drive_c", found, seen);
    if (home.empty()) return found;
    const fs::path homeFolder(home);
    AddIfFolder("Wine (~/.wine)", homeFolder / ".wine" / "drive_c", found, seen);
    for (const char* root : kSteamRoots) AddSteamPrefixes(homeFolder / root, found, seen);
    for (const TPrefixFolder& place : kPrefixFolders) {
        for (const fs::path& prefix : SortedSubFolders(homeFolder / place.Folder)) {
            AddIfFolder(place.Origin + prefix.filename().string(), prefix / place.Inside, found, seen);
        }
    }
    return found;
}

std::vector<TPlace> UserPlaces() {
    const char* home = std::getenv("HOME");
    const char* prefix = std::getenv("WINEPREFIX");
    return WineDriveFolders(home ? home : "", prefix ? prefix : "");
}
