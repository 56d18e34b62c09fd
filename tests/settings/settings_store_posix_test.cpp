// A refused write stops the folder store: later writes do not happen.
#include <gtest/gtest.h>

#include "common/errors.h"
#include "settings/settings_store.h"
#include "support/temp_dir.h"

namespace {

TEST(SettingsStorePosix, ReadOnlyFileStopsTheFolderStoreAtItsFirstWrite) {
    TTempDir dir;
    const std::string path = dir.Path() + "Kasumiro.ini";
    const std::string before = "[Kasumiro]\r\nBaseDir=/old/\r\nSaveData=3\r\n";
    WriteFileBytes(path, before);
    SetReadOnly(path, true);

    TIniFile ini(path);
    std::string baseDir = "/old/";
    EXPECT_THROW(StoreGameFolder(ini, baseDir, "/new"), EIniFileException);
    EXPECT_EQ(baseDir, "/new/");
    EXPECT_EQ(ReadFileBytes(path), before);
}

}  // namespace
