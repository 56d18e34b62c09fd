// Editing INI text keeps every byte of a hand-edited file but the value set.
#include <gtest/gtest.h>

#include "settings/ini_text.h"

namespace {

TEST(IniTextAssign, KeepsHandEditedTextByteForByte) {
    const struct {
        const char* name;
        std::string before;
        const char* key;
        const char* value;
        std::string after;
    } cases[] = {
        {"blanks and comments around a replaced value",
         "# top\n\n[Kasumiro]  \n  BaseDir =  'C:\\Old\\'  \n; keep me\n\n[Next]\nx = 1\n", "BaseDir", "/game/",
         "# top\n\n[Kasumiro]  \n  BaseDir =  /game/\n; keep me\n\n[Next]\nx = 1\n"},
        {"new key before the blank lines that end the section", "[Kasumiro]\nBaseDir=/g/\n\n\n[Next]\n", "SaveData",
         "1", "[Kasumiro]\nBaseDir=/g/\nSaveData=1\n\n\n[Next]\n"},
        {"new key after a last line without line end", "[Kasumiro]\r\nBaseDir=/g/", "SaveData", "1",
         "[Kasumiro]\r\nBaseDir=/g/\r\nSaveData=1\r\n"},
        {"new section after a last line without line end", "[Other]\nk=v", "SaveData", "1",
         "[Other]\nk=v\n[Kasumiro]\nSaveData=1\n"},
        {"empty file", "", "SaveData", "-1", "[Kasumiro]\r\nSaveData=-1\r\n"},
        {"byte order mark kept", "\xEF\xBB\xBF[Kasumiro]\nSaveData=0\n", "SaveData", "3",
         "\xEF\xBB\xBF[Kasumiro]\nSaveData=3\n"},
        {"empty value replaced", "[Kasumiro]\nSaveData=\nz=1\n", "SaveData", "2", "[Kasumiro]\nSaveData=2\nz=1\n"},
        {"empty value written over a blank-framed one", "[Kasumiro]\nBaseDir= x \n", "BaseDir", "",
         "[Kasumiro]\nBaseDir=\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IniTextAssign(c.before, "Kasumiro", c.key, c.value), c.after) << c.name;
        EXPECT_EQ(IniTextLookup(IniTextAssign(c.before, "Kasumiro", c.key, c.value), "Kasumiro", c.key), c.value)
            << c.name;
        // A second write of the same value changes nothing.
        EXPECT_EQ(IniTextAssign(c.after, "Kasumiro", c.key, c.value), c.after) << c.name;
    }
}

TEST(IniTextLookup, OnlyTheFirstMatchingSectionCounts) {
    const std::string text = "[Kasumiro]\nA=1\n[KASUMIRO]\nB=2\n";
    EXPECT_EQ(IniTextLookup(text, "Kasumiro", "A"), "1");
    EXPECT_EQ(IniTextLookup(text, "Kasumiro", "B"), std::nullopt);
    EXPECT_EQ(IniTextLookup("A=1\n[Kasumiro]\n", "Kasumiro", "A"), std::nullopt);
    EXPECT_EQ(IniTextLookup("[Kasumiro\nA=1\n", "Kasumiro", "A"), std::nullopt);
}

}  // namespace
