// The Linux settings file writer: a whole new file each time, in place of the old.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <thread>
#include <vector>

#include "common/errors.h"
#include "file_kit/temp_dir.h"
#include "settings/ini_file.h"

namespace {

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The files in folder besides the settings files (".ini") and their lock
// files (".lock", kept for the next write as lock files are).
std::vector<std::string> LeftoverFiles(const std::string& folder) {
    std::vector<std::string> leftovers;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (!EndsWith(name, ".ini") && !EndsWith(name, ".lock")) leftovers.push_back(name);
    }
    return leftovers;
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
    EXPECT_TRUE(LeftoverFiles(dir.Path()).empty());
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
        EXPECT_EQ(e.Message(), path + " に書き込めません: " + path + ": ファイルへのアクセスが拒否されました");
    }
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_TRUE(LeftoverFiles(dir.Path()).empty());
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

namespace {

// Runs check in a child process that may take at most `seconds`, so a read
// or a wait that blocks fails the test instead of hanging it.
bool InChildWithin(unsigned seconds, const std::function<bool()>& check) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(seconds);
        bool passed = false;
        try {
            passed = check();
        } catch (...) {
        }
        ::_exit(passed ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Whether the write is refused naming the file, then the file of the reason and the reason.
bool RefusesTheWrite(TIniFile& ini, const std::string& path, const std::string& reason) {
    try {
        ini.WriteInteger("Kasumiro", "SaveData", 4);
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message(), path + " に書き込めません: " + reason);
        return e.Message() == path + " に書き込めません: " + reason;
    }
    return false;
}

// A folder, a FIFO or a device at the path reads as a missing file and
// refuses writes; none of them is replaced or blocks.
TEST(IniFilePosix, NoRegularFileAtThePathReadsAsMissingAndRefusesWrites) {
    TTempDir dir;
    const std::string path = dir.Path() + "k.ini";
    const std::string denied = ": ファイルへのアクセスが拒否されました";
    const struct {
        std::function<void()> Make;  // what is put at the path
        std::string Reason;          // the refusal's file and reason
    } cases[] = {
        {[&] { MakeFolder(path); }, path + denied},
        {[&] { ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0); }, path + denied},
        {[&] { std::filesystem::create_symlink("/dev/null", path); }, "/dev/null" + denied},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(path);
        c.Make();
        const auto type = std::filesystem::symlink_status(path).type();
        EXPECT_TRUE(InChildWithin(5, [&] {
            TIniFile ini(path);
            return ini.ReadString("Kasumiro", "BaseDir", "Error") == "Error" && RefusesTheWrite(ini, path, c.Reason);
        })) << static_cast<int>(type);
        EXPECT_EQ(std::filesystem::symlink_status(path).type(), type);
        EXPECT_TRUE(LeftoverFiles(dir.Path()).empty());
    }
}

// Another process that keeps the lock (stopped, say) delays a write by 5
// seconds at most: then the write is refused and the file stays as it was.
TEST(IniFilePosix, AWriteGivesUpOnALockHeldElsewhereAfter5s) {
    TTempDir dir;
    const std::string path = dir.Path() + "k.ini";
    const std::string before = "[Kasumiro]\nSaveData=2\n";
    WriteFileBytes(path, before);
    const int holder = ::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    EXPECT_TRUE(InChildWithin(8, [&] {
        TIniFile ini(path);
        const auto start = std::chrono::steady_clock::now();
        const bool refused = RefusesTheWrite(ini, path, path + ".lock: ほかの実行が設定ファイルを使っています");
        const auto waited = std::chrono::steady_clock::now() - start;
        return refused && waited >= std::chrono::milliseconds(4900) && waited < std::chrono::seconds(7);
    }));
    ::close(holder);
    EXPECT_EQ(ReadFileBytes(path), before);
    TIniFile ini(path);
    ini.WriteInteger("Kasumiro", "SaveData", 4);  // the lock is free again
    EXPECT_EQ(ReadFileBytes(path), "[Kasumiro]\nSaveData=4\n");
}

