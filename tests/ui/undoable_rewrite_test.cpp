// The Linux program's Execute over a recording frame: the box previews the
// slot and the count, はい backs up and rewrites, 元に戻す puts the save back
// byte for byte and a second one says there is nothing to undo; a failing
// dry run leaves the box without a preview and the rewrite reports the error.
#include "ui/undoable_rewrite.h"

#include <gtest/gtest.h>

#include "backup/save_backup.h"
#include "common/paths.h"
#include "file_kit/temp_dir.h"
#include "support/backup_home.h"
#include "support/fake_frame.h"
#include "support/officer_files.h"

namespace {

TEST(UndoableRewrite, PreviewsBacksUpAndUndoes) {
    TTempDir temp;
    TTempDir home;
    TScopedBackupHome scopedHome(home.Path());
    TFakeFrame frame;
    TScopedFrame scopedFrame(frame);
    const TGameFolders game = MakeGameFolders(temp.Path());
    const auto nameOf = [](const char* changed) {
        return [changed](std::int32_t i) { return std::string(i == 5 ? changed : "ABCD"); };
    };
    WriteFileBytes(game.ScenarioFile, OfficerFileBytes(kOfficerCount, nameOf("ABCD"), 0));
    const std::string save = OfficerFileBytes(kOfficerCount, nameOf("WXYZ"), 0);
    WriteFileBytes(game.SaveFile, save);

    frame.Answers = {mrYes, mrYes};
    frame.InformationAnswers = {mrUndo};
    RunUndoableRewrite(temp.Path(), "LOG1.DAT");
    EXPECT_EQ(ReadFileBytes(game.SaveFile), save);
    UndoRewrite(temp.Path(), "LOG1.DAT", "");  // a second undo: nothing to undo, no accusation
    RunUndoableRewrite(temp.Path(), "LOG1.DAT");
    // Nothing left to change: said with OK only, nothing asked, nothing written.
    RunUndoableRewrite(temp.Path(), "LOG1.DAT");
    EXPECT_EQ(frame.Questions, std::vector<std::string>(2, "実行しますか?"));
    ASSERT_EQ(frame.Previews.size(), 2u);
    EXPECT_EQ(frame.Previews[0].Informative, "LOG1.DAT: 武将 1 人の名前を書き換えます.");
    ASSERT_EQ(frame.Previews[0].Rows.size(), 1u);
    EXPECT_EQ(frame.Previews[0].Rows[0].Index, 5);
    EXPECT_EQ(frame.Previews[0].Rows[0].CurrentName.rfind(std::string("WXYZ\0", 5), 0), 0u);
    EXPECT_EQ(frame.Previews[1].Informative, frame.Previews[0].Informative);  // undone, so the same again
    EXPECT_EQ(frame.Informations,
              (std::vector<std::string>{"データを書き換えました.", "元に戻しました.",
                                        "LOG1.DAT: 元に戻す書き換えはありません.", "データを書き換えました.",
                                        "LOG1.DAT: 書き換える名前はありません."}));
    EXPECT_NE(ReadFileBytes(game.SaveFile), save);
    EXPECT_EQ(ListSaveBackups(temp.Path(), "LOG1.DAT").size(), 1u);

    frame.Answers = {mrYes};
    DispatchEvent([&] { RunUndoableRewrite(temp.Path() + "nowhere" + kPathSeparator, "LOG1.DAT"); });
    EXPECT_EQ(frame.Previews.back().Informative, "");
    EXPECT_EQ(frame.Errors.size(), 1u);
}

}  // namespace
