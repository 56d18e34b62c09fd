// Faults injected into the system calls of a whole rewrite through the command
// line's rewrite command: exit code, error text, every byte of both officer
// files, and no descriptor left open.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <vector>

#include "cli/cli_commands.h"
#include "common/errors.h"
#include "fault/syscall_faults.h"
#include "support/officer_files.h"
#include "process/backup_files.h"
#include "process/process.h"
#include "process/save_backup.h"
#include "support/backup_home.h"
#include "support/temp_dir.h"

namespace {

constexpr int kReadsPerRun = 2 * kOfficerCount;

// The index of the n-th (1-based) record whose save name differs.
std::int32_t NthDifferingRecord(int n) {
    for (std::int32_t i = 0; i < kOfficerCount; ++i) {
        if (SaveNameDiffers(i) && --n == 0) return i;
    }
    return kOfficerCount;
}

int DifferingRecords() {
    int count = 0;
    for (std::int32_t i = 0; i < kOfficerCount; ++i) count += SaveNameDiffers(i) ? 1 : 0;
    return count;
}

// What a run under one fault must end with: the code it reports (0 for
// success) and the first record it must not have written.
struct TOutcome {
    std::int32_t Code = 0;
    std::int32_t StopsAt = kOfficerCount;
};

std::int32_t CodeOf(TSyscall call, TFaultKind kind) {
    switch (kind) {
    case TFaultKind::Eio: return 1117;
    case TFaultKind::Enospc: return 112;
    case TFaultKind::Eacces: return 5;
    case TFaultKind::Eintr: return 0;  // retried
    case TFaultKind::Short: return call == TSyscall::Pread ? 100 : 0;  // a short write is finished
    case TFaultKind::Nothing: return call == TSyscall::Pread ? 100 : 101;
    }
    return -1;
}

TOutcome ExpectedOutcome(const TFault& fault) {
    const std::int32_t code = CodeOf(fault.Call, fault.Kind);
    if (code == 0) return {};
    switch (fault.Call) {
    case TSyscall::Open: return {code, 0};
    case TSyscall::Pread: return {code, (fault.Nth - 1) / 2};
    case TSyscall::Pwrite: return {code, NthDifferingRecord(fault.Nth)};
    // The records were all written before the files are closed.
    case TSyscall::Close: return {1, kOfficerCount};
    default: return {};
    }
}

// The save file after a run that wrote every differing record before stopsAt.
std::string ExpectedSave(const std::string& save, std::int32_t stopsAt) {
    std::string bytes = save;
    for (std::int32_t i = 0; i < stopsAt; ++i) {
        if (!SaveNameDiffers(i)) continue;
        TOfficerRecord record;
        const auto at = static_cast<std::size_t>(i) * kOfficerRecordSize;
        std::memcpy(&record, bytes.data() + at, kOfficerRecordSize);
        StoreOfficerName(record, BuildNewOfficerName(ScenarioName(i)));
        bytes.replace(at, kOfficerRecordSize, reinterpret_cast<const char*>(&record), kOfficerRecordSize);
    }
    return bytes;
}

std::vector<TFault> FaultTable() {
    const int writes = DifferingRecords();
    // The first calls, then a spread over the run up to its last calls.
    const auto spread = [](int count, int step) {
        std::vector<int> nths = {1, 2, 3, 4, 5, 6};
        for (int n = 7; n < count - 1; n += step) nths.push_back(n);
        nths.insert(nths.end(), {count - 1, count});
        return nths;
    };
    const std::vector<std::pair<TSyscall, std::vector<int>>> calls = {
        {TSyscall::Open, {1, 2}},
        {TSyscall::Pread, spread(kReadsPerRun, 37)},
        {TSyscall::Pwrite, spread(writes, 9)},
        {TSyscall::Close, {1, 2}},
    };
    std::vector<TFault> faults;
    for (const auto& [call, nths] : calls) {
        for (const int nth : nths) {
            for (const TFaultKind kind : {TFaultKind::Eio, TFaultKind::Enospc, TFaultKind::Eacces,
                                          TFaultKind::Eintr, TFaultKind::Short, TFaultKind::Nothing}) {
                const bool transfers = call == TSyscall::Pread || call == TSyscall::Pwrite;
                const bool transferFault = kind == TFaultKind::Short || kind == TFaultKind::Nothing;
                if (transfers || !transferFault) faults.push_back({call, nth, kind});
            }
        }
    }
    return faults;
}

class RewriteFaults : public testing::Test {
protected:
    void SetUp() override {
        game_ = MakeGameFolders(dir_.Path());
        WriteFileBytes(game_.ScenarioFile, scenario_);
        WriteFileBytes(game_.SaveFile, save_);
        arguments_.Command = TCliCommand::Rewrite;
        arguments_.GameFolder = dir_.Path();
        arguments_.Slot = 1;
        arguments_.NoBackup = true;  // the rewrite's own calls; the backup's are tested below
    }

    // Runs the command line's rewrite under the fault; the exit code and what
    // it wrote to standard error.
    std::pair<int, std::string> RunUnder(const std::vector<TFault>& faults) {
        WriteFileBytes(game_.SaveFile, save_);
        std::ostringstream out;
        std::ostringstream err;
        TFaultScope scope(faults);
        const int exitCode = RunRewriteCommand(arguments_, out, err);
        EXPECT_TRUE(scope.Fired()) << "a fault never came";
        return {exitCode, err.str()};
    }

