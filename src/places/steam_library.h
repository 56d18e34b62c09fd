// Steam's libraries and the names of its games, read from Steam's own files
// with a bound on each: a damaged, huge or unreadable file is skipped.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The largest Steam file read: the text files (libraryfolders.vdf, an
// appmanifest) and the binary shortcuts.vdf, whose icons and launch options
// make it the larger.
inline constexpr std::size_t kMaxSteamTextFileBytes = std::size_t{1} << 20;
inline constexpr std::size_t kMaxSteamShortcutsBytes = std::size_t{4} << 20;

// The libraries of the Steam installation at root, each once: root itself,
// then every "path" of its steamapps/libraryfolders.vdf (an SD card's under
// /run/media included), in the file's order.
std::vector<std::filesystem::path> SteamLibraries(const std::filesystem::path& root);

// The non-Steam games added to Steam, by appid (unsigned decimal, as their
// compatdata folders are named): "AppName" of each shortcut in every
// root/userdata/*/config/shortcuts.vdf.
std::map<std::string, std::string> SteamShortcutNames(const std::filesystem::path& root);

// The Steam games' manifests by appid: each library's
// steamapps/appmanifest_APPID.acf, the first library's where several hold one.
// Listed by name only, so that thousands of prefixes cost one listing a library.
std::map<std::string, std::filesystem::path> SteamManifests(const std::vector<std::filesystem::path>& libraries);

// The "name" of the Steam game in its manifest; nothing when it names none.
std::optional<std::string> SteamGameName(const std::filesystem::path& manifest);
