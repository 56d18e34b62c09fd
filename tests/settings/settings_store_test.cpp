// The start-up load, folder store and shut-down store against a real settings file.
#include <gtest/gtest.h>

#include "common/errors.h"
#include "common/paths.h"
#include "file_kit/temp_dir.h"
#include "settings/settings_store.h"

namespace {

const std::string kSep(1, kPathSeparator);

class SettingsStoreTest : public testing::Test {
protected:
    std::string Ini() const { return dir_.Path() + "Kasumiro.ini"; }
    void Store(const std::string& content) { WriteFileBytes(Ini(), content); }

    TTempDir dir_;
};

TEST_F(SettingsStoreTest, StartupLoadTakesTheStoredFolder) {
    const struct {
        const char* name;
        std::string stored;  // the BaseDir line, or nothing
        bool hasFolder;
        std::string baseDir;
        std::string chooser;
    } cases[] = {
        {"folder with separator", "BaseDir=C:" + kSep + "Game" + kSep, true, "C:" + kSep + "Game" + kSep,
         "C:" + kSep + "Game"},
        {"hand-edited without separator", "BaseDir=C:" + kSep + "Game", true, "C:" + kSep + "Game",
         "C:" + kSep + "Game"},
        {"drive root stored twice", "BaseDir=D:" + kSep + kSep, true, "D:" + kSep + kSep, "D:" + kSep},
        {"marker in other case is a folder", "BaseDir=error", true, "error", "error"},
        {"marker", "BaseDir=Error", false, "before", ""},
        {"empty", "BaseDir=", false, "before", ""},
        {"key missing", "SaveData=2", false, "before", ""},
    };
    for (const auto& c : cases) {
        Store("[Kasumiro]\r\n" + c.stored + "\r\n");
        std::unique_ptr<TIniFile> ini;
        std::string baseDir = "before";
        const TStartupSettings loaded = LoadStartupSettings(Ini(), ini, baseDir);
        ASSERT_TRUE(ini) << c.name;
        EXPECT_EQ(loaded.HasGameFolder, c.hasFolder) << c.name;
        EXPECT_EQ(baseDir, c.baseDir) << c.name;
        EXPECT_EQ(loaded.ChooserDirectory, c.chooser) << c.name;
    }
}

TEST_F(SettingsStoreTest, StartupLoadWithoutFileCreatesNothing) {
    std::unique_ptr<TIniFile> ini;
    std::string baseDir;
    EXPECT_FALSE(LoadStartupSettings(Ini(), ini, baseDir).HasGameFolder);
    EXPECT_EQ(baseDir, "");
    ini.reset();
    EXPECT_FALSE(FileExists(Ini()));
}

TEST_F(SettingsStoreTest, FolderStoreAppendsOneSeparatorAndClearsTheSlot) {
    const struct {
        std::string chosen;
        std::string baseDir;
    } cases[] = {
        {"C:" + kSep + "Game", "C:" + kSep + "Game" + kSep},
        {"D:" + kSep, "D:" + kSep + kSep},
    };
    for (const auto& c : cases) {
        Store("[Kasumiro]\r\nSaveData=3\r\n");
        TIniFile ini(Ini());
        std::string baseDir;
        StoreGameFolder(ini, baseDir, c.chosen);
        EXPECT_EQ(baseDir, c.baseDir);
        EXPECT_EQ(ini.ReadString("Kasumiro", "BaseDir", "Error"), c.baseDir);
        EXPECT_EQ(ini.ReadInteger("Kasumiro", "SaveData", 7), -1);
    }
}

// A folder in the settings file's place refuses every write.
TEST_F(SettingsStoreTest, RefusedFolderStoreStopsButKeepsTheNewBaseDir) {
    MakeFolder(Ini());
    TIniFile ini(Ini());
    std::string baseDir = "old";
    EXPECT_THROW(StoreGameFolder(ini, baseDir, "new"), EIniFileException);
    EXPECT_EQ(baseDir, "new" + kSep);
}

TEST_F(SettingsStoreTest, RefusedShutdownStoreKeepsTheFileObject) {
    MakeFolder(Ini());
    auto ini = std::make_unique<TIniFile>(Ini());
    EXPECT_THROW(StoreShutdownSettings(ini, 1), EIniFileException);
    EXPECT_TRUE(ini);
}

TEST(SettingsFilePath, ModulePathLosesFourBytes) {
    const struct {
        const char* module;
        const char* settings;
    } cases[] = {
        {"C:\\Tools\\Kasumiro.exe", "C:\\Tools\\Kasumiro.ini"},
        {"C:\\Tools\\Kasumiro", "C:\\Tools\\Kasu.ini"},
        {"C:\\Tools\\K.e", "C:\\Tools.ini"},
        {"abc", ".ini"},
    };
    for (const auto& c : cases) EXPECT_EQ(SettingsPathFromModulePath(c.module), c.settings) << c.module;
}

TEST(SettingsFilePath, ExecutablePathChangesItsExtension) {
    const struct {
        const char* executable;
        const char* settings;
    } cases[] = {
        {"/opt/kasumiro/kasumiro", "/opt/kasumiro/kasumiro.ini"},
        {"/opt/kasumiro/Kasumiro.exe", "/opt/kasumiro/Kasumiro.ini"},
        {"/opt/k.d/kasumiro", "/opt/k.d/kasumiro.ini"},
        {"/opt/k/a.b.c", "/opt/k/a.b.ini"},
        {"/opt/k/.kasumiro", "/opt/k/.kasumiro.ini"},
        {"kasumiro", "kasumiro.ini"},
    };
    for (const auto& c : cases) EXPECT_EQ(SettingsPathFromExecutablePath(c.executable), c.settings) << c.executable;
}

TEST(SettingsFilePath, IsNamedAfterTheRunningProgram) {
    const std::string path = SettingsFilePath();
    const std::string name = path.substr(path.find_last_of(kPathSeparator) + 1);
    EXPECT_EQ(name, "kasumiro_tests.ini");
}

}  // namespace
