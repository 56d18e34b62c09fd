// SHA-256 against the standard digests, and save backups on synthetic game
// folders: the byte-exact way back, the refusal over newer progress, the
// newest ten kept, and a failed backup that leaves the save alone.
#include <gtest/gtest.h>

#include "common/errors.h"
#include "process/backup_files.h"
#include "process/process.h"
#include "process/save_backup.h"
#include "process/sha256.h"
#include "support/backup_home.h"
#include "support/officer_files.h"
#include "support/temp_dir.h"

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

    TSaveBackup Rewrite() { return RewriteOfficerNamesWithBackup(dir_.Path(), "LOG1.DAT"); }
    TSaveBackup Restore(bool force) { return RestoreSaveBackup(dir_.Path(), "LOG1.DAT", "", force); }

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
    // The record beside it names the save as the rewrite left it.
    const std::string record = ReadFileBytes(backup.Path.substr(0, backup.Path.size() - 4) + ".TXT");
    EXPECT_NE(record.find("slot=LOG1.DAT\n"), std::string::npos) << record;
    EXPECT_NE(record.find("sha256=" + Sha256Hex(rewritten) + "\n"), std::string::npos) << record;

    EXPECT_EQ(Restore(false).Path, backup.Path);
    EXPECT_EQ(ReadFileBytes(game_.SaveFile), save_);
    // Nothing is left behind in the game's slot folder.
    EXPECT_EQ(FolderEntries(game_.Save), std::vector<std::string>{"BUSYO21.BIN"});
}

TEST_F(SaveBackupTest, RestoreRefusesOverNewerProgressUnlessForced) {
    Rewrite();
    std::string played = ReadFileBytes(game_.SaveFile);
    played[100] = static_cast<char>(played[100] ^ 1);  // the game saved since
    WriteFileBytes(game_.SaveFile, played);
    try {
        Restore(false);
        ADD_FAILURE() << "restored over a changed save";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), kSaveChangedText);
    }
    EXPECT_EQ(ReadFileBytes(game_.SaveFile), played);
    Restore(true);
    EXPECT_EQ(ReadFileBytes(game_.SaveFile), save_);
}

TEST_F(SaveBackupTest, KeepsTheNewestTenOfASlot) {
    std::vector<TSaveBackup> made;
    made.reserve(kBackupsKept + 2);
    for (int i = 0; i < kBackupsKept + 2; ++i) made.push_back(Rewrite());
    const std::vector<TSaveBackup> listed = ListSaveBackups(dir_.Path(), "LOG1.DAT");
    ASSERT_EQ(listed.size(), std::size_t{kBackupsKept});
    for (std::size_t i = 0; i < listed.size(); ++i) EXPECT_EQ(listed[i].Path, made[made.size() - 1 - i].Path) << i;
    EXPECT_FALSE(FileExists(made[0].Path));
    EXPECT_EQ(FolderEntries(FolderOfPath(made.back().Path)).size(), std::size_t{2} * kBackupsKept);
}

TEST_F(SaveBackupTest, AFailedBackupLeavesTheSaveUntouched) {
    // The backup folder cannot be made: a file stands where a folder must go.
    WriteFileBytes(home_.Path() + "kasumiro", "");
    WriteFileBytes(home_.Path() + "Kasumiro", "");
    try {
        Rewrite();
        ADD_FAILURE() << "rewrote without a backup";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message().rfind(kBackupFailedText + home_.Path(), 0), 0u) << error.Message();
    }
    EXPECT_EQ(ReadFileBytes(game_.SaveFile), save_);
}

}  // namespace