// Ours is under 1 KiB: a file over 1 MiB (10 MB of newlines, a sparse 1 GiB)
// reads as missing and refuses writes, so it is neither read into memory nor
// written back dense.
TEST(IniFilePosix, AFileOverOneMebibyteReadsAsMissingAndStaysAsItWas) {
    const struct {
        off_t Size;
        std::int32_t Read;
    } cases[] = {{off_t{1} << 20, 2}, {(off_t{1} << 20) + 1, -1}, {off_t{1} << 30, -1}};
    for (const auto& c : cases) {
        TTempDir dir;
        const std::string path = dir.Path() + "k.ini";
        WriteFileBytes(path, "[Kasumiro]\nSaveData=2\n");
        ASSERT_EQ(::truncate(path.c_str(), c.Size), 0);
        struct stat before {};
        ASSERT_EQ(::stat(path.c_str(), &before), 0);
        TIniFile ini(path);
        EXPECT_EQ(ini.ReadInteger("Kasumiro", "SaveData", -1), c.Read) << c.Size;
        if (c.Read != -1) continue;
        EXPECT_TRUE(RefusesTheWrite(ini, path, path + ": ファイルが大きすぎます")) << c.Size;
        struct stat after {};
        ASSERT_EQ(::stat(path.c_str(), &after), 0);
        EXPECT_EQ(after.st_size, before.st_size);
        EXPECT_EQ(after.st_blocks, before.st_blocks);
        EXPECT_EQ(after.st_ino, before.st_ino) << "the file was replaced";
    }
}

TEST(IniFilePosix, WriteThroughADanglingLinkCreatesItsTarget) {
    TTempDir dir;
    MakeFolder(dir.Path() + "real");
    const std::string link = dir.Path() + "k.ini";
    std::filesystem::create_symlink("real/k.ini", link);

    TIniFile ini(link);
    ini.WriteInteger("Kasumiro", "SaveData", 1);

    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(dir.Path() + "real/k.ini"), "[Kasumiro]\r\nSaveData=1\r\n");
}

// The temporary name fits wherever the file's own name fits.
TEST(IniFilePosix, FileNamesUpToTheLongestAreWritten) {
    for (const std::size_t length : {240u, 250u, 251u, 255u}) {
        TTempDir dir;
        TIniFile ini(dir.Path() + std::string(length - 4, 'n') + ".ini");
        ini.WriteInteger("Kasumiro", "SaveData", 3);
        ini.WriteInteger("Kasumiro", "SaveData", 4);
        EXPECT_EQ(ini.ReadInteger("Kasumiro", "SaveData", -1), 4) << length;
        EXPECT_TRUE(LeftoverFiles(dir.Path()).empty()) << length;
    }
}

// Writers killed at any moment leave at most the one temporary file, which
// the next write takes over.
TEST(IniFilePosix, KilledWritersLeaveNoTemporaryFilesBehind) {
    TTempDir dir;
    const std::string path = dir.Path() + "k.ini";
    for (int kill = 0; kill < 30; ++kill) {
        const pid_t child = ::fork();
        if (child == 0) {
            TIniFile ini(path);
            for (std::int32_t i = 0;; ++i) ini.WriteInteger("Kasumiro", "SaveData", i);
        }
        ::usleep(static_cast<useconds_t>(2000 + kill * 300));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
    EXPECT_LE(LeftoverFiles(dir.Path()).size(), 1u);
    TIniFile ini(path);
    ini.WriteString("Kasumiro", "BaseDir", "/game/");
    EXPECT_EQ(ini.ReadString("Kasumiro", "BaseDir", "Error"), "/game/");
    EXPECT_TRUE(LeftoverFiles(dir.Path()).empty());
}

TEST(IniFilePosix, TwoWritersAtOnceLoseNoKey) {
    TTempDir dir;
    const std::string path = dir.Path() + "k.ini";
    constexpr int kKeys = 40;
    const auto writeKeys = [&path](char writer) {
        TIniFile ini(path);
        for (int i = 0; i < kKeys; ++i) ini.WriteInteger("Kasumiro", writer + std::to_string(i), i);
    };
    std::thread first(writeKeys, 'a');
    std::thread second(writeKeys, 'b');
    first.join();
    second.join();
    TIniFile ini(path);
    for (const char writer : {'a', 'b'}) {
        for (int i = 0; i < kKeys; ++i) EXPECT_EQ(ini.ReadInteger("Kasumiro", writer + std::to_string(i), -1), i);
    }
}

}  // namespace
