// Reads libraryfolders.vdf, appmanifest_*.acf (text VDF) and shortcuts.vdf
// (binary VDF); each read is bounded, and whatever fails is left out.
#include "places/steam_library.h"

#include <algorithm>
#include <set>
#include <string_view>
#include <system_error>

#include "common/durable_file.h"
#include "common/errors.h"
#include "places/binary_vdf.h"
#include "places/text_vdf.h"

namespace fs = std::filesystem;

namespace {

// How many libraries and user folders are looked at, at most: a Steam
// installation has a few of each, a collector's some dozens of libraries.
constexpr std::size_t kMaxSteamFolders = 256;
// How many entries of one library's steamapps folder are read.
constexpr std::size_t kMaxSteamAppsEntries = 100000;

std::optional<std::string> ReadBounded(const fs::path& path, std::size_t maxSize) {
    try {
        return ReadWholeFile(path.string(), maxSize);
    } catch (const Exception&) {
        return std::nullopt;  // missing, unreadable, not a file, or larger than the bound
    }
}

std::optional<TVdfObject> ReadTextVdf(const fs::path& path) {
    const std::optional<std::string> text = ReadBounded(path, kMaxSteamTextFileBytes);
    return text ? ParseTextVdf(*text) : std::nullopt;
}

// A name as the side bar shows it: control characters become spaces.
std::string Printable(std::string name) {
    std::replace_if(
        name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
    return name;
}

// A library once, by its real path; a relative path (never Steam's) is left out.
void AddLibrary(const fs::path& library, std::vector<fs::path>& libraries, std::set<fs::path>& seen) {
    std::error_code error;
    if (!library.is_absolute()) return;
    const fs::path real = fs::canonical(library, error);
    if (error || libraries.size() >= kMaxSteamFolders || !seen.insert(real).second) return;
    libraries.push_back(library);
}

}  // namespace

std::vector<fs::path> SteamLibraries(const fs::path& root) {
    std::vector<fs::path> libraries;
    std::set<fs::path> seen;
    AddLibrary(root, libraries, seen);
    const std::optional<TVdfObject> file = ReadTextVdf(root / "steamapps" / "libraryfolders.vdf");
    const TVdfObject* folders = file ? file->Object("libraryfolders") : nullptr;
    if (!folders) return libraries;
    for (const auto& [key, folder] : folders->Objects) {
        if (const std::string* path = folder.Value("path"); path && !path->empty()) AddLibrary(*path, libraries, seen);
    }
    // The oldest layout: "1" "/path" straight under libraryfolders.
    for (const auto& [key, value] : folders->Values) {
        if (!key.empty() && key.find_first_not_of("0123456789") == std::string::npos && !value.empty())
            AddLibrary(value, libraries, seen);
    }
    return libraries;
}

std::map<std::string, std::string> SteamShortcutNames(const fs::path& root) {
    std::map<std::string, std::string> names;
    std::error_code error;
    std::size_t users = 0;
    for (fs::directory_iterator it(root / "userdata", error), end; !error && it != end && users < kMaxSteamFolders;
         it.increment(error), ++users) {
        const std::optional<std::string> bytes = ReadBounded(it->path() / "config" / "shortcuts.vdf",
                                                             kMaxSteamShortcutsBytes);
        const std::optional<TVdfObject> file = bytes ? ParseBinaryVdf(*bytes) : std::nullopt;
        const TVdfObject* shortcuts = file ? file->Object("shortcuts") : nullptr;
        if (!shortcuts) continue;
        for (const auto& [index, shortcut] : shortcuts->Objects) {
            const std::string* appid = shortcut.Value("appid");
            const std::string* name = shortcut.Value("AppName");
            if (appid && name && !name->empty()) names.emplace(*appid, Printable(*name));
        }
    }
    return names;
}

std::map<std::string, fs::path> SteamManifests(const std::vector<fs::path>& libraries) {
    static constexpr std::string_view kPrefix = "appmanifest_";
    static constexpr std::string_view kSuffix = ".acf";
    std::map<std::string, fs::path> manifests;
    for (const fs::path& library : libraries) {
        std::error_code error;
        std::size_t entries = 0;
        for (fs::directory_iterator it(library / "steamapps", error), end;
             !error && it != end && entries < kMaxSteamAppsEntries; it.increment(error), ++entries) {
            const std::string name = it->path().filename().string();
            if (name.size() <= kPrefix.size() + kSuffix.size() || !name.starts_with(kPrefix) ||
                !name.ends_with(kSuffix))
                continue;
            manifests.emplace(name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size()), it->path());
        }
    }
    return manifests;
}

std::optional<std::string> SteamGameName(const fs::path& manifest) {
    const std::optional<TVdfObject> file = ReadTextVdf(manifest);
    const TVdfObject* state = file ? file->Object("AppState") : nullptr;
    const std::string* name = state ? state->Value("name") : nullptr;
    if (name && !name->empty()) return Printable(*name);
    return std::nullopt;
}
