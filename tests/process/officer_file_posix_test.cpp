// Linux only: a missing file told from a missing folder, and no descriptor
// left behind by a failed run.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "process/error_code_posix.h"
#include "support/fake_frame.h"
#include "support/officer_files.h"
#include "process/process.h"
#include "support/temp_dir.h"

namespace {

TEST(OpenErrorCode, TellsAMissingFileFromAMissingFolder) {
    TTempDir dir;
    const struct {
        std::string path;
        std::int32_t code;
    } cases[] = {
        {dir.Path() + "MISSING.BIN", 2},
        {dir.Path() + "NOPE.DAT/BUSYO21.BIN", 3},
        {dir.Path() + "NOPE.DAT/DEEPER/BUSYO21.BIN", 3},
        {"MISSING-IN-THE-WORKING-FOLDER.BIN", 2},
        {"/MISSING-AT-THE-ROOT.BIN", 2},
        {"", 3},
    };
    for (const auto& c : cases) EXPECT_EQ(OpenErrorCode(ENOENT, c.path), c.code) << "'" << c.path << "'";
}

TEST(RewriteOfficerNames, FailedRunsLeaveNoDescriptorOpen) {
    TTempDir dir;
    const TGameFolders game = MakeGameFolders(dir.Path());
    WriteFileBytes(game.ScenarioFile, OfficerFileBytes(kOfficerCount, ScenarioName, 1));
    TFakeFrame frame;
    TScopedFrame installed(frame);
    const std::size_t before = OpenDescriptorCount();
    // Failing in the loop (both open), at the second open (one open) and at the first.
    for (const char* saveFolder : {"short", "missing", "no scenario"}) {
        const std::string which = saveFolder;
        if (which == "short") WriteFileBytes(game.SaveFile, OfficerFileBytes(10, SaveName, 2));
        if (which == "missing") std::filesystem::remove(game.SaveFile);
        if (which == "no scenario") std::filesystem::remove(game.ScenarioFile);
        EXPECT_THROW(RewriteOfficerNames(game.Scenario, game.Save), EInOutError) << which;
        EXPECT_EQ(OpenDescriptorCount(), before) << which;
    }
}

}  // namespace
