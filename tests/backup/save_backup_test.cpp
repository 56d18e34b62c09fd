// SHA-256 against the standard digests, and save backups on synthetic game
// folders: the byte-exact way back, the refusals over newer progress and of a
// damaged backup, no backup for nothing new, the newest ten and the oldest
// kept whatever the clock says, leftovers, and a failed backup that leaves
// the save alone.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "backup/backup_folder.h"
#include "backup/backup_record.h"
#include "backup/save_backup.h"
#include "backup/sha256.h"
#include "backup/slot_lock.h"
#include "common/durable_file.h"
#include "common/errors.h"
#include "common/paths.h"
#include "file_kit/file_time.h"
#include "file_kit/temp_dir.h"
#include "process/process.h"
#include "support/backup_home.h"
#include "support/literal_code_page.h"
#include "support/officer_files.h"

namespace {

TEST(Sha256, GivesTheStandardDigests) {
    const struct {
        std::string Message;
        const char* Digest;
    } cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {"abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnopqrsmnopqrstnopqr"
         "stu",
         "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1"},
        // Around the padding's block boundary, and a long message.
        {std::string(55, 'a'), "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318"},
        {std::string(56, 'a'), "b35439a4ac6f0948b6d6f9e3c6af0f5f590ce20f1bde7090ef7970686ec6738a"},
        {std::string(64, 'a'), "ffe054fe7ae0cb6dc65c3af9b61d5209f439851db43d0ba5997337df154668eb"},
        {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const auto& c : cases) EXPECT_EQ(Sha256Hex(c.Message), c.Digest) << c.Message.size() << " bytes";
}

class SaveBackupTest : public testing::Test {
protected:
    void SetUp() override {
        game_ = MakeGameFolders(dir_.Path());
        WriteFileBytes(game_.ScenarioFile, OfficerFileBytes(kOfficerCount, ScenarioName, 1));
        WriteFileBytes(game_.SaveFile, save_);
    }

    // The rewrite as every program runs it.
    TSaveBackup Rewrite() {
        const TRewriteOutcome outcome = RewriteWithBackup(dir_.Path(), "LOG1.DAT");
        if (outcome.Error) RaiseKeptError(*outcome.Error);
        EXPECT_TRUE(outcome.Backup.has_value());
        return outcome.Backup.value_or(TSaveBackup{});
    }
    TSaveBackup Restore(TRestoreGuard guard = TRestoreGuard::OnlyOverRewrittenSave) {
        return RestoreSaveBackup(dir_.Path(), "LOG1.DAT", "", guard).Backup;
    }
    // The message a refused restore raises, "" when it restored.
    std::string RestoreError(TRestoreGuard guard = TRestoreGuard::OnlyOverRewrittenSave) {
        try {
            Restore(guard);
            return "";
        } catch (const Exception& error) {
            return error.Message();
        }
    }

