// The Linux settings file writer: a whole new file each time, in place of the old.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "common/errors.h"
#include "settings/ini_file.h"
#include "support/temp_dir.h"

namespace {

std::size_t EntriesIn(const std::string& folder) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
    return count;
}

TEST(IniFilePosix, WriteKeepsPermissionsAndLeavesNoTemporaryFile) {
    TTempDir dir;
    const std::string path = dir.Path() + "k.ini";
    WriteFileBytes(path, "[Kasumiro]\nSaveData=2\n");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);

    TIniFile ini(path);
    ini.WriteInteger("Kasumiro", "SaveData", 4);

    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadFileBytes(path), "[Kasumiro]\nSaveData=4\n");
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

// A file without write permission refuses writes even for the superuser,
// as a read-only file does on Windows.
TEST(IniFilePosix, ReadOnlyFileRefusesAndStaysAsItWas) {
    TTempDir dir;
    const std::string path = dir.Path() + "k.ini";
    const std::string before = "[Kasumiro]\nSaveData=2\n";
    WriteFileBytes(path, before);
    SetReadOnly(path, true);
    TIniFile ini(path);
    try {
        ini.WriteInteger("Kasumiro", "SaveData", 4);
        ADD_FAILURE() << "no error";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message(), path + " に書き込めません");
    }
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(IniFilePosix, WriteThroughALinkChangesTheLinkedFile) {
    TTempDir dir;
    const std::string target = dir.Path() + "real.ini";
    const std::string link = dir.Path() + "k.ini";
    WriteFileBytes(target, "[Kasumiro]\nSaveData=2\n");
    std::filesystem::create_symlink(target, link);

    TIniFile ini(link);
    ini.WriteInteger("Kasumiro", "SaveData", 1);

    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(target), "[Kasumiro]\nSaveData=1\n");
}

}  // namespace
