// Argument parsing and game folder joining of kasumiro-cli.
#include "cli/cli_arguments.h"

#include <gtest/gtest.h>

#include "common/path_separator.h"
#include "support/literal_code_page.h"

namespace {

struct TParseCase {
    std::vector<std::string> Args;
    TCliCommand Command;
    std::string GameFolder;
    int Slot;
    bool DryRun;
};

TEST(CliArguments, AcceptsEveryCommandWithOptionsAnywhere) {
    const TParseCase cases[] = {
        {{"rewrite", "game", "1"}, TCliCommand::Rewrite, "game", 1, false},
        {{"--dry-run", "rewrite", "game", "3"}, TCliCommand::Rewrite, "game", 3, true},
        {{"rewrite", "game", "2", "--dry-run"}, TCliCommand::Rewrite, "game", 2, true},
        {{"rewrite", "--dry-run", "game", "4"}, TCliCommand::Rewrite, "game", 4, true},
        {{"rewrite", "--", "-game", "1"}, TCliCommand::Rewrite, "-game", 1, false},
        {{"slots", "/x/y/"}, TCliCommand::Slots, "/x/y/", 0, false},
        {{"--help"}, TCliCommand::Help, "", 0, false},
        {{"rewrite", "--bogus", "--help"}, TCliCommand::Usage, "", 0, false},
        {{"slots", "game", "--help"}, TCliCommand::Help, "", 0, false},
        {{"--version"}, TCliCommand::Version, "", 0, false},
        {{"--help", "--version"}, TCliCommand::Help, "", 0, false},
    };
    for (const TParseCase& c : cases) {
        const TCliArguments parsed = ParseCliArguments(c.Args);
        const std::string label = ::testing::PrintToString(c.Args);
        EXPECT_EQ(parsed.Command, c.Command) << label;
        EXPECT_EQ(parsed.GameFolder, c.GameFolder) << label;
        EXPECT_EQ(parsed.Slot, c.Slot) << label;
        EXPECT_EQ(parsed.DryRun, c.DryRun) << label;
    }
}

TEST(CliArguments, RefusesWhatIsNotACompleteCommand) {
    const std::vector<std::string> cases[] = {
        {},
        {"rewrite"},
        {"rewrite", "game"},
        {"rewrite", "game", "1", "extra"},
        {"rewrite", "game", "0"},
        {"rewrite", "game", "6"},
        {"rewrite", "game", "x"},
        {"rewrite", "game", "1x"},
        {"rewrite", "game", ""},
        {"rewrite", "", "1"},
        {"slots"},
        {"slots", "game", "1"},
        {"slots", "game", "--dry-run"},
        {"--dry-run"},
        {"unknown", "game"},
    };
    for (const auto& args : cases) {
        const TCliArguments parsed = ParseCliArguments(args);
        EXPECT_EQ(parsed.Command, TCliCommand::Usage) << ::testing::PrintToString(args);
        EXPECT_FALSE(parsed.Problem.empty()) << ::testing::PrintToString(args);
    }
}

TEST(CliArguments, GameFolderGetsOneSeparator) {
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

}  // namespace