    void ExpectRun(const std::pair<int, std::string>& run, const TOutcome& expected, const std::string& name) {
        EXPECT_EQ(run.first, expected.Code == 0 ? kExitSuccess : kExitFailure) << name;
        EXPECT_EQ(run.second, expected.Code == 0 ? "" : ErrorBoxText(IoErrorMessage(expected.Code)) + "\n") << name;
        EXPECT_TRUE(ReadFileBytes(game_.SaveFile) == ExpectedSave(save_, expected.StopsAt)) << name;
        EXPECT_TRUE(ReadFileBytes(game_.ScenarioFile) == scenario_) << name;
    }

    TTempDir dir_;
    TTempDir home_;
    TScopedBackupHome scopedHome_{home_.Path()};
    TGameFolders game_;
    TCliArguments arguments_;
    const std::string scenario_ = OfficerFileBytes(kOfficerCount, ScenarioName, 1);
    const std::string save_ = OfficerFileBytes(kOfficerCount, SaveName, 2);
};

TEST_F(RewriteFaults, EachFaultEndsWithTheBytesOfTheRecordsBeforeIt) {
    const std::size_t descriptors = OpenDescriptorCount();
    const std::vector<TFault> faults = FaultTable();
    for (const TFault& fault : faults) {
        const std::string name = NameOf(fault.Call) + " #" + std::to_string(fault.Nth) + " " + NameOf(fault.Kind);
        const TOutcome expected = ExpectedOutcome(fault);
        ExpectRun(RunUnder({fault}), expected, name);
        EXPECT_EQ(OpenDescriptorCount(), descriptors) << name;
    }
    std::cout << "[ FAULTS   ] " << faults.size() << " faults injected into the rewrite\n";
}

// After a short write the rest is written; how the retry ends decides the
// code. Half of record 0 holds all of its name, so its new name is complete.
TEST_F(RewriteFaults, TheRetryOfAShortWriteDecidesTheOutcome) {
    const struct {
        TFaultKind Retry;
        TOutcome Expected;
    } cases[] = {
        {TFaultKind::Short, {}},
        {TFaultKind::Eintr, {}},
        {TFaultKind::Enospc, {112, 1}},
        {TFaultKind::Nothing, {101, 1}},
    };
    for (const auto& c : cases) {
        const std::vector<TFault> faults = {{TSyscall::Pwrite, 1, TFaultKind::Short}, {TSyscall::Pwrite, 2, c.Retry}};
        ExpectRun(RunUnder(faults), c.Expected, "retry " + NameOf(c.Retry));
    }
}

// The backup before the rewrite: whichever of its calls fails, the rewrite
// does not start, the error names the backup, and no temporary file is left.
TEST_F(RewriteFaults, AFailedBackupLeavesTheSaveUntouched) {
    arguments_.NoBackup = false;
    const std::size_t descriptors = OpenDescriptorCount();
    // Opens: the two files of the dry run, the save for reading, then each
    // temporary file; fsync and rename: the backup's, then its record's.
    const TFault faults[] = {
        {TSyscall::Open, 3, TFaultKind::Eacces}, {TSyscall::Open, 4, TFaultKind::Enospc},
        {TSyscall::Pwrite, 1, TFaultKind::Nothing}, {TSyscall::Fsync, 1, TFaultKind::Eio},
        {TSyscall::Rename, 1, TFaultKind::Enospc}, {TSyscall::Open, 5, TFaultKind::Eacces},
        {TSyscall::Fsync, 2, TFaultKind::Eio}, {TSyscall::Rename, 2, TFaultKind::Eio},
    };
    for (const TFault& fault : faults) {
        const std::string name = NameOf(fault.Call) + " #" + std::to_string(fault.Nth) + " " + NameOf(fault.Kind);
        const auto [exitCode, err] = RunUnder({fault});
        EXPECT_EQ(exitCode, kExitFailure) << name;
        EXPECT_EQ(err.rfind(kBackupFailedText + home_.Path(), 0), 0u) << name << ": " << err;
        EXPECT_TRUE(ReadFileBytes(game_.SaveFile) == save_) << name;
        EXPECT_EQ(OpenDescriptorCount(), descriptors) << name;
    }
    std::vector<std::string> left;
    for (const std::string& game : FolderEntries(home_.Path() + "kasumiro/backups/")) {
        for (const std::string& file : FolderEntries(home_.Path() + "kasumiro/backups/" + game + "/LOG1.DAT/"))
            left.push_back(file);
    }
    EXPECT_EQ(left, std::vector<std::string>{}) << "a failed backup leaves no file";
}

// The table's call numbers stand for the calls a run really makes.
TEST_F(RewriteFaults, ACleanRunMakesTheCallsTheTableCounts) {
    TFaultScope counting;
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunRewriteCommand(arguments_, out, err), kExitSuccess) << err.str();
    EXPECT_EQ(counting.Calls(TSyscall::Open), 2);
    EXPECT_EQ(counting.Calls(TSyscall::Pread), kReadsPerRun);
    EXPECT_EQ(counting.Calls(TSyscall::Pwrite), DifferingRecords());
    EXPECT_EQ(counting.Calls(TSyscall::Close), 2);
}

}  // namespace
