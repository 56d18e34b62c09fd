// Linux only: a missing file told from a missing folder, no descriptor left
// behind by a failed run, and nothing but regular files taken as officer files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <iostream>

#include "common/error_code_posix.h"
#include "file_kit/temp_dir.h"
#include "process/process.h"
#include "support/fake_frame.h"
#include "support/officer_files.h"

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

// The I/O code a run ends with in a child process (0 for success, 255 for a
// code above it), or -1 when it did not end within 5 seconds.
int CodeInChild(const std::function<void()>& run) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(5);
        int code = 0;
        try {
            run();
        } catch (const EInOutError& error) {
            code = error.ErrorCode() > 255 ? 255 : error.ErrorCode();
        } catch (...) {
            code = 254;
        }
        ::_exit(code);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A save pack may hold anything at either officer file's name. A link (which
// could point at any file of the user's), a FIFO, a device or a folder stops
// the run and the dry run with code 5 before any write, and nothing blocks.
TEST(RewriteOfficerNames, TakesOnlyRegularFilesAsOfficerFiles) {
    TTempDir dir;
    const std::string outside = dir.Path() + "bashrc";
    const std::string outsideBytes = "echo kept\n" + std::string(76000, '#');
    const struct {
        const char* What;
        std::function<bool(const std::string&)> Make;
    } kinds[] = {
        {"link to a file", [&](const std::string& p) { return ::symlink(outside.c_str(), p.c_str()) == 0; }},
        {"link to a device", [](const std::string& p) { return ::symlink("/dev/zero", p.c_str()) == 0; }},
        {"FIFO", [](const std::string& p) { return ::mkfifo(p.c_str(), 0666) == 0; }},
        {"device", [](const std::string& p) { return ::mknod(p.c_str(), S_IFCHR | 0666, makedev(1, 5)) == 0; }},
        {"folder", [](const std::string& p) { return std::filesystem::create_directory(p); }},
    };
    TFakeFrame frame;
    TScopedFrame installed(frame);
    int refused = 0;
    for (const auto& kind : kinds) {
        for (const bool atSave : {true, false}) {
            for (const bool dryRun : {false, true}) {
                const std::string name = std::string(kind.What) + (atSave ? " at the save" : " at the scenario") +
                                         (dryRun ? ", dry run" : "");
                TTempDir gameDir;
                const TGameFolders game = MakeGameFolders(gameDir.Path());
                const std::string regular = OfficerFileBytes(kOfficerCount, ScenarioName, 1);
                WriteFileBytes(outside, outsideBytes);
                WriteFileBytes(atSave ? game.ScenarioFile : game.SaveFile, regular);
                if (!kind.Make(atSave ? game.SaveFile : game.ScenarioFile)) {
                    std::cout << "[ SKIPPED  ] " << name << ": cannot be made here\n";
                    continue;
                }
                const int code = CodeInChild([&] {
                    if (dryRun) (void)PlanOfficerNameRewrite(game.Scenario, game.Save);
                    if (!dryRun) RewriteOfficerNames(game.Scenario, game.Save);
                });
                EXPECT_EQ(code, 5) << name;
                EXPECT_TRUE(ReadFileBytes(outside) == outsideBytes) << name;
                EXPECT_TRUE(ReadFileBytes(atSave ? game.ScenarioFile : game.SaveFile) == regular) << name;
                refused += code == 5 ? 1 : 0;
            }
        }
    }
    std::cout << "[ REFUSED  ] " << refused << " links, FIFOs, devices and folders at an officer file\n";
}

// Players move save folders and link them back: a slot folder that is a link
// is followed.
TEST(RewriteOfficerNames, FollowsASlotFolderThatIsALink) {
    TTempDir dir;
    const TGameFolders game = MakeGameFolders(dir.Path());
    const std::string moved = dir.Path() + "moved";
    std::filesystem::rename(game.Save.substr(0, game.Save.size() - 1), moved);
    std::filesystem::create_directory_symlink(moved, game.Save.substr(0, game.Save.size() - 1));
    WriteFileBytes(game.ScenarioFile, OfficerFileBytes(kOfficerCount, ScenarioName, 1));
    WriteFileBytes(game.SaveFile, OfficerFileBytes(kOfficerCount, SaveName, 2));
    TFakeFrame frame;
    TScopedFrame installed(frame);
    EXPECT_FALSE(PlanOfficerNameRewrite(game.Scenario, game.Save).empty());
    RewriteOfficerNames(game.Scenario, game.Save);
    EXPECT_TRUE(PlanOfficerNameRewrite(game.Scenario, game.Save).empty());
}

}  // namespace
