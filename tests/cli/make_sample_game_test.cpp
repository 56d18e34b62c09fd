// The sample game generator: its name tables, the folder it writes, and that it writes the same every time.
#include <gtest/gtest.h>

#include "../../tools/sample_names.h"
#include "cli/sample_game.h"
#include "common/system_text.h"
#include "file_kit/temp_dir.h"
#include "support/literal_code_page.h"

namespace {

std::string OfficerFile(const std::string& game, const char* folder) {
    return ReadFileBytes(SubFolder(game, folder) + "BUSYO21.BIN");
}

TEST(MakeSampleGame, NameTablesHoldTheKanjiTheyName) {
    if (!LiteralsAreSystemText()) GTEST_SKIP() << "its double-byte literals are not the system's text here";
    const struct {
        const char* Table;
        const TSampleName* Begin;
        const TSampleName* End;
        std::size_t Bytes;
    } tables[] = {
        {"family", std::begin(kSampleFamilyNames), std::end(kSampleFamilyNames), 4},
        {"given", std::begin(kSampleGivenKanji), std::end(kSampleGivenKanji), 2},
    };
    for (const auto& t : tables) {
        for (const TSampleName* name = t.Begin; name != t.End; ++name) {
            EXPECT_EQ(std::string(name->Sjis).size(), t.Bytes) << t.Table << " " << name->Text;
            EXPECT_EQ(SjisToReadableText(name->Sjis), name->Text) << t.Table;
        }
    }
}

TEST(MakeSampleGame, WritesTheGameFolderWithPlausibleNames) {
    TTempDir game;
    MakeSampleGame(game.Path());
    const std::string scenario = OfficerFile(game.Path(), "NEW.DAT");
    ASSERT_EQ(scenario.size(), 2000u * 38);

    const struct {
        const char* Folder;
        bool Used;
    } slots[] = {{"LOG1.DAT", true}, {"LOG2.DAT", true}, {"LOG3.DAT", false}, {"LOG4.DAT", true}, {"LOG5.DAT", false}};
    for (const auto& slot : slots) {
        EXPECT_EQ(FileExists(SubFolder(game.Path(), slot.Folder) + "SYSTEM.BIN"), slot.Used) << slot.Folder;
        const std::string save = OfficerFile(game.Path(), slot.Folder);
        ASSERT_EQ(save.size(), scenario.size()) << slot.Folder;
        const std::size_t differing = DifferingNames(scenario, save).size();
        if (slot.Used) {
            EXPECT_GE(differing, 200u) << slot.Folder;
            EXPECT_LE(differing, 400u) << slot.Folder;
        } else {
            EXPECT_EQ(save, scenario) << slot.Folder;
        }
    }

    int spaced = 0;
    for (int i = 0; i < 2000; ++i) {
        const std::string name = NameAt(scenario, i);
        const bool isSpaced = name[6] == ' ';
        if (isSpaced) {
            ++spaced;
            EXPECT_EQ(name.substr(4, 3), "   ") << i;
        } else {
            EXPECT_EQ(name.back(), '\0') << i;
        }
        // Every character is text; only the padding shows as bytes (on a system
        // that can show Japanese).
        if (!LiteralsAreSystemText()) continue;
        const std::string text = SjisToReadableText(name.substr(0, name.find_last_not_of(std::string(" \0", 2)) + 1));
        EXPECT_EQ(text.find("\\x"), std::string::npos) << i << ": " << text;
    }
    EXPECT_GT(spaced, 1400);
    EXPECT_LT(spaced, 1900);
}

TEST(MakeSampleGame, RefreshingGivesTheSameFolderAgain) {
    TTempDir first;
    TTempDir second;
    MakeSampleGame(first.Path());
    MakeSampleGame(second.Path());
    // A refresh puts back what a rewrite changed and empties a slot saved since.
    WriteFileBytes(SubFolder(second.Path(), "LOG1.DAT") + "BUSYO21.BIN", "x");
    WriteFileBytes(SubFolder(second.Path(), "LOG3.DAT") + "SYSTEM.BIN", "x");
    MakeSampleGame(second.Path().substr(0, second.Path().size() - 1));

    for (const char* folder : {"NEW.DAT", "LOG1.DAT", "LOG2.DAT", "LOG3.DAT", "LOG4.DAT", "LOG5.DAT"}) {
        EXPECT_EQ(OfficerFile(second.Path(), folder), OfficerFile(first.Path(), folder)) << folder;
    }
    EXPECT_FALSE(FileExists(SubFolder(second.Path(), "LOG3.DAT") + "SYSTEM.BIN"));
}

}  // namespace
