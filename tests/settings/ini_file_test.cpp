// The settings file against real files: under Wine these same cases are
// answered by the platform's profile functions.
#include <gtest/gtest.h>

#include <optional>

#include "common/errors.h"
#include "file_kit/temp_dir.h"
#include "settings/ini_file.h"

namespace {

class IniFileTest : public testing::Test {
protected:
    std::string PathOf(const std::string& name) const { return dir_.Path() + name; }
    std::string Ini() const { return PathOf("k.ini"); }

    TTempDir dir_;
};

TEST_F(IniFileTest, ReadsValuesAsTheProfileFunctionsDo) {
    const struct {
        const char* name;
        std::string content;
        const char* section;
        const char* key;
        std::string expected;
    } cases[] = {
        {"plain", "[Kasumiro]\r\nBaseDir=C:\\Game\\\r\n", "Kasumiro", "BaseDir", "C:\\Game\\"},
        {"missing section", "[Other]\r\nBaseDir=x\r\n", "Kasumiro", "BaseDir", "Error"},
        {"missing key", "[Kasumiro]\r\nSaveData=1\r\n", "Kasumiro", "BaseDir", "Error"},
        {"key of a later section", "[Kasumiro]\r\n[Other]\r\nBaseDir=x\r\n", "Kasumiro", "BaseDir", "Error"},
        {"empty value", "[Kasumiro]\r\nBaseDir=\r\n", "Kasumiro", "BaseDir", ""},
        {"names in other case", "[kasumiro]\r\nbaseDIR=x\r\n", "Kasumiro", "BaseDir", "x"},
        {"blanks around", "[Kasumiro]\r\n  BaseDir  =  C:\\My Game\\  \r\n", "Kasumiro", "BaseDir", "C:\\My Game\\"},
        {"single quotes", "[Kasumiro]\r\nBaseDir='a b'\r\n", "Kasumiro", "BaseDir", "a b"},
        {"double quotes", "[Kasumiro]\r\nBaseDir=\"a b\"\r\n", "Kasumiro", "BaseDir", "a b"},
        {"unmatched quote", "[Kasumiro]\r\nBaseDir='a\r\n", "Kasumiro", "BaseDir", "'a"},
        {"LF line ends", "[Other]\nk=v\n[Kasumiro]\nBaseDir=lf\n", "Kasumiro", "BaseDir", "lf"},
        {"no final line end", "[Kasumiro]\r\nBaseDir=end", "Kasumiro", "BaseDir", "end"},
        {"comment is no key", "[Kasumiro]\r\n;BaseDir=x\r\n", "Kasumiro", "BaseDir", "Error"},
        {"first of two keys", "[Kasumiro]\r\nBaseDir=one\r\nBaseDir=two\r\n", "Kasumiro", "BaseDir", "one"},
        {"double-byte path", "[Kasumiro]\r\nBaseDir=C:\\\x95\x5C\\\r\n", "Kasumiro", "BaseDir", "C:\\\x95\x5C\\"},
    };
    for (const auto& c : cases) {
        WriteFileBytes(Ini(), c.content);
        TIniFile ini(Ini());
        EXPECT_EQ(ini.ReadString(c.section, c.key, "Error"), c.expected) << c.name;
    }
}

TEST_F(IniFileTest, ValuesAreCutAt2047Bytes) {
    const std::string fits(2047, 'a');
    const std::string tooLong(3000, 'b');
    WriteFileBytes(Ini(), "[Kasumiro]\r\nFits=" + fits + "\r\nLong=" + tooLong + "\r\n");
    TIniFile ini(Ini());
    EXPECT_EQ(ini.ReadString("Kasumiro", "Fits", ""), fits);
    EXPECT_EQ(ini.ReadString("Kasumiro", "Long", ""), tooLong.substr(0, 2047));
}

// "0x3" and "0X3" are read as "$3"; the conversion itself is tested on its own.
TEST_F(IniFileTest, ReadIntegerTakesHexadecimalPrefixes) {
    for (const char* stored : {"3", "0x3", "0X3", "$3"}) {
        WriteFileBytes(Ini(), std::string("[Kasumiro]\r\nSaveData=") + stored + "\r\n");
        EXPECT_EQ(TIniFile(Ini()).ReadInteger("Kasumiro", "SaveData", -1), 3) << stored;
    }
    WriteFileBytes(Ini(), "[Kasumiro]\r\nSaveData=2147483648\r\n");
    EXPECT_EQ(TIniFile(Ini()).ReadInteger("Kasumiro", "SaveData", -1), -1);
}

TEST_F(IniFileTest, WritesEditTheFileInPlace) {
    const struct {
        const char* name;
        std::optional<std::string> before;  // nothing: no file yet
        const char* section;
        const char* key;
        const char* value;
        std::string after;
    } cases[] = {
        {"first write creates the file", std::nullopt, "Kasumiro", "SaveData", "-1", "[Kasumiro]\r\nSaveData=-1\r\n"},
        {"value replaced", "[Kasumiro]\r\nSaveData=2\r\nBaseDir=x\r\n", "Kasumiro", "SaveData", "-1",
         "[Kasumiro]\r\nSaveData=-1\r\nBaseDir=x\r\n"},
        {"spelling kept", "[kasumiro]\r\nsavedata=2\r\n", "Kasumiro", "SaveData", "4", "[kasumiro]\r\nsavedata=4\r\n"},
        {"new key at end of its section", "; note\r\n[Other]\r\nk=v\r\n[Kasumiro]\r\nSaveData=2\r\n[Last]\r\nz=1\r\n",
         "Kasumiro", "BaseDir", "C:\\G\\",
         "; note\r\n[Other]\r\nk=v\r\n[Kasumiro]\r\nSaveData=2\r\nBaseDir=C:\\G\\\r\n[Last]\r\nz=1\r\n"},
        {"new section at end", "[Other]\r\nk=v\r\n", "Kasumiro", "SaveData", "0",
         "[Other]\r\nk=v\r\n[Kasumiro]\r\nSaveData=0\r\n"},
        {"empty value", "[Kasumiro]\r\nBaseDir=x\r\n", "Kasumiro", "BaseDir", "", "[Kasumiro]\r\nBaseDir=\r\n"},
    };
    for (const auto& c : cases) {
        if (c.before) WriteFileBytes(Ini(), *c.before);
        TIniFile(Ini()).WriteString(c.section, c.key, c.value);
        EXPECT_EQ(ReadFileBytes(Ini()), c.after) << c.name;
    }
}

TEST_F(IniFileTest, ValuesReadBackByteForByte) {
    const std::string values[] = {"C:\\\x95\x5C\\", std::string(2047, 'z'), "a=b;c", "x  y", "-2147483648"};
    TIniFile ini(Ini());
    for (const auto& value : values) {
        ini.WriteString("Kasumiro", "BaseDir", value);
        EXPECT_EQ(ini.ReadString("Kasumiro", "BaseDir", "Error"), value);
    }
    ini.WriteInteger("Kasumiro", "SaveData", -2147483647 - 1);
    EXPECT_EQ(ini.ReadInteger("Kasumiro", "SaveData", 0), -2147483647 - 1);
    ini.WriteInteger("Kasumiro", "SaveData", 2147483647);
    EXPECT_EQ(ini.ReadString("Kasumiro", "SaveData", ""), "2147483647");
}

TEST_F(IniFileTest, RefusedWritesRaiseWithThePath) {
    // A folder where the file should be, and a file in a folder that is missing.
    const std::string folder = PathOf("folder.ini");
    MakeFolder(folder);
    const std::string missingFolder = PathOf("missing") + dir_.Path().back() + "k.ini";

    for (const std::string& path : {folder, missingFolder}) {
        TIniFile ini(path);
        try {
            ini.WriteInteger("Kasumiro", "SaveData", -1);
            ADD_FAILURE() << "no error for " << path;
        } catch (const EIniFileException& e) {
            // On Linux the reason follows.
            EXPECT_EQ(e.Message().rfind(path + " に書き込めません", 0), 0u) << e.Message();
            // The path is marked as the system's text, to be shown in its code page.
            EXPECT_EQ(e.Message().substr(e.SystemText().Offset, e.SystemText().Length), path);
        }
    }
    EXPECT_FALSE(FileExists(missingFolder));
}

}  // namespace
