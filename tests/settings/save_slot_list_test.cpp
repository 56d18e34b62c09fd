// Save slot labels and empty flags from real slot folders, and the refresh of
// the slot group from them.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "common/paths.h"
#include "file_kit/file_time.h"
#include "file_kit/temp_dir.h"
#include "settings/builtin_locale.h"
#include "settings/save_slot_list.h"
#include "settings/slot_query.h"
#include "ui/save_slot_group.h"

namespace {

const std::string kSep(1, kPathSeparator);
const std::vector<std::string> kSlots = {"LOG1.DAT", "LOG2.DAT", "LOG3.DAT", "LOG4.DAT", "LOG5.DAT"};

std::vector<std::string> Labels(const TRadioGroup& group) {
    std::vector<std::string> labels;
    labels.reserve(static_cast<std::size_t>(group.Count()));
    for (int i = 0; i < group.Count(); ++i) labels.push_back(group.Item(i));
    return labels;
}

class SaveSlotTest : public testing::Test {
protected:
    std::string Base() const { return dir_.Path(); }

    // A used slot whose SYSTEM.BIN was last written at the given local time.
    void MakeSlot(const std::string& name, const TDateStamp& written) {
        MakeFolder(Base() + name);
        const std::string file = Base() + name + kSep + "SYSTEM.BIN";
        WriteFileBytes(file, "save");
        SetFileLocalTime(file, written);
    }

    static TRadioGroup SlotGroup(int index = -1) { return TRadioGroup("セーブデータ", kSlots, index); }

    TScopedJapanTimeZone zone_;
    TTempDir dir_;
    const TDateSettings japanese_ = ReadDateSettings(BuiltinLocale(TBuiltinLocaleId::JaJp));
};

TEST(DosTimeStamp, KeepsTheDosRangeAndEvenSeconds) {
    const struct {
        TDateStamp local;
        bool dated;
        int second;
    } cases[] = {
        {{1979, 12, 31, 23, 59, 59}, false, 0}, {{1980, 1, 1, 0, 0, 0}, true, 0},  {{1998, 4, 3, 21, 5, 7}, true, 6},
        {{2107, 12, 31, 23, 59, 59}, true, 58}, {{2108, 1, 1, 0, 0, 0}, false, 0},
    };
    for (const auto& c : cases) {
        const auto stamp = DosTimeStamp(c.local);
        ASSERT_EQ(stamp.has_value(), c.dated) << c.local.Year;
        if (stamp) {
            EXPECT_EQ(stamp->Second, c.second);
        }
    }
}

TEST_F(SaveSlotTest, LabelsShowTheTimeOrTheEmptyMarker) {
    MakeSlot("LOG1.DAT", {1998, 4, 3, 21, 5, 0});
    MakeSlot("LOG2.DAT", {2001, 12, 24, 9, 5, 0});
    MakeSlot("LOG3.DAT", {2010, 1, 1, 0, 0, 0});
    MakeSlot("LOG4.DAT", {1999, 9, 9, 23, 59, 59});
    MakeSlot("LOG5.DAT", {1979, 12, 31, 23, 59, 0});
    MakeSlot("LOG6.DAT", {2108, 1, 1, 0, 0, 0});            // past the DOS range: Wine's conversion would wrap it
    MakeFolder(Base() + "LOGF.DAT" + kSep + "SYSTEM.BIN");  // a folder, not a saved game
    MakeFolder(Base() + "LOGE.DAT");                        // a slot folder without SYSTEM.BIN

    const struct {
        const char* slot;
        const char* label;
        bool empty;
    } cases[] = {
        {"LOG1.DAT", "LOG1.DAT  1998年4月3日 21:05", false},
        {"LOG2.DAT", "LOG2.DAT  2001年12月24日 09:05", false},
        {"LOG3.DAT", "LOG3.DAT  2010年1月1日 00:00", false},
        {"LOG4.DAT", "LOG4.DAT  1999年9月9日 23:59", false},
        {"LOG5.DAT", "LOG5.DAT  ---", true},
        {"LOG6.DAT", "LOG6.DAT  ---", true},
        {"LOGF.DAT", "LOGF.DAT  ---", true},
        {"LOGE.DAT", "LOGE.DAT  ---", true},
        {"LOGM.DAT", "LOGM.DAT  ---", true},
    };
    std::vector<std::string> slots;
    for (const auto& c : cases) {
        EXPECT_EQ(SaveSlotLabel(Base(), c.slot, japanese_), c.label) << c.slot;
        slots.emplace_back(c.slot);
    }
    // The whole list: the same labels, each with its flag, in the given order.
    const std::vector<TSaveSlotLabel> labels = SaveSlotLabels(Base(), slots, japanese_);
    ASSERT_EQ(labels.size(), std::size(cases));
    for (std::size_t i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(labels[i].Text, cases[i].label) << cases[i].slot;
        EXPECT_EQ(labels[i].Empty, cases[i].empty) << cases[i].slot;
    }
}

TEST_F(SaveSlotTest, SlotPathJoinsBaseDirWithoutAddingASeparator) {
    // BaseDir "...game" (no separator) reaches the folder "gameLOG1.DAT".
    MakeSlot("gameLOG1.DAT", {1998, 4, 3, 21, 5, 0});
    MakeSlot("game" + kSep + "LOG1.DAT", {2000, 1, 1, 0, 0, 0});
    EXPECT_EQ(SaveSlotPath(Base() + "game", "LOG1.DAT"), Base() + "gameLOG1.DAT" + kSep + "SYSTEM.BIN");
    EXPECT_EQ(SaveSlotLabel(Base() + "game", "LOG1.DAT", japanese_), "LOG1.DAT  1998年4月3日 21:05");
}

TEST_F(SaveSlotTest, LabelWithTheProgramLocaleEndsInTheTime) {
    MakeSlot("LOG1.DAT", {1998, 4, 3, 21, 5, 0});
    const std::string label = SaveSlotLabel(Base(), "LOG1.DAT");
    EXPECT_EQ(label.substr(0, 10), "LOG1.DAT  ");
    EXPECT_GT(label.size(), std::string("LOG1.DAT   21:05").size());
    EXPECT_EQ(label.substr(label.size() - 6), " 21:05");
}

TEST_F(SaveSlotTest, RefreshSelectsBeforeRelabelling) {
    MakeSlot("LOG1.DAT", {1998, 4, 3, 21, 5, 0});
    MakeSlot("LOG3.DAT", {2001, 12, 24, 9, 5, 0});
    const std::string ini = Base() + "k.ini";
    WriteFileBytes(ini, "[Kasumiro]\r\nSaveData=2\r\n");
    TIniFile iniFile(ini);

    TRadioGroup group = SlotGroup();
    std::vector<std::vector<std::string>> seen;
    group.OnClick = [&] { seen.push_back(Labels(group)); };
    int changes = 0;  // a view mirrors and lays out the five labels once
    group.OnChange = [&] { ++changes; };
    RefreshSaveDataList(group, iniFile, Base(), japanese_);

    EXPECT_EQ(changes, 2);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], kSlots);
    EXPECT_EQ(group.ItemIndex(), 2);
    const std::vector<std::string> expected = {"LOG1.DAT  1998年4月3日 21:05", "LOG2.DAT  ---",
                                               "LOG3.DAT  2001年12月24日 09:05", "LOG4.DAT  ---", "LOG5.DAT  ---"};
    EXPECT_EQ(Labels(group), expected);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(group.ItemEmpty(i), i != 0 && i != 2) << i;

    // A second rebuild gives the same labels and keeps the slot names.
    RefreshSaveDataList(group, iniFile, Base(), japanese_);
    EXPECT_EQ(Labels(group), expected);
    EXPECT_EQ(seen.size(), 1u);
}

