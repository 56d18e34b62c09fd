// Paths: the one trailing separator, the folder and name of a path, roots, the user's folders.
#include "common/paths.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "support/literal_code_page.h"

TEST(Paths, GameFolderGetsOneSeparator) {
    const std::string sep(1, kPathSeparator);
    const struct {
        std::string Folder;
        std::string Expected;
    } cases[] = {
        {"game", "game" + sep},
        {"game" + sep, "game" + sep},
        {"game/", "game/"},  // "/" also separates on Windows
        {"/", "/"},
        // 0x5C as the trail byte of a CP932 character (表) ends no folder; on
        // Linux the byte is no separator at all.
        {"game\x95\x5C", "game\x95\x5C" + sep},
    };
    for (const auto& c : cases) {
        // The trail byte case holds only where the system's code page is CP932 (or UTF-8).
        if (c.Folder.find('\x95') != std::string::npos && !LiteralsAreSystemText()) continue;
        EXPECT_EQ(GameFolderPath(c.Folder), c.Expected) << c.Folder;
    }
}

TEST(Paths, FolderOfPathKeepsTheLastSeparator) {
    const std::string sep(1, kPathSeparator);
    // path, its folder, its file name
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"game" + sep + "NEW.DAT" + sep + "BUSYO21.BIN", "game" + sep + "NEW.DAT" + sep, "BUSYO21.BIN"},
        {"game/LOG1.DAT", "game/", "LOG1.DAT"},
        {sep + "x", sep, "x"},
        {"BUSYO21.BIN", "", "BUSYO21.BIN"},
        {"game" + sep, "game" + sep, ""},
        {"", "", ""},
        {"a" + sep + "\x95\x5C", "a" + sep, "\x95\x5C"},  // a trail byte 0x5C (表) is no separator
    };
    for (const auto& [path, folder, name] : cases) {
        if (path.find('\x95') != std::string::npos && !LiteralsAreSystemText()) continue;
        EXPECT_EQ(FolderOfPath(path), folder) << path;
        EXPECT_EQ(FileNameOfPath(path), name) << path;
    }
}

// A chain of folders is made from the path's own root, never from a fixed offset.
TEST(Paths, PathRootIsFoundInThePath) {
    const bool windows = kPathSeparator == '\\';
    const std::pair<std::string, std::size_t> cases[] = {
        {"relative\\x", 0},
        {"/home/x", windows ? 0 : 1},
        {"C:\\Users\\x", windows ? 3 : 0},
        {"\\\\server\\share\\x", windows ? 15 : 0},
        {"\\\\?\\C:\\x", windows ? 7 : 0},
        {"\\\\?\\UNC\\server\\share\\x", windows ? 21 : 0},
    };
    for (const auto& [path, root] : cases) EXPECT_EQ(PathRootLength(path), root) << path;
}

// The one XDG rule of the data and the settings folders: only an absolute place counts.
TEST(Paths, XdgUserFolderTakesOnlyAbsolutePlaces) {
    const struct {
        const char* setting;
        const char* home;
        const char* folder;
    } cases[] = {
        {nullptr, "/home/u", "/home/u/.config/kasumiro/"},
        {"", "/home/u/", "/home/u/.config/kasumiro/"},
        {"relative/cfg", "/home/u", "/home/u/.config/kasumiro/"},
        {"/cfg/", "/home/u", "/cfg/kasumiro/"},
        {"/cfg", nullptr, "/cfg/kasumiro/"},
        {"/", "/home/u", "/kasumiro/"},
        {nullptr, "relative", ""},
        {"relative", nullptr, ""},
        {nullptr, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(XdgUserFolder(c.setting, c.home, ".config"), c.folder) << (c.setting ? c.setting : "(unset)");
    }
}
