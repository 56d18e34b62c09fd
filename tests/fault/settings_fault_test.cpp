// Faults injected into the settings file's system calls: after any fault a
// write leaves the old file or the new one, never a temporary file; a read
// that fails gives the default.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>

#include "common/errors.h"
#include "fault/syscall_faults.h"
#include "file_kit/temp_dir.h"
#include "settings/ini_file.h"
#include "support/officer_files.h"

namespace {

constexpr TSyscall kCalls[] = {TSyscall::Open,  TSyscall::Pread, TSyscall::Pwrite,
                               TSyscall::Close, TSyscall::Fsync, TSyscall::Rename};
constexpr TFaultKind kKinds[] = {TFaultKind::Eio,   TFaultKind::Enospc, TFaultKind::Eacces,
                                 TFaultKind::Eintr, TFaultKind::Short,  TFaultKind::Nothing};

bool Applies(TSyscall call, TFaultKind kind) {
    const bool transferFault = kind == TFaultKind::Short || kind == TFaultKind::Nothing;
    return !transferFault || call == TSyscall::Pread || call == TSyscall::Pwrite;
}

std::set<std::string> FileNamesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename());
    return names;
}

class SettingsWriteFaults : public testing::TestWithParam<std::optional<std::string>> {
protected:
    // Lays the old file (or none), runs the write; whether it was refused
    // with the right text.
    bool WriteUnder(const std::vector<TFault>& faults) {
        LayOldFile();
        TIniFile ini(path_);
        const TFaultScope scope(faults);
        try {
            ini.WriteInteger("Kasumiro", "SaveData", 4);
        } catch (const EIniFileException& e) {
            // The reason follows, naming the file or folder that failed.
            EXPECT_EQ(e.Message().rfind(path_ + " に書き込めません: " + dir_.Path(), 0), 0u) << e.Message();
            return true;
        }
        return false;
    }

    void LayOldFile() {
        std::filesystem::remove(path_);
        if (GetParam()) WriteFileBytes(path_, *GetParam());
    }

    std::optional<std::string> Content() const {
        if (!FileExists(path_)) return std::nullopt;
        return ReadFileBytes(path_);
    }

    TTempDir dir_;
    const std::string path_ = dir_.Path() + "k.ini";
};

TEST_P(SettingsWriteFaults, LeaveTheOldFileOrTheNewOneAndNoTemporaryFile) {
    LayOldFile();
    std::array<int, kSyscallKinds> calls{};
    {
        const TFaultScope counting;
        TIniFile(path_).WriteInteger("Kasumiro", "SaveData", 4);
        for (const TSyscall call : kCalls) calls[static_cast<std::size_t>(call)] = counting.Calls(call);
    }
    const std::optional<std::string> after = Content();
    ASSERT_TRUE(after);

    const std::size_t descriptors = OpenDescriptorCount();
    int injected = 0;
    for (const TSyscall call : kCalls) {
        for (int nth = 1; nth <= calls[static_cast<std::size_t>(call)]; ++nth) {
            for (const TFaultKind kind : kKinds) {
                if (!Applies(call, kind)) continue;
                const std::string name = NameOf(call) + " #" + std::to_string(nth) + " " + NameOf(kind);
                const bool refused = WriteUnder({{call, nth, kind}});
                const std::optional<std::string> now = Content();
                EXPECT_TRUE(now == after || (refused && now == GetParam())) << name;
                std::set<std::string> expected = {"k.ini.lock"};
                if (now) expected.insert("k.ini");
                EXPECT_EQ(FileNamesIn(dir_.Path()), expected) << name;
                EXPECT_EQ(OpenDescriptorCount(), descriptors) << name;
                ++injected;
            }
        }
    }
    std::cout << "[ FAULTS   ] " << injected << " faults injected into the settings write\n";
}

INSTANTIATE_TEST_SUITE_P(OldFile, SettingsWriteFaults,
                         testing::Values(std::optional<std::string>("[Kasumiro]\nBaseDir=/g/\nSaveData=2\n"),
                                         std::nullopt));

TEST(SettingsReadFaults, AReadThatFailsGivesTheDefault) {
    TTempDir dir;
    const std::string path = dir.Path() + "k.ini";
    WriteFileBytes(path, "[Kasumiro]\nBaseDir=/g/\n");
    const TIniFile ini(path);
    for (const TFault& fault : std::vector<TFault>{{TSyscall::Open, 1, TFaultKind::Eio},
                                                   {TSyscall::Open, 1, TFaultKind::Eacces},
                                                   {TSyscall::Pread, 1, TFaultKind::Eio},
                                                   {TSyscall::Pread, 2, TFaultKind::Eio}}) {
        TFaultScope scope({fault});
        EXPECT_EQ(ini.ReadString("Kasumiro", "BaseDir", "Error"), "Error") << NameOf(fault.Call) << fault.Nth;
    }
}

}  // namespace