TEST_F(SaveSlotTest, RefreshRestoresTheStoredIndex) {
    const struct {
        const char* stored;  // the SaveData line, or nothing
        int before;
        int after;
        int clicks;
    } cases[] = {
        {"SaveData=2", -1, 2, 1},   {"SaveData=0x3", -1, 3, 1}, {"SaveData=-1", 3, -1, 0}, {"", 3, -1, 0},
        {"SaveData=two", 1, -1, 0}, {"SaveData=7", -1, 4, 1},   {"SaveData=1", 1, 1, 0},
    };
    const std::string ini = Base() + "k.ini";
    for (const auto& c : cases) {
        WriteFileBytes(ini, std::string("[Kasumiro]\r\n") + c.stored + "\r\n");
        TIniFile iniFile(ini);
        TRadioGroup group = SlotGroup(c.before);
        int clicks = 0;
        group.OnClick = [&] { ++clicks; };
        RefreshSaveDataList(group, iniFile, Base(), japanese_);
        EXPECT_EQ(group.ItemIndex(), c.after) << c.stored;
        EXPECT_EQ(clicks, c.clicks) << c.stored;
    }
}

TEST_F(SaveSlotTest, MissingGameFolderShowsFiveEmptySlots) {
    TIniFile iniFile(Base() + "k.ini");
    TRadioGroup group = SlotGroup();
    RefreshSaveDataList(group, iniFile, Base() + "nowhere" + kSep);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(group.Item(i), "LOG" + std::to_string(i + 1) + ".DAT  ---");
        EXPECT_TRUE(group.ItemEmpty(i)) << i;
    }
    EXPECT_EQ(group.ItemIndex(), -1);
}

}  // namespace
