// Game folder paths: the one trailing separator and the folder of a path.
#include "common/game_paths.h"

#include <gtest/gtest.h>

#include <utility>

#include "common/durable_file.h"
#include "common/path_separator.h"
#include "support/literal_code_page.h"

TEST(GamePaths, GameFolderGetsOneSeparator) {
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

TEST(GamePaths, FolderOfPathKeepsTheLastSeparator) {
    const std::string sep(1, kPathSeparator);
    // path, its folder
    const std::pair<std::string, std::string> cases[] = {
        {"game" + sep + "NEW.DAT" + sep + "BUSYO21.BIN", "game" + sep + "NEW.DAT" + sep},
        {"game/LOG1.DAT", "game/"},
        {sep + "x", sep},
        {"BUSYO21.BIN", ""},
        {"", ""},
        {"a" + sep + "\x95\x5C", "a" + sep},  // a trail byte 0x5C (表) is no separator
    };
    for (const auto& [path, folder] : cases) {
        if (path.find('\x95') != std::string::npos && !LiteralsAreSystemText()) continue;
        EXPECT_EQ(FolderOfPath(path), folder) << path;
    }
}

// A chain of folders is made from the path's own root, never from a fixed offset.
TEST(GamePaths, PathRootIsFoundInThePath) {
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
