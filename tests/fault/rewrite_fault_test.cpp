// Faults injected into the system calls of a whole rewrite through the command
// line's rewrite command: exit code, error text, every byte of both officer
// files, and no descriptor left open.
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sstream>
#include <vector>

#include "backup/save_backup.h"
#include "cli/cli_commands.h"
#include "common/durable_file.h"
#include "common/errors.h"
#include "common/paths.h"
#include "fault/syscall_faults.h"
#include "file_kit/temp_dir.h"
#include "process/process.h"
#include "support/backup_home.h"
#include "support/fake_frame.h"
#include "support/officer_files.h"
#include "ui/undoable_rewrite.h"

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
    case TFaultKind::Short:
    case TFaultKind::Tear: return call == TSyscall::Pread ? 100 : 0;  // a short write is finished
    case TFaultKind::Nothing: return call == TSyscall::Pread ? 100 : 101;
    case TFaultKind::Kill: break;  // no code: the process ends
    }
    return -1;
}

// A run of one fault, or of a write torn inside a name and the failing retry
// that ends it: the torn record must be left as it was.
TOutcome ExpectedOutcome(const std::vector<TFault>& run) {
    if (run.size() == 2) return {CodeOf(run[1].Call, run[1].Kind), NthDifferingRecord(run[0].Nth)};
    const TFault& fault = run.front();
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

std::vector<std::vector<TFault>> FaultTable() {
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
    std::vector<std::vector<TFault>> runs;
    for (const auto& [call, nths] : calls) {
        for (const int nth : nths) {
            for (const TFaultKind kind : {TFaultKind::Eio, TFaultKind::Enospc, TFaultKind::Eacces, TFaultKind::Eintr,
                                          TFaultKind::Short, TFaultKind::Tear, TFaultKind::Nothing}) {
                const bool transfers = call == TSyscall::Pread || call == TSyscall::Pwrite;
                const bool transferFault = kind == TFaultKind::Short || kind == TFaultKind::Tear ||
                                           kind == TFaultKind::Nothing;
                if (transfers || !transferFault) runs.push_back({{call, nth, kind}});
            }
            // A full disk that lets part of a name through, then nothing more.
            if (call != TSyscall::Pwrite) continue;
            for (const TFaultKind retry : {TFaultKind::Enospc, TFaultKind::Nothing}) {
                runs.push_back({{call, nth, TFaultKind::Tear}, {call, nth + 1, retry}});
            }
        }
    }
    return runs;
}

constexpr int kNoMountNamespace = 77;
constexpr off_t kPage = 4096;

// Takes every free page of the file system holding folder.
bool FillUp(const std::string& folder) {
    const int fd = ::open((folder + "FILLER").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const std::string page(static_cast<std::size_t>(kPage), 'F');
    while (::write(fd, page.data(), page.size()) > 0) {
    }
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full;
}

// The child's part of the full-disk run, in a mount namespace of its own on a
// small tmpfs: the save's fourth page is a hole and every free page is taken,
// so the write of record 323, whose name that page's start cuts after 8 bytes,
// reaches the file up to there and no further. Leaves the save before and
// after the run, the exit code and standard error in results; exits 77 where
// no namespace or tmpfs can be made.
[[noreturn]] void RewriteOnAFullDisk(const std::string& root, const std::string& results, const std::string& scenario,
                                     const std::string& save) {
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", root.c_str(), "tmpfs", 0, "size=256k") != 0) {
        ::_exit(kNoMountNamespace);
    }
    const TGameFolders game = MakeGameFolders(root);
    WriteFileBytes(game.ScenarioFile, scenario);
    WriteFileBytes(game.SaveFile, save);
    WriteFileBytes(game.Save + kSlotTimeFileName, "saved");  // a used slot, as the rewrite requires
    const int fd = ::open(game.SaveFile.c_str(), O_WRONLY | O_CLOEXEC);
    const bool holed = fd >= 0 && ::fallocate(fd, FALLOC_FL_PUNCH_HOLE | FALLOC_FL_KEEP_SIZE, 3 * kPage, kPage) == 0;
    if (fd >= 0) ::close(fd);
    if (!holed || !FillUp(root)) ::_exit(1);
    WriteFileBytes(results + "before", ReadFileBytes(game.SaveFile));
    TCliArguments arguments;
    arguments.Command = TCliCommand::Rewrite;
    arguments.GameFolder = root;
    arguments.Slot = 1;
    arguments.NoBackup = true;  // the rewrite's own writes fill the disk
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = RunRewriteCommand(arguments, out, err);
    WriteFileBytes(results + "after", ReadFileBytes(game.SaveFile));
    WriteFileBytes(results + "err", std::to_string(exitCode) + " " + err.str());
    ::_exit(0);
}

class RewriteFaults : public testing::Test {
protected:
    void SetUp() override {
        game_ = MakeGameFolders(dir_.Path());
        WriteFileBytes(game_.ScenarioFile, scenario_);
        WriteFileBytes(game_.SaveFile, save_);
        WriteFileBytes(game_.Save + kSlotTimeFileName, "saved");  // a used slot, as the rewrite requires
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

    // The error line of a run: the file that failed, then the code's text.
    // The scenario fails only at its own calls: its open, the odd reads.
    std::string ErrorAbout(const TOutcome& expected, const std::string& name) const {
        const bool scenario = name.rfind("open #1 ", 0) == 0 || name.rfind("close #1 ", 0) == 0 ||
                              (name.rfind("pread #", 0) == 0 && std::stoi(name.substr(7)) % 2 == 1);
        const std::string file = scenario ? game_.ScenarioFile : game_.SaveFile;
        return file + ": " + ErrorBoxText(NamedIoErrorMessage(expected.Code)) + "\n";
    }

    void ExpectRun(const std::pair<int, std::string>& run, const TOutcome& expected, const std::string& name) {
        EXPECT_EQ(run.first, expected.Code == 0 ? kExitSuccess : kExitFailure) << name;
        EXPECT_EQ(run.second, expected.Code == 0 ? "" : ErrorAbout(expected, name)) << name;
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
    const std::vector<std::vector<TFault>> runs = FaultTable();
    std::size_t faults = 0;
    for (const std::vector<TFault>& run : runs) {
        std::string name;
        for (const TFault& fault : run) {
            name += NameOf(fault.Call) + " #" + std::to_string(fault.Nth) + " " + NameOf(fault.Kind) + " ";
        }
        ExpectRun(RunUnder(run), ExpectedOutcome(run), name);
        EXPECT_EQ(OpenDescriptorCount(), descriptors) << name;
        faults += run.size();
    }
    std::cout << "[ FAULTS   ] " << faults << " faults in " << runs.size() << " runs injected into the rewrite\n";
}

// After a short write the rest is written; how the retry ends decides the
// code. Half of record 0 holds all of its name, so its new name is complete.
// A write torn inside the name gets the old name bytes back before the error
// is reported, with one more try when that fails; never a success.
TEST_F(RewriteFaults, TheRetryOfAShortWriteDecidesTheOutcome) {
    const auto pwrite = [](int nth, TFaultKind kind) { return TFault{TSyscall::Pwrite, nth, kind}; };
    const struct {
        std::vector<TFault> Faults;
        TOutcome Expected;
    } cases[] = {
        {{pwrite(1, TFaultKind::Short), pwrite(2, TFaultKind::Short)}, {}},
        {{pwrite(1, TFaultKind::Short), pwrite(2, TFaultKind::Eintr)}, {}},
        {{pwrite(1, TFaultKind::Short), pwrite(2, TFaultKind::Enospc)}, {112, 1}},
        {{pwrite(1, TFaultKind::Short), pwrite(2, TFaultKind::Nothing)}, {101, 1}},
        {{pwrite(1, TFaultKind::Tear), pwrite(2, TFaultKind::Short)}, {}},
        {{pwrite(1, TFaultKind::Tear), pwrite(2, TFaultKind::Enospc)}, {112, 0}},
        {{pwrite(1, TFaultKind::Tear), pwrite(2, TFaultKind::Eio)}, {1117, 0}},
        {{pwrite(1, TFaultKind::Tear), pwrite(2, TFaultKind::Nothing)}, {101, 0}},
        // The put-back fails once, then its second try succeeds.
        {{pwrite(1, TFaultKind::Tear), pwrite(2, TFaultKind::Enospc), pwrite(3, TFaultKind::Eio)}, {112, 0}},
        {{pwrite(1, TFaultKind::Tear), pwrite(2, TFaultKind::Enospc), pwrite(3, TFaultKind::Nothing)}, {112, 0}},
    };
    for (const auto& c : cases) {
        std::string name;
        for (const TFault& fault : c.Faults) name += NameOf(fault.Kind) + " ";
        ExpectRun(RunUnder(c.Faults), c.Expected, name);
    }
    // Both tries of the put-back fail: the name stays torn, and the write's
    // own error is still what the run ends with.
    const auto run = RunUnder({pwrite(1, TFaultKind::Tear), pwrite(2, TFaultKind::Enospc), pwrite(3, TFaultKind::Eio),
                               pwrite(4, TFaultKind::Eio)});
    EXPECT_EQ(run.first, kExitFailure);
    EXPECT_EQ(run.second, game_.SaveFile + ": " + ErrorBoxText(NamedIoErrorMessage(112)) + "\n");
}

// No fault injected: a file system that is really full stops the run inside
// a name, and every record is left either as it was or with its whole new name.
TEST_F(RewriteFaults, AReallyFullDiskLeavesEveryNameOldOrWholeNew) {
    const std::string root = dir_.Path() + "full/";
    MakeFolder(root);
    std::string save = save_;  // record 323's name must differ in the bytes that reach the file
    save.replace(std::size_t{323} * kOfficerRecordSize + 6, 12, std::string(12, 'X'));
    const pid_t child = ::fork();
    if (child == 0) RewriteOnAFullDisk(root, dir_.Path(), scenario_, save);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == kNoMountNamespace) GTEST_SKIP() << "no mount namespace with a tmpfs can be made here";
    ASSERT_EQ(WEXITSTATUS(status), 0) << "the full tmpfs could not be prepared";

    EXPECT_EQ(ReadFileBytes(dir_.Path() + "err"), "1 " + root + "LOG1.DAT/BUSYO21.BIN: ディスクがいっぱいです.\n");
    const std::string before = ReadFileBytes(dir_.Path() + "before");
    const std::string after = ReadFileBytes(dir_.Path() + "after");
    ASSERT_EQ(after.size(), before.size());
    int written = 0;
    for (std::int32_t i = 0; i < kOfficerCount; ++i) {
        TOfficerRecord record;
        std::memcpy(&record, RecordAt(before, i).data(), sizeof record);
        StoreOfficerName(record, BuildNewOfficerName(ScenarioName(i)));
        const std::string rewritten(reinterpret_cast<const char*>(&record), sizeof record);
        const std::string now = RecordAt(after, i);
        EXPECT_TRUE(now == RecordAt(before, i) || now == rewritten) << "record " << i << " is torn";
        written += now != RecordAt(before, i) ? 1 : 0;
    }
    EXPECT_EQ(NameAt(after, 323), NameAt(before, 323));
    EXPECT_GT(written, 0) << "the disk was full before the first write";
}

// Every call of a rewrite with its backup, counted in a clean run, with
// pread and pwrite sampled across the records: the faults to walk.
std::vector<TFault> BackupFaultTable(const TFaultScope& clean) {
    std::vector<TFault> faults;
    for (std::size_t c = 0; c < kSyscallKinds; ++c) {
        const auto call = static_cast<TSyscall>(c);
        const int count = clean.Calls(call);
        const bool transfers = call == TSyscall::Pread || call == TSyscall::Pwrite;
        for (int nth = 1; nth <= count; nth += (transfers && nth > 8 && nth < count - 8) ? 97 : 1) {
            faults.push_back({call, nth, TFaultKind::Eio});
            faults.push_back({call, nth, transfers ? TFaultKind::Nothing : TFaultKind::Enospc});
        }
    }
    return faults;
}

// The rewrite with its backup, and the restore, under faults: a run ends with
// every record old or wholly new, a failure says what failed, nothing
// temporary is left, and whatever the save then holds, the way back works
// without forcing and gives the old save byte for byte.
class BackupFaults : public RewriteFaults {
protected:
    std::string BackupFolder() const {
        const std::vector<std::string> games = FolderEntries(home_.Path() + "kasumiro/backups/");
        return games.empty() ? "" : home_.Path() + "kasumiro/backups/" + games.front() + "/LOG1.DAT/";
    }

    void ExpectOldOrWholeNew(const std::string& name) {
        const std::string now = ReadFileBytes(game_.SaveFile);
        const std::string all = ExpectedSave(save_, kOfficerCount);
        ASSERT_EQ(now.size(), save_.size()) << name;
        for (std::int32_t i = 0; i < kOfficerCount; ++i) {
            if (RecordAt(now, i) != RecordAt(save_, i) && RecordAt(now, i) != RecordAt(all, i))
                ADD_FAILURE() << name << ": record " << i << " is torn";
        }
    }

    void ExpectNothingLeft(const std::string& name) {
        std::vector<std::string> entries = FolderEntries(game_.Save);
        std::sort(entries.begin(), entries.end());
        EXPECT_EQ(entries, (std::vector<std::string>{"BUSYO21.BIN", kSlotTimeFileName})) << name;
        for (const std::string& file : FolderEntries(BackupFolder()))
            EXPECT_EQ(file.find(".tmp"), std::string::npos) << name << ": " << file;
    }

    // The way back, without faults and without forcing.
    void ExpectTheWayBack(const std::string& name) {
        TCliArguments restore = arguments_;
        restore.Command = TCliCommand::Restore;
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunRestoreCommand(restore, out, err), kExitSuccess) << name << ": " << err.str();
        EXPECT_TRUE(ReadFileBytes(game_.SaveFile) == save_) << name;
    }
};

TEST_F(BackupFaults, EachFaultOfARewriteWithItsBackupKeepsTheWayBack) {
    arguments_.NoBackup = false;
    const std::size_t descriptors = OpenDescriptorCount();
    std::vector<TFault> faults;
    {
        TFaultScope clean;
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(RunRewriteCommand(arguments_, out, err), kExitSuccess) << err.str();
        faults = BackupFaultTable(clean);
    }
    int failed = 0;
    for (const TFault& fault : faults) {
        RemoveFolder(home_.Path() + "kasumiro");
        const std::string name = NameOf(fault.Call) + " #" + std::to_string(fault.Nth) + " " + NameOf(fault.Kind);
        const auto [exitCode, err] = RunUnder({fault});
        EXPECT_EQ(OpenDescriptorCount(), descriptors) << name;
        EXPECT_TRUE(ReadFileBytes(game_.ScenarioFile) == scenario_) << name;
        ExpectOldOrWholeNew(name);
        ExpectNothingLeft(name);
        if (exitCode == kExitSuccess) {
            EXPECT_TRUE(ReadFileBytes(game_.SaveFile) == ExpectedSave(save_, kOfficerCount)) << name;
        } else {
            ++failed;
            EXPECT_EQ(exitCode, kExitFailure) << name;
            EXPECT_NE(err.find(": "), std::string::npos) << name << ": the error names no object: " << err;
            // A full disk in a backup step says so in words (the officer file's close has its own code).
            if (fault.Kind == TFaultKind::Enospc && err.rfind(kBackupFailedText, 0) == 0) {
                EXPECT_NE(err.find("ディスクがいっぱいです"), std::string::npos) << name << ": " << err;
            }
        }
        if (ReadFileBytes(game_.SaveFile) != save_) {
            ExpectTheWayBack(name);
        } else if (exitCode != kExitSuccess && !BackupFolder().empty()) {
            // A rewrite that never wrote leaves no backup, not even a claimed empty one.
            for (const std::string& file : FolderEntries(BackupFolder()))
                EXPECT_EQ(file.find(".BIN"), std::string::npos) << name << ": " << file;
        }
    }
    std::cout << "[ FAULTS   ] " << faults.size() << " faults (" << failed
              << " failed runs) injected into the rewrite with its backup\n";
}

// The Linux program: a rewrite stopped part-way by a failing write shows its
// error with 元に戻す, which puts the old save back.
TEST_F(BackupFaults, ARewriteStoppedPartWayCanBeUndoneFromItsErrorBox) {
    TFakeFrame frame;
    TScopedFrame scopedFrame(frame);
    frame.Answers = {mrYes};
    frame.InformationAnswers = {mrUndo};
    {
        TFaultScope scope({{TSyscall::Pwrite, 100, TFaultKind::Enospc}});
        RunUndoableRewrite(dir_.Path(), "LOG1.DAT");
    }
    ASSERT_EQ(frame.Informations.size(), 2u);
    EXPECT_EQ(frame.Informations[0], game_.SaveFile + ": " + ErrorBoxText(NamedIoErrorMessage(112)));
    EXPECT_EQ(frame.Informations[1], kRestoredText);
    EXPECT_TRUE(ReadFileBytes(game_.SaveFile) == save_);
}

// Killed at one of its record writes, as by a crash: every record is old or
// wholly new, the backups list marks the backup, and the undo, unforced (also
// after a second rewrite ran to its end), gives the backup back byte for
// byte; once a byte outside the names has changed (the game saved), the undo
// refuses and keeps the save.
TEST_F(BackupFaults, ARewriteKilledPartWayIsUndoneWithoutForce) {
    arguments_.NoBackup = false;
    int copyWrites = 0;
    {
        TFaultScope counting;
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(RunRewriteCommand(arguments_, out, err), kExitSuccess) << err.str();
        copyWrites = counting.Calls(TSyscall::Pwrite) - DifferingRecords();  // the copy and its record
    }
    int kills = 0;
    for (const int record : {1, 50, 200, DifferingRecords()}) {
        for (const bool played : {false, true}) {
            const std::string name = "killed at record write " + std::to_string(record) + (played ? ", played" : "");
            RemoveFolder(home_.Path() + "kasumiro");
            WriteFileBytes(game_.SaveFile, save_);
            const pid_t child = ::fork();
            if (child == 0) {
                const TFaultScope scope({{TSyscall::Pwrite, copyWrites + record, TFaultKind::Kill}});
                std::ostringstream out;
                std::ostringstream err;
                RunRewriteCommand(arguments_, out, err);
                ::_exit(0);
            }
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << name;
            ++kills;
            ExpectOldOrWholeNew(name);
            EXPECT_TRUE(ReadFileBytes(game_.SaveFile) == ExpectedSave(save_, NthDifferingRecord(record))) << name;
            TCliArguments list = arguments_;
            list.Command = TCliCommand::Backups;
            std::ostringstream listed;
            std::ostringstream listErr;
            RunBackupsCommand(list, listed, listErr);
            // Killed before its first record write, the save is the backup still: nothing unfinished.
            EXPECT_EQ(listed.str().find("\t書き換え途中\n") != std::string::npos, record > 1) << name << listed.str();
            if (!played) {
                // Run again to its end first, half the time: the way back still leads to the save before both.
                std::ostringstream out;
                std::ostringstream err;
                if (record % 2 == 0) {
                    EXPECT_EQ(RunRewriteCommand(arguments_, out, err), kExitSuccess) << err.str();
                }
                ExpectTheWayBack(name);
                continue;
            }
            std::string progress = ReadFileBytes(game_.SaveFile);
            progress[1] = static_cast<char>(progress[1] ^ 1);
            WriteFileBytes(game_.SaveFile, progress);
            TCliArguments restore = arguments_;
            restore.Command = TCliCommand::Restore;
            std::ostringstream out;
            std::ostringstream err;
            EXPECT_EQ(RunRestoreCommand(restore, out, err), kExitFailure) << name;
            EXPECT_EQ(err.str().rfind(kSaveChangedText, 0), 0u) << name << ": " << err.str();
            EXPECT_TRUE(ReadFileBytes(game_.SaveFile) == progress) << name;
        }
    }
    std::cout << "[ KILLS    ] " << kills << " rewrites with their backup killed part-way\n";
}

TEST_F(BackupFaults, EachFaultOfARestoreLeavesEachRecordOldOrNew) {
    arguments_.NoBackup = false;
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunRewriteCommand(arguments_, out, err), kExitSuccess) << err.str();
    const std::string rewritten = ReadFileBytes(game_.SaveFile);
    // The game's own permissions, kept by every restore.
    ASSERT_EQ(::chmod(game_.SaveFile.c_str(), 0664), 0);
    TCliArguments restore = arguments_;
    restore.Command = TCliCommand::Restore;
    std::vector<TFault> faults;
    {
        TFaultScope clean;
        ASSERT_EQ(RunRestoreCommand(restore, out, err), kExitSuccess) << err.str();
        faults = BackupFaultTable(clean);
    }
    const std::size_t descriptors = OpenDescriptorCount();
    for (const TFault& fault : faults) {
        const std::string name = NameOf(fault.Call) + " #" + std::to_string(fault.Nth) + " " + NameOf(fault.Kind);
        WriteFileBytes(game_.SaveFile, rewritten);
        std::ostringstream faultOut;
        std::ostringstream faultErr;
        int exitCode = 0;
        {
            TFaultScope scope({fault});
            exitCode = RunRestoreCommand(restore, faultOut, faultErr);
        }
        const std::string now = ReadFileBytes(game_.SaveFile);
        // Put back in place, record by record: a stop leaves each record old or new.
        bool eachOldOrNew = now.size() == save_.size();
        for (std::size_t at = 0; eachOldOrNew && at < now.size(); at += kOfficerRecordSize) {
            eachOldOrNew = now.compare(at, kOfficerRecordSize, save_, at, kOfficerRecordSize) == 0 ||
                           now.compare(at, kOfficerRecordSize, rewritten, at, kOfficerRecordSize) == 0;
        }
        EXPECT_TRUE(exitCode == kExitSuccess ? now == save_ : eachOldOrNew) << name;
        EXPECT_EQ(OpenDescriptorCount(), descriptors) << name;
        ExpectNothingLeft(name);
        if (exitCode != kExitSuccess) ExpectTheWayBack(name);
        struct stat info {};
        EXPECT_TRUE(::stat(game_.SaveFile.c_str(), &info) == 0 && (info.st_mode & 07777) == 0664) << name;
    }
    std::cout << "[ FAULTS   ] " << faults.size() << " faults injected into the restore\n";
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

// The backup costs one durable copy: at most 300 calls more than the rewrite's own;
// the undo writes back only the records the rewrite wrote.
TEST_F(RewriteFaults, ABackupCostsOneDurableCopy) {
    arguments_.NoBackup = false;
    std::ostringstream out;
    std::ostringstream err;
    {
        TFaultScope counting;
        ASSERT_EQ(RunRewriteCommand(arguments_, out, err), kExitSuccess) << err.str();
        int calls = 0;
        for (std::size_t c = 0; c < kSyscallKinds; ++c) calls += counting.Calls(static_cast<TSyscall>(c));
        EXPECT_LE(calls, 2 + kReadsPerRun + DifferingRecords() + 2 + 300);
        EXPECT_LE(counting.Calls(TSyscall::Pread), kReadsPerRun + 20) << "the records are read once by the rewrite";
    }
    // The undo: a read and a write per planned record, besides its checks;
    // no rename (in place) and no flush.
    TCliArguments restore = arguments_;
    restore.Command = TCliCommand::Restore;
    TFaultScope undoing;
    ASSERT_EQ(RunRestoreCommand(restore, out, err), kExitSuccess) << err.str();
    EXPECT_LE(undoing.Calls(TSyscall::Pread), 2 * DifferingRecords() + 20);
    EXPECT_EQ(undoing.Calls(TSyscall::Pwrite), DifferingRecords());
    EXPECT_EQ(undoing.Calls(TSyscall::Rename) + undoing.Calls(TSyscall::Fsync), 0);
}

}  // namespace
