// The Wine prefixes found for the folder chooser and kasumiro-cli places:
// each existing drive_c once, in order, named by where it comes from; and
// Steam's files read with their bounds.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>

#include "file_kit/temp_dir.h"
#include "places/binary_vdf.h"
#include "places/game_search.h"
#include "places/steam_library.h"
#include "places/text_vdf.h"
#include "places/wine_prefixes.h"

namespace {

void MakeFolders(const std::string& folder) { std::filesystem::create_directories(folder); }

// A binary VDF entry: type byte, key, zero byte, value.
std::string VdfEntry(char type, const std::string& key, const std::string& value) {
    return std::string(1, type) + key + std::string(1, '\0') + value;
}

std::string VdfNumber(std::uint32_t value) {
    std::string bytes;
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

// shortcuts.vdf with one non-Steam shortcut, as Steam writes it.
std::string ShortcutsFile(std::uint32_t appid, const std::string& name) {
    const std::string end(1, '\x08');
    const std::string shortcut =
        VdfEntry('\x02', "appid", VdfNumber(appid)) + VdfEntry('\x01', "AppName", name + '\0') +
        VdfEntry('\x01', "Exe", "\"/games/TENKA.EXE\"" + std::string(1, '\0')) +
        VdfEntry('\x07', "LastPlayTime8", std::string(8, '\x01')) + VdfEntry('\0', "tags", end);
    return VdfEntry('\0', "shortcuts", VdfEntry('\0', "0", shortcut + end) + end) + end;
}

std::string Names(const std::vector<TPlace>& found) {
    std::string names;
    for (const TPlace& drive : found) names += drive.Name + " | ";
    return names;
}

TEST(WinePrefixes, FoundInTheirUsualPlaces) {
    TTempDir temp;
    const std::string home = temp.Path() + "home";
    const std::string prefix = temp.Path() + "prefix";
    for (const std::string& folder :
         {prefix + "/drive_c", home + "/.wine/drive_c", home + "/.steam/steam/steamapps/compatdata/20/pfx/drive_c",
          home + "/.steam/steam/steamapps/compatdata/10/pfx/drive_c",
          home + "/.steam/steam/steamapps/compatdata/30/pfx",  // no drive_c
          home + "/.local/share/bottles/bottles/game/drive_c", home + "/Games/tenka/drive_c"}) {
        MakeFolders(folder);
    }
    const std::vector<TPlace> expected{
        {"Wine ($WINEPREFIX)", prefix + "/drive_c"},
        {"Wine (~/.wine)", home + "/.wine/drive_c"},
        {"Steam 10", home + "/.steam/steam/steamapps/compatdata/10/pfx/drive_c"},
        {"Steam 20", home + "/.steam/steam/steamapps/compatdata/20/pfx/drive_c"},
        {"Bottles: game", home + "/.local/share/bottles/bottles/game/drive_c"},
        {"Lutris: tenka", home + "/Games/tenka/drive_c"},
    };
    EXPECT_EQ(WineDriveFolders(home, prefix), expected) << Names(WineDriveFolders(home, prefix));
    // $WINEPREFIX naming ~/.wine gives it once; no home, no prefix: nothing.
    const auto same = WineDriveFolders(home, home + "/.wine");
    ASSERT_EQ(same.size(), expected.size() - 1);
    EXPECT_EQ(same.front().Name, "Wine ($WINEPREFIX)");
    EXPECT_TRUE(WineDriveFolders("", "").empty());
}

// Steam's games by their names: a Steam game by its appmanifest, a non-Steam
// shortcut (appid past 2^31) by shortcuts.vdf, in a library on another mount
// that libraryfolders.vdf lists; a huge manifest and a damaged shortcuts.vdf
// are skipped.
TEST(WinePrefixes, SteamGamesByName) {
    TTempDir temp;
    const std::string home = temp.Path() + "home";
    const std::string steam = home + "/.local/share/Steam";
    const std::string card = temp.Path() + "run/media/deck/SD card";
    for (const std::string& folder :
         {steam + "/steamapps/compatdata/2000/pfx/drive_c", steam + "/steamapps/compatdata/2001/pfx/drive_c",
          card + "/steamapps/compatdata/3071567832/pfx/drive_c", card + "/steamapps/compatdata/4000/pfx/drive_c",
          steam + "/userdata/1/config", steam + "/userdata/2/config"})
        MakeFolders(folder);
    WriteFileBytes(steam + "/steamapps/libraryfolders.vdf",
                   "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"" + steam +
                       "\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"2000\"\t\t\"1024\"\n\t\t}\n\t}\n"
                       "\t\"1\" { \"path\" \"" +
                       card + "\" \"label\" \"SD\" } // the card\n}\n");
    WriteFileBytes(steam + "/steamapps/appmanifest_2000.acf",
                   "\"AppState\"\n{\n\t\"appid\"\t\t\"2000\"\n\t\"name\"\t\t\"Sengoku \\\"Sample\\\"\"\n}\n");
    WriteFileBytes(steam + "/steamapps/appmanifest_2001.acf", "");
    std::filesystem::resize_file(steam + "/steamapps/appmanifest_2001.acf", kMaxSteamTextFileBytes + 1);
    const std::string shortcuts = ShortcutsFile(3071567832U, "天下統一");
    WriteFileBytes(steam + "/userdata/1/config/shortcuts.vdf", shortcuts.substr(0, shortcuts.size() - 3));
    WriteFileBytes(steam + "/userdata/2/config/shortcuts.vdf", shortcuts);

    const std::vector<TPlace> expected{
        {"Steam: Sengoku \"Sample\"", steam + "/steamapps/compatdata/2000/pfx/drive_c"},
        {"Steam 2001", steam + "/steamapps/compatdata/2001/pfx/drive_c"},
        {"Steam: 天下統一", card + "/steamapps/compatdata/3071567832/pfx/drive_c"},
        {"Steam 4000", card + "/steamapps/compatdata/4000/pfx/drive_c"},
    };
    const std::vector<TPlace> found = WineDriveFolders(home, "");
    EXPECT_EQ(found, expected) << Names(found);

    // Cut anywhere but before the first byte or the last end mark, the
    // shortcuts are damaged, and never read past their end.
    for (std::size_t size = 1; size + 1 < shortcuts.size(); ++size)
        EXPECT_FALSE(ParseBinaryVdf(std::string_view(shortcuts).substr(0, size))) << size;
    std::string deep;
    for (int level = 0; level < 100000; ++level) deep += "\"k\" { ";
    EXPECT_FALSE(ParseTextVdf(deep));
    EXPECT_FALSE(ParseBinaryVdf(std::string(100000, '\0')));
}

// A game folder as the search knows one; which of its parts to make.
void MakeGame(const std::string& folder, bool officerFile = true, bool slot = true) {
    MakeFolders(folder + "/NEW.DAT");
    if (officerFile) WriteFileBytes(folder + "/NEW.DAT/BUSYO21.BIN", "");
    if (slot) MakeFolders(folder + "/LOG3.DAT");
}

// Game folders inside the prefixes, three levels deep in a Steam prefix and
// in a Bottles prefix, named by place and folder; what is not a game, what
// lies in Wine's windows folder, behind a link or too deep, is not offered.
TEST(GameSearch, FindsGameFoldersInsidePlacesByName) {
    TTempDir temp;
    const std::string home = temp.Path() + "home";
    const std::string steam = home + "/.steam/steam/steamapps/compatdata/2000/pfx/drive_c";
    const std::string bottle = home + "/.local/share/bottles/bottles/Tenka/drive_c";
    MakeGame(steam + "/Program Files/KOEI/天下統一");
    MakeGame(bottle + "/GAMES/TENKA");
    MakeGame(steam + "/no_slot", true, false);
    MakeGame(steam + "/no_officers", false, true);
    MakeGame(steam + "/windows/TENKA");
    MakeGame(bottle + "/a/b/c/d/e/f/TENKA");
    std::filesystem::create_directory_symlink(steam + "/Program Files", bottle + "/link");
    WriteFileBytes(home + "/.steam/steam/steamapps/appmanifest_2000.acf", "\"AppState\" { \"name\" \"天下統一\" }");

    const std::vector<TPlace> places = WineDriveFolders(home, "");
    const std::vector<TPlace> expected{
        {"Bottles: Tenka — TENKA", bottle + "/GAMES/TENKA"},
        {"Steam: 天下統一 — 天下統一", steam + "/Program Files/KOEI/天下統一"},
    };
    EXPECT_EQ(FindGameFolders(places), expected) << Names(FindGameFolders(places));
    // Each bound ends the search early, with what was found by then.
    const struct {
        TGameSearchBounds Bounds;
        std::size_t Found;
    } bounded[] = {{{.MaxDepth = 2}, 1}, {{.MaxFolders = 2}, 0}, {{.MaxTime = std::chrono::milliseconds(0)}, 0}};
    for (const auto& c : bounded) EXPECT_EQ(FindGameFolders(places, c.Bounds).size(), c.Found);
    std::stop_source stopped;
    stopped.request_stop();
    EXPECT_TRUE(FindGameFolders(places, {}, stopped.get_token()).empty());
    // A place that is the game folder itself is offered by its own name.
    EXPECT_EQ(FindGameFolders({{"Wine", bottle + "/GAMES/TENKA"}}).front().Name, "Wine — TENKA");
}

}  // namespace