    TTempDir dir_;
    TTempDir home_;
    TScopedBackupHome scopedHome_{home_.Path()};
    TGameFolders game_;
    const std::string save_ = OfficerFileBytes(kOfficerCount, SaveName, 2);
};

TEST_F(SaveBackupTest, RestoreBringsBackTheSaveByteForByte) {
    const TSaveBackup backup = Rewrite();
    const std::string rewritten = ReadFileBytes(game_.SaveFile);
    ASSERT_NE(rewritten, save_);
    EXPECT_EQ(backup.Path.rfind(home_.Path(), 0), 0u) << backup.Path;
    EXPECT_EQ(ReadFileBytes(backup.Path), save_);
    // The record beside it names the slot, the backup itself and the plan.
    const std::string record = ReadFileBytes(backup.Path.substr(0, backup.Path.size() - 4) + ".TXT");
    EXPECT_NE(record.find("slot=LOG1.DAT\n"), std::string::npos) << record;
    EXPECT_NE(record.find("size=76000\nbackup-sha256=" + Sha256Hex(save_) + "\nplan=0:"), std::string::npos) << record;

    EXPECT_EQ(Restore().Path, backup.Path);
    EXPECT_EQ(ReadFileBytes(game_.SaveFile), save_);
    // Nothing is left behind in the game's slot folder.
    EXPECT_EQ(FolderEntries(game_.Save), std::vector<std::string>{"BUSYO21.BIN"});
}

TEST_F(SaveBackupTest, RestoreRefusesOverNewerProgressUnlessForced) {
    Rewrite();
    std::string played = ReadFileBytes(game_.SaveFile);
    played[100] = static_cast<char>(played[100] ^ 1);  // the game saved since
    WriteFileBytes(game_.SaveFile, played);
    EXPECT_EQ(RestoreError(), kSaveChangedText);
    EXPECT_EQ(ReadFileBytes(game_.SaveFile), played);
    Restore(TRestoreGuard::EvenOverNewerProgress);
    EXPECT_EQ(ReadFileBytes(game_.SaveFile), save_);
}

// The rewrite's own save, however far it got, also with a name torn by a
// power cut (half new, half old), is undone without force and in place: a
// hard link to the save sees the old bytes too, as the game's own links and
// a slot folder that admits no new file would.
TEST_F(SaveBackupTest, TheRewritesOwnSaveIsUndoneInPlace) {
    const std::string link = dir_.Path() + "link.BIN";
    for (const std::size_t newBytes : {std::size_t{12}, std::size_t{5}, std::size_t{1}}) {
        const TSaveBackup backup = Rewrite();
        std::string save = ReadFileBytes(game_.SaveFile);
        for (const TPlannedName& planned : backup.Record.Plan) {
            const std::size_t at = static_cast<std::size_t>(planned.Index) * kOfficerRecordSize + 6 + newBytes;
            save.replace(at, 12 - newBytes, save_, at, 12 - newBytes);
        }
        WriteFileBytes(game_.SaveFile, save);
        std::error_code refused;  // a file system without hard links checks the save alone
        std::filesystem::create_hard_link(game_.SaveFile, link, refused);
        EXPECT_EQ(RestoreError(), "") << newBytes;
        EXPECT_EQ(ReadFileBytes(game_.SaveFile), save_) << newBytes;
        EXPECT_TRUE(refused || ReadFileBytes(link) == save_) << newBytes;
        RemoveFile(link);
    }
}

// A save that the rewrite cannot open for writing is found before any backup:
// none is made, and nothing written.
TEST_F(SaveBackupTest, AReadOnlySaveGetsNoBackup) {
    if (!ReadOnlyFilesAreRefusedHere(dir_.Path())) GTEST_SKIP() << "read-only files are written here";
    SetReadOnly(game_.SaveFile, true);
    const TRewriteOutcome outcome = RewriteWithBackup(dir_.Path(), "LOG1.DAT");
    SetReadOnly(game_.SaveFile, false);
    EXPECT_TRUE(outcome.Error.has_value());
    EXPECT_FALSE(outcome.Backup.has_value());
    EXPECT_TRUE(ListSaveBackups(dir_.Path(), "LOG1.DAT").empty());
    EXPECT_EQ(ReadFileBytes(game_.SaveFile), save_);
}

// A backup that no longer matches its record is never written over the
// save, forced or not, and nothing is written; one whose record no longer
// proves anything is not even listed.
TEST_F(SaveBackupTest, ADamagedBackupIsRefused) {
    const struct {
        const char* What;
        std::function<void(const std::string& bin, const std::string& txt)> Damage;
        bool Listed = true;
    } cases[] = {
        // A copy of another size or kind than its record states is no copy.
        {"emptied", [](const std::string& bin, const std::string&) { WriteFileBytes(bin, ""); }, false},
        {"cut to 100 bytes",
         [](const std::string& bin, const std::string&) { WriteFileBytes(bin, ReadFileBytes(bin).substr(0, 100)); },
         false},
        {"2 GB", [](const std::string& bin, const std::string&) { std::filesystem::resize_file(bin, 1LL << 31); },
         false},
        {"a folder",
         [](const std::string& bin, const std::string&) {
             RemoveFile(bin);
             MakeFolder(bin);
         },
         false},
        {"a link to a good copy",
         [](const std::string& bin, const std::string&) {
             std::filesystem::rename(bin, bin + ".good");
             std::error_code refused;  // a system without links: an empty file instead
             std::filesystem::create_symlink(bin + ".good", bin, refused);
             if (refused) WriteFileBytes(bin, "");
         },
         false},
        {"a byte changed",
         [](const std::string& bin, const std::string&) {
             std::string bytes = ReadFileBytes(bin);
             bytes[5000] = static_cast<char>(bytes[5000] ^ 1);
             WriteFileBytes(bin, bytes);
         }},
        {"record with a key twice",
         [](const std::string&, const std::string& txt) { WriteFileBytes(txt, ReadFileBytes(txt) + "size=76000\n"); },
         false},
        {"record cut",
         [](const std::string&, const std::string& txt) { WriteFileBytes(txt, ReadFileBytes(txt).substr(0, 40)); },
         false},
    };
    char played = 0;
    for (const auto& c : cases) {
        WriteFileBytes(game_.SaveFile, ++played + save_.substr(1));  // each case's save its own
        const TSaveBackup backup = Rewrite();
        const std::string rewritten = ReadFileBytes(game_.SaveFile);
        c.Damage(backup.Path, backup.Path.substr(0, backup.Path.size() - 4) + ".TXT");
        const std::vector<TSaveBackup> listed = ListSaveBackups(dir_.Path(), "LOG1.DAT");
        EXPECT_EQ(!listed.empty() && listed.front().Path == backup.Path, c.Listed) << c.What;
        for (const TRestoreGuard guard : {TRestoreGuard::OnlyOverRewrittenSave, TRestoreGuard::EvenOverNewerProgress}) {
            if (c.Listed) {
                EXPECT_EQ(RestoreError(guard), kBackupDamagedText + backup.Path) << c.What;
            }
        }
        EXPECT_TRUE(ReadFileBytes(game_.SaveFile) == rewritten) << c.What;
    }
    // A damaged newest backup is never taken again for the same save: a new
    // one is numbered past the verified ones (an unverified pair's number
    // may come again, under another time).
    WriteFileBytes(game_.SaveFile, played + save_.substr(1));
    const TSaveBackup fresh = Rewrite();
    EXPECT_GT(fresh.Number, 3u);
    EXPECT_EQ(ListSaveBackups(dir_.Path(), "LOG1.DAT").front().Path, fresh.Path);
}

// A rewrite that changes nothing makes no backup; a save that is byte for
// byte the newest backup gets no second copy, and its undo still works.
TEST_F(SaveBackupTest, NoBackupForNothingNewAndTheUndoStillWorks) {
    const TSaveBackup first = Rewrite();
    const std::string rewritten = ReadFileBytes(game_.SaveFile);
    EXPECT_TRUE(RewriteWithBackup(dir_.Path(), "LOG1.DAT").NothingToRewrite);
    Restore();
    EXPECT_EQ(Rewrite().Path, first.Path);
    EXPECT_EQ(ReadFileBytes(game_.SaveFile), rewritten);
    EXPECT_EQ(ListSaveBackups(dir_.Path(), "LOG1.DAT").size(), 1u);
    EXPECT_EQ(RestoreError(), "");
    EXPECT_EQ(ReadFileBytes(game_.SaveFile), save_);
}

// Newest by number, not by the clock: the local time going back an hour
// between two rewrites loses nothing. Twelve rewrites keep the newest ten and
// the slot's oldest verified backup, the save as it was before the first.
TEST_F(SaveBackupTest, KeepsTheNewestTenAndTheOldestWhateverTheClockSays) {
    std::vector<TSaveBackup> made = {Rewrite()};
    // A pair that does not verify is never the oldest.
    const std::string folder = FolderOfPath(made.front().Path);
    WriteFileBytes(folder + "000000-20200101-000000.BIN", "junk");
    WriteFileBytes(folder + "000000-20200101-000000.TXT", ReadFileBytes(BackupRecordPath(made.front().Path)));
    for (int i = 0; i < kBackupsKept + 1; ++i) {
        // Each save differs in a byte outside the names, as the game's saves do.
        std::string save = save_;
        save[0] = static_cast<char>(save[0] ^ (i + 1));
        WriteFileBytes(game_.SaveFile, save);
        // The zone moves west at each rewrite: the local time goes back.
        TScopedTimeZone zone(i % 2 == 0 ? "UTC-9" : "UTC+3");
        made.push_back(Rewrite());
    }
    const std::vector<TSaveBackup> listed = ListSaveBackups(dir_.Path(), "LOG1.DAT");
    ASSERT_EQ(listed.size(), std::size_t{kBackupsKept} + 1);
    for (int i = 0; i < kBackupsKept; ++i) EXPECT_EQ(listed[i].Path, made[made.size() - 1 - i].Path) << i;
    EXPECT_EQ(listed.back().Path, made.front().Path);
    EXPECT_FALSE(FileExists(made[1].Path));
    EXPECT_EQ(RestoreError(), "");
    EXPECT_EQ(ReadFileBytes(made.back().Path), ReadFileBytes(game_.SaveFile));
}

// What a killed run leaves in the backups folder, and pairs that do not
// verify (junk, a number too long, another slot's), are removed by the next
// backup once a few minutes old, and never listed or counted meanwhile; a
// restore's temporary file beside the save is removed by the next run.
TEST_F(SaveBackupTest, LeftoversAreIgnoredThenRemoved) {
    Rewrite();
    const std::string folder = FolderOfPath(ListSaveBackups(dir_.Path(), "LOG1.DAT").front().Path);
    const TDateStamp old{2020, 1, 1, 0, 0, 0};
    const std::string names[] = {"000007-20200101-000000.BIN",      "000008-20200101-000000.TXT",
                                 "000009-20200101-000000.BIN.tmp",  "000000-20200101-000000.BIN",
                                 "000000-20200101-000000.TXT",      "999999999999-20200101-000000.BIN",
                                 "999999999999-20200101-000000.TXT"};
    for (const std::string& name : names) {
        WriteFileBytes(folder + name, "junk");
        SetFileLocalTime(folder + name, old);
    }
    WriteFileBytes(folder + "000010-20200101-000000.BIN", "fresh");     // maybe a run at work right now
    WriteFileBytes(folder + "20200101-000000.BIN", "earlier version");  // never listed, never removed
    EXPECT_EQ(ListSaveBackups(dir_.Path(), "LOG1.DAT").size(), 1u);
    WriteFileBytes(game_.SaveFile + ".kasumiro-restore", "left");
    WriteFileBytes(game_.SaveFile, "!" + save_.substr(1));  // played since: a new backup
    const TSaveBackup next = Rewrite();
    for (const std::string& name : names) EXPECT_FALSE(FileExists(folder + name)) << name;
    EXPECT_TRUE(FileExists(folder + "000010-20200101-000000.BIN"));
    EXPECT_TRUE(FileExists(folder + "20200101-000000.BIN"));
    EXPECT_EQ(next.Number, 2u) << "numbered from the verified backups alone";
    EXPECT_EQ(FolderEntries(game_.Save), std::vector<std::string>{"BUSYO21.BIN"});
    // A folder in the way is named.
    MakeFolder(game_.SaveFile + ".kasumiro-restore");
    EXPECT_EQ(RestoreError().rfind(game_.SaveFile + ".kasumiro-restore: ", 0), 0u) << RestoreError();
}

// One writer at a time per slot: a second waits at most 5 s, then is refused.
TEST_F(SaveBackupTest, ASecondWriterIsRefusedAfterItsWait) {
    const std::string folder = FolderOfPath(Rewrite().Path);
    const TSlotLock held(folder);
    EXPECT_EQ(RestoreError(), kSlotBusyText + folder);
    EXPECT_NE(ReadFileBytes(game_.SaveFile), save_);
}

TEST_F(SaveBackupTest, AFailedBackupLeavesTheSaveUntouched) {
    // The backup folder cannot be made: a file stands where a folder must go.
    WriteFileBytes(home_.Path() + "kasumiro", "");
    WriteFileBytes(home_.Path() + "Kasumiro", "");
    try {
        Rewrite();
        ADD_FAILURE() << "rewrote without a backup";
    } catch (const Exception& error) {
        // The path that failed, and why.
        EXPECT_EQ(error.Message().rfind(kBackupFailedText + home_.Path(), 0), 0u) << error.Message();
        EXPECT_NE(error.Message().find(std::string(": ") + kNotAFolderText), std::string::npos) << error.Message();
    }
    EXPECT_EQ(ReadFileBytes(game_.SaveFile), save_);
}

// No game folder's name can forge a record: whatever it holds comes back as
// it was, and the hash and the plan are the ones written.
TEST(BackupRecord, NoFolderNameCanForgeAKey) {
    const std::string hash(64, 'a');
    const std::string forged = "/g\nplan=1:" + std::string(24, 'b') + "\n";
    const std::vector<TPlannedName> plan = {{0, std::string("\x8E\x6B\0 \n=\\\xFF", 8) + "abcd"},
                                            {1999, "ABCDEFGHIJKL"}};
    for (const std::string& game : {forged, std::string("/g\\n\r\\/"), std::string("/g=1\n\n")}) {
        const TBackupRecord written{game, "LOG1.DAT", "2026-12-07 16:30:00", 76000, hash, plan, ""};
        TBackupRecord read;
        ASSERT_TRUE(ParseBackupRecord(BackupRecordText(written), read)) << BackupRecordText(written);
        EXPECT_EQ(read.GameFolder, game);
        EXPECT_EQ(read.BackupHash, hash);
        ASSERT_EQ(read.Plan.size(), 2u);
        EXPECT_EQ(read.Plan[0].Name, plan[0].Name);
        EXPECT_EQ(read.Plan[1].Index, 1999);
        EXPECT_EQ(read.Size, 76000u);
    }
}

// The backup folder keeps the game folder's name whole: in CP932 the second
// byte of 能 is 0x5C, which is no separator.
TEST(SlotBackupFolder, KeepsTheGameFolderNameWhole) {
    if (!LiteralsAreSystemText()) GTEST_SKIP() << "its double-byte literals are not the system's text here";
    const std::string folder = SlotBackupFolder("/data/", "/games/表能/", "LOG1.DAT");
    EXPECT_EQ(folder.rfind("/data/表能-", 0), 0u) << folder;
}

// A relative place for the user's data is never taken: it would put the
// backups under the current folder, maybe the game's.
TEST(UserDataFolder, IgnoresARelativeSetting) {
    TTempDir home;
    TScopedBackupHome scopedHome("relative");
    EXPECT_EQ(UserDataFolder().find("relative"), std::string::npos) << UserDataFolder();
}

// Without the setting (Windows XP has no LOCALAPPDATA) the system's own place
// is taken, an absolute one, so that a backup can still be made.
TEST(UserDataFolder, TakesTheSystemsPlaceWithoutASetting) {
    TScopedBackupHome unset(std::nullopt);
    const std::string folder = UserDataFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_GT(PathRootLength(folder), 0u) << folder;
}

}  // namespace
