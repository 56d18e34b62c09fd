// The officer file's record access on real files: whole records only, the
// short-file and missing-file codes, and nothing touched beyond one record.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "common/errors.h"
#include "common/paths.h"
#include "file_kit/temp_dir.h"
#include "process/officer_file.h"
#include "support/officer_files.h"

namespace {

std::string AsBytes(const TOfficerRecord& record) {
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

TEST(OfficerFile, ReadsAndWritesBackAllRecordsOfAFullFile) {
    TTempDir dir;
    const std::string path = dir.Path() + "BUSYO21.BIN";
    const std::string original = OfficerFileBytes(kOfficerCount, ScenarioName, 1);
    ASSERT_EQ(original.size(), 76000u);
    WriteFileBytes(path, original);

    std::string expected;
    TOfficerFile file;
    file.Open(path, kOfficerRecordSize);
    for (std::int32_t i = 0; i < kOfficerCount; ++i) {
        TOfficerRecord record;
        file.Seek(i);
        file.Read(record);
        ASSERT_EQ(AsBytes(record), RecordAt(original, i)) << i;
        record.OfficerName[0] ^= 0xFF;
        record.Tail[19] ^= 0x5A;
        file.Seek(i);
        file.Write(record);
        expected += AsBytes(record);
    }
    file.Close();
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(ReadFileBytes(path), expected);
}

TEST(OfficerFile, ReadAtOrPastTheEndGivesShortReadButSeekSucceeds) {
    const struct {
        std::size_t fileSize;
        std::int32_t index;
        std::int32_t readCode;
    } cases[] = {
        {75999, 1998, 0}, {75999, 1999, 100}, {76000, 1999, 0}, {76000, 2000, 100},
        {0, 0, 100},      {37, 0, 100},       {38, 0, 0},       {38, 100000, 100},
    };
    for (const auto& c : cases) {
        TTempDir dir;
        const std::string path = dir.Path() + "BUSYO21.BIN";
        WriteFileBytes(path, OfficerFileBytes(kOfficerCount + 1, ScenarioName, 2).substr(0, c.fileSize));
        TOfficerFile file;
        file.Open(path, kOfficerRecordSize);
        file.Seek(c.index);  // never fails, whatever the file's length
        TOfficerRecord record;
        std::int32_t code = 0;
        try {
            file.Read(record);
        } catch (const EInOutError& error) {
            code = error.ErrorCode();
        }
        EXPECT_EQ(code, c.readCode) << c.fileSize << " bytes, record " << c.index;
        file.Close();
        EXPECT_EQ(ReadFileBytes(path).size(), c.fileSize) << "a read never grows the file";
    }
}

TEST(OfficerFile, WriteChangesExactlyOneRecord) {
    for (std::int32_t k : {0, 1, 1000, 1999}) {
        TTempDir dir;
        const std::string path = dir.Path() + "BUSYO21.BIN";
        const std::string original = OfficerFileBytes(kOfficerCount + 5, ScenarioName, 3);
        WriteFileBytes(path, original);
        const std::string replacement = RecordBytes(k, Bytes({0x8E, 0x6B, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), 99);
        TOfficerRecord record;
        std::memcpy(&record, replacement.data(), sizeof record);

        TOfficerFile file;
        file.Open(path, kOfficerRecordSize);
        file.Seek(k);
        file.Write(record);
        file.Close();

        std::string expected = original;
        expected.replace(static_cast<std::size_t>(k) * 38, 38, replacement);
        EXPECT_EQ(ReadFileBytes(path), expected) << "record " << k;
    }
}

TEST(OfficerFile, ReadOnlyFileIsRefusedForWriting) {
    TTempDir dir;
    if (!ReadOnlyFilesAreRefusedHere(dir.Path())) GTEST_SKIP() << "read-only files are writable here";
    const std::string readOnly = dir.Path() + "READONLY.BIN";
    WriteFileBytes(readOnly, OfficerFileBytes(3, ScenarioName, 4));
    SetReadOnly(readOnly, true);
    EXPECT_EQ(OfficerFileOpenCode(readOnly), 5);
}

TEST(OfficerFile, OpenFailuresLeaveTheObjectClosedAndCreateNothing) {
    TTempDir dir;
    const std::string folder = dir.Path() + "FOLDER.DAT";
    MakeFolder(folder);

    const struct {
        const char* what;
        std::string path;
        TOfficerFile::TAccess access;
        std::int32_t code;
    } cases[] = {
        {"missing file", dir.Path() + "MISSING.BIN", TOfficerFile::TAccess::ReadWrite, 2},
        {"missing file, read only", dir.Path() + "MISSING.BIN", TOfficerFile::TAccess::ReadOnly, 2},
        {"missing folder", dir.Path() + "NOPE.DAT" + kPathSeparator + "BUSYO21.BIN", TOfficerFile::TAccess::ReadWrite,
         3},
        {"a folder is not a file", folder, TOfficerFile::TAccess::ReadWrite, 5},
        {"a folder is not a file, read only", folder, TOfficerFile::TAccess::ReadOnly, 5},
    };
    for (const auto& c : cases) EXPECT_EQ(OfficerFileOpenCode(c.path, c.access), c.code) << c.what;
    EXPECT_FALSE(FileExists(dir.Path() + "MISSING.BIN"));
    EXPECT_FALSE(FileExists(dir.Path() + "NOPE.DAT"));
}

}  // namespace
