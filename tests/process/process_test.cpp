// The name rewrite end to end on synthetic game folders: what is written,
// what is left alone, how a failing run ends, and the dry-run plan.
#include <gtest/gtest.h>

#include "common/paths.h"
#include "file_kit/temp_dir.h"
#include "process/process.h"
#include "support/fake_frame.h"
#include "support/officer_files.h"

namespace {

constexpr unsigned kScenarioSalt = 11;
constexpr unsigned kSaveSalt = 22;

std::string BuiltFor(std::int32_t i) {
    TOfficerRecord record{};
    StoreOfficerName(record, BuildNewOfficerName(ScenarioName(i)));
    return std::string(reinterpret_cast<const char*>(record.OfficerName), 12);
}

// Checks the save file record by record against what a run up to `upTo`
// (exclusive) must have left: differing names rewritten, everything else as it was.
void ExpectRewrittenUpTo(const std::string& before, const std::string& after, std::int32_t upTo) {
    ASSERT_EQ(after.size(), before.size());
    const auto records = static_cast<std::int32_t>(before.size() / kOfficerRecordSize);
    for (std::int32_t i = 0; i < records; ++i) {
        std::string expected = RecordAt(before, i);
        if (i < upTo && i < kOfficerCount && SaveNameDiffers(i)) expected.replace(6, 12, BuiltFor(i));
        ASSERT_EQ(RecordAt(after, i), expected) << "record " << i;
    }
}

struct TRun {
    std::int32_t Code = 0;  // 0 when the run succeeded
    TFakeFrame Frame;
};

void Rewrite(const TGameFolders& game, TRun& run) {
    TScopedFrame installed(run.Frame);
    try {
        RewriteOfficerNames(game.Scenario, game.Save);
    } catch (const EInOutError& error) {
        run.Code = error.ErrorCode();
    }
}

TEST(RewriteOfficerNames, RewritesOnlyDifferingNamesAndNeverTheScenarioOnceOnly) {
    TTempDir dir;
    const TGameFolders game = MakeGameFolders(dir.Path());
    // Longer files than 2000 records: what lies after record 1999 is never touched.
    const std::string scenario = OfficerFileBytes(kOfficerCount + 3, ScenarioName, kScenarioSalt);
    std::string save = OfficerFileBytes(kOfficerCount + 7, SaveName, kSaveSalt);
    const std::string differentTail = Bytes({0x41, 0x42, 0x43, 0x20, 0x20, 0x20, 0x20, 0x44, 0x45, 0x46, 0x47, 0x00});
    for (std::int32_t i = kOfficerCount; i < kOfficerCount + 7; ++i) save.replace(i * 38 + 6, 12, differentTail);
    WriteFileBytes(game.ScenarioFile, scenario);
    WriteFileBytes(game.SaveFile, save);

    TRun run;
    Rewrite(game, run);

    EXPECT_EQ(run.Code, 0);
    // The rewrite shows nothing: its callers report the completion.
    EXPECT_TRUE(run.Frame.Informations.empty());
    EXPECT_STREQ(kRewriteDoneText, "データを書き換えました.");
    EXPECT_EQ(ReadFileBytes(game.ScenarioFile), scenario);
    ExpectRewrittenUpTo(save, ReadFileBytes(game.SaveFile), kOfficerCount);
    EXPECT_FALSE(HeldOpenByThisProcess(game.ScenarioFile));
    EXPECT_FALSE(HeldOpenByThisProcess(game.SaveFile));

    // A second run leaves the file as the first left it.
    const std::string afterFirst = ReadFileBytes(game.SaveFile);
    TRun second;
    Rewrite(game, second);
    EXPECT_EQ(second.Code, 0);
    EXPECT_EQ(ReadFileBytes(game.SaveFile), afterFirst);
}

// Failed runs: the code, what was written before the failure, no completion
// message, and no file left open so the next run or the game can open them.
struct TFailedRunCase {
    const char* what;
    std::int32_t scenarioRecords;  // 0: no scenario file
    std::int32_t saveRecords;
    bool scenarioReadOnly;
    bool saveReadOnly;
    bool saveFolderMissing;
    std::int32_t code;
    std::int32_t rewrittenUpTo;
};

void ExpectFailedRun(const TFailedRunCase& c) {
    SCOPED_TRACE(c.what);
    TTempDir dir;
    const TGameFolders game = MakeGameFolders(dir.Path());
    const std::string scenario = OfficerFileBytes(c.scenarioRecords, ScenarioName, kScenarioSalt);
    const std::string save = OfficerFileBytes(c.saveRecords, SaveName, kSaveSalt);
    if (c.scenarioRecords > 0) WriteFileBytes(game.ScenarioFile, scenario);
    TGameFolders target = game;
    if (c.saveFolderMissing) target.Save = dir.Path() + "LOG9.DAT" + kPathSeparator;
    WriteFileBytes(game.SaveFile, save);
    if (c.scenarioReadOnly) SetReadOnly(game.ScenarioFile, true);
    if (c.saveReadOnly) SetReadOnly(game.SaveFile, true);

    TRun run;
    Rewrite(target, run);

    EXPECT_EQ(run.Code, c.code);
    EXPECT_TRUE(run.Frame.Informations.empty());
    ExpectRewrittenUpTo(save, ReadFileBytes(game.SaveFile), c.rewrittenUpTo);
    if (c.scenarioRecords > 0) {
        EXPECT_EQ(ReadFileBytes(game.ScenarioFile), scenario);
        EXPECT_FALSE(HeldOpenByThisProcess(game.ScenarioFile));
    }
    EXPECT_FALSE(HeldOpenByThisProcess(game.SaveFile));
}

TEST(RewriteOfficerNames, FailedRunStopsAtTheFailureAndReleasesTheFiles) {
    const TFailedRunCase cases[] = {
        {"short save file", kOfficerCount, 1000, false, false, false, 100, 1000},
        {"short scenario file", 500, kOfficerCount, false, false, false, 100, 500},
        {"empty save file", kOfficerCount, 0, false, false, false, 100, 0},
        // The save's missing folder would give 3: 2 shows the save was never opened.
        {"missing scenario", 0, kOfficerCount, false, false, true, 2, 0},
        {"missing save folder", kOfficerCount, kOfficerCount, false, false, true, 3, 0},
    };
    for (const auto& c : cases) ExpectFailedRun(c);
}

TEST(RewriteOfficerNames, ReadOnlyFileStopsTheRunBeforeAnyWrite) {
    const TTempDir probe;
    if (!ReadOnlyFilesAreRefusedHere(probe.Path())) GTEST_SKIP() << "read-only files are writable here";
    const TFailedRunCase cases[] = {
        {"read-only scenario", kOfficerCount, kOfficerCount, true, false, false, 5, 0},
        {"read-only save", kOfficerCount, kOfficerCount, false, true, false, 5, 0},
    };
    for (const auto& c : cases) ExpectFailedRun(c);
}

TEST(PlanOfficerNameRewrite, ListsWhatARewriteWritesWithoutWriting) {
    TTempDir dir;
    const TGameFolders game = MakeGameFolders(dir.Path());
    const std::string scenario = OfficerFileBytes(kOfficerCount, ScenarioName, kScenarioSalt);
    const std::string save = OfficerFileBytes(kOfficerCount, SaveName, kSaveSalt);
    WriteFileBytes(game.ScenarioFile, scenario);
    WriteFileBytes(game.SaveFile, save);
    // The dry run needs no write access.
    SetReadOnly(game.ScenarioFile, true);
    SetReadOnly(game.SaveFile, true);

    TFakeFrame frame;
    TScopedFrame installed(frame);
    const std::vector<TOfficerNameChange> plan = PlanOfficerNameRewrite(game.Scenario, game.Save);
    EXPECT_EQ(ReadFileBytes(game.SaveFile), save);
    EXPECT_TRUE(frame.Informations.empty());
    EXPECT_FALSE(HeldOpenByThisProcess(game.SaveFile));

    SetReadOnly(game.ScenarioFile, false);
    SetReadOnly(game.SaveFile, false);
    RewriteOfficerNames(game.Scenario, game.Save);
    const std::string after = ReadFileBytes(game.SaveFile);
    std::size_t next = 0;
    for (std::int32_t i = 0; i < kOfficerCount; ++i) {
        if (NameAt(save, i) == NameAt(after, i)) continue;
        ASSERT_LT(next, plan.size()) << "record " << i << " changed but was not planned";
        EXPECT_EQ(plan[next].Index, i);
        EXPECT_EQ(plan[next].CurrentName, NameAt(save, i));
        EXPECT_EQ(plan[next].NewName, NameAt(after, i));
        ++next;
    }
    EXPECT_EQ(next, plan.size());
    EXPECT_EQ(plan.size(), static_cast<std::size_t>((kOfficerCount + 2) / 3));
    // After the rewrite, the names still differ from the scenario's and would
    // be written again, but nothing would change.
    EXPECT_TRUE(PlanOfficerNameRewrite(game.Scenario, game.Save).empty());
}

}  // namespace
