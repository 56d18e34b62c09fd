// Argument parsing and game folder joining of kasumiro-cli.
#include "cli/cli_arguments.h"

#include <gtest/gtest.h>

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
        {{"rewrite", "--no-backup", "game", "5"}, TCliCommand::Rewrite, "game", 5, false},
        {{"backups", "game", "2"}, TCliCommand::Backups, "game", 2, false},
        {{"restore", "game", "3"}, TCliCommand::Restore, "game", 3, false},
        {{"restore", "game", "4", "20261207-101500.BIN", "--force"}, TCliCommand::Restore, "game", 4, false},
        {{"--help"}, TCliCommand::Help, "", 0, false},
        {{"rewrite", "--bogus", "--help"}, TCliCommand::Usage, "", 0, false},
        {{"slots", "game", "--help"}, TCliCommand::Help, "", 0, false},
        {{"--version"}, TCliCommand::Version, "", 0, false},
        {{"--help", "--version"}, TCliCommand::Help, "", 0, false},
        {{"places"}, TCliCommand::Places, "", 0, false},
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
        {"backups", "game"},
        {"backups", "game", "1", "--force"},
        {"restore", "game"},
        {"restore", "game", "1", "a.BIN", "b.BIN"},
        {"restore", "--dry-run", "game", "1"},
        {"restore", "--no-backup", "game", "1"},
        {"rewrite", "--force", "game", "1"},
        {"slots", "game", "--no-backup"},
        {"unknown", "game"},
        {"places", "game"},
        {"places", "--force"},
    };
    for (const auto& args : cases) {
        const TCliArguments parsed = ParseCliArguments(args);
        EXPECT_EQ(parsed.Command, TCliCommand::Usage) << ::testing::PrintToString(args);
        EXPECT_FALSE(parsed.Problem.empty()) << ::testing::PrintToString(args);
    }
}
}  // namespace
