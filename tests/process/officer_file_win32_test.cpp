// Windows only: a file held without sharing, and the path length limit.
#include <gtest/gtest.h>

#include <windows.h>

#include "common/errors.h"
#include "common/win32_handle.h"
#include "file_kit/temp_dir.h"
#include "process/officer_file.h"
#include "support/officer_files.h"

namespace {

TEST(OfficerFileWin32, FileHeldWithoutSharingGivesSharingViolation) {
    TTempDir dir;
    const std::string path = dir.Path() + "BUSYO21.BIN";
    WriteFileBytes(path, OfficerFileBytes(1, ScenarioName, 1));
    TFileHandle held(
        CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held.IsValid());

    TOfficerFile file;
    try {
        file.Open(path, kOfficerRecordSize);
        ADD_FAILURE() << "opened a file held without sharing";
    } catch (const EInOutError& error) {
        EXPECT_EQ(error.ErrorCode(), 32);
        EXPECT_EQ(error.Message(), "I/O エラー (32)");
        EXPECT_EQ(ErrorBoxText(error.Message()), "I/O エラー (32)");
    }
    held.Reset();
    EXPECT_EQ(OfficerFileOpenCode(path), 0);
}

TEST(OfficerFileWin32, PathsLongerThan259BytesAreRefused) {
    TTempDir dir;
    const std::string base = dir.Path() + "M";
    const std::string at259 = base + std::string(259 - base.size(), 'x');
    EXPECT_EQ(OfficerFileOpenCode(at259), 2) << "a 259-byte path is still tried";
    EXPECT_EQ(OfficerFileOpenCode(at259 + "x"), 206);
    EXPECT_EQ(OfficerFileOpenCode(at259 + std::string(300, 'x')), 206);
}

}  // namespace
