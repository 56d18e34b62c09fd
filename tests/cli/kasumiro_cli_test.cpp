// kasumiro-cli run as a user runs it, on the generated sample game and on hand-made game folders.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/run_program.h"
#include "cli/sample_game.h"
#include "common/paths.h"
#include "common/version.h"
#include "file_kit/temp_dir.h"
#include "support/backup_home.h"
#include "support/literal_code_page.h"

namespace {

const std::string kDone = "データを書き換えました.\n";
const std::string kYamadaTaro("\x8E\x52\x93\x63   \x91\xBE\x98\x59 ", 12);  // 山田, separator, 太郎

TProgramResult RunCli(const std::vector<std::string>& args) { return RunProgram(KASUMIRO_CLI_PATH, args); }

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(KasumiroCli, RewriteChangesExactlyTheDifferingNamesOnce) {
    TTempDir game;
    TTempDir home;
    TScopedBackupHome scopedHome(home.Path());
    MakeSampleGame(game.Path());
    const std::string savePath = SubFolder(game.Path(), "LOG2.DAT") + "BUSYO21.BIN";
    const std::string scenario = ReadFileBytes(SubFolder(game.Path(), "NEW.DAT") + "BUSYO21.BIN");
    const std::string before = ReadFileBytes(savePath);
    const std::vector<int> differing = DifferingNames(scenario, before);
    ASSERT_FALSE(differing.empty());

    const TProgramResult first = RunCli({"rewrite", game.Path(), "2"});
    EXPECT_EQ(first.ExitCode, 0) << first.Err;
    EXPECT_EQ(first.Out, kDone);
    // The backup's path, outside the game folder, holding the save as it was.
    ASSERT_EQ(first.Err.rfind(home.Path(), 0), 0u) << first.Err;
    EXPECT_EQ(ReadFileBytes(first.Err.substr(0, first.Err.size() - 1)), before);

    // Every differing name changed, and with those names put back the file is as it was.
    const std::string after = ReadFileBytes(savePath);
    EXPECT_EQ(DifferingNames(before, after), differing);
    std::string restored = after;
    for (int i : differing) restored.replace(i * 38 + 6, 12, NameAt(before, i));
    EXPECT_EQ(restored, before);

    // Nothing left to change: said, and no backup taken.
    const TProgramResult second = RunCli({"rewrite", game.Path(), "2"});
    EXPECT_EQ(second.ExitCode, 0) << second.Err;
    EXPECT_EQ(second.Out, "LOG2.DAT: 書き換える名前はありません.\n");
    EXPECT_EQ(second.Err, "");
    EXPECT_EQ(Lines(RunCli({"backups", game.Path(), "2"}).Out).size(), 1u);
    EXPECT_EQ(ReadFileBytes(savePath), after);
    EXPECT_EQ(ReadFileBytes(SubFolder(game.Path(), "NEW.DAT") + "BUSYO21.BIN"), scenario);
}

// The sample game, its backups in a folder of their own, and slot 2's save.
class KasumiroCliBackupTest : public testing::Test {
protected:
    void SetUp() override {
        MakeSampleGame(game.Path());
        before = ReadFileBytes(savePath);
    }

    TTempDir game;
    TTempDir home;
    TScopedBackupHome scopedHome{home.Path()};
    const std::string savePath = SubFolder(game.Path(), "LOG2.DAT") + "BUSYO21.BIN";
    std::string before;
};

// restore puts back the backup only over the save the rewrite left, unless
// forced; --no-backup makes none.
TEST_F(KasumiroCliBackupTest, RestorePutsTheSlotBackByteForByteButNeverOverNewerProgress) {
    const auto run = [](const std::vector<std::string>& args, int exitCode, const std::string& out) {
        TProgramResult result = RunCli(args);
        EXPECT_EQ(result.ExitCode, exitCode) << ::testing::PrintToString(args) << result.Err;
        EXPECT_EQ(result.Out, out) << ::testing::PrintToString(args);
        return result;
    };

    EXPECT_EQ(run({"rewrite", "--no-backup", game.Path(), "2"}, 0, kDone).Err, "");
    run({"backups", game.Path(), "2"}, 0, "");
    WriteFileBytes(savePath, before);

    const std::string backup = run({"rewrite", game.Path(), "2"}, 0, kDone).Err;
    const std::vector<std::string> listed = Lines(RunCli({"backups", game.Path(), "2"}).Out);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].size(), 20 + backup.size() - 1) << listed[0];  // "YYYY-MM-DD HH:MM:SS\t" and the path
    EXPECT_EQ(listed[0].substr(19), "\t" + backup.substr(0, backup.size() - 1));
    EXPECT_EQ(run({"restore", game.Path(), "2"}, 0, "元に戻しました.\n").Err, backup);
    EXPECT_EQ(ReadFileBytes(savePath), before);

    run({"rewrite", game.Path(), "2"}, 0, kDone);
    std::string played = ReadFileBytes(savePath);
    played[7] = static_cast<char>(played[7] ^ 1);  // the game saved since
    WriteFileBytes(savePath, played);
    EXPECT_EQ(run({"restore", game.Path(), "2"}, 1, "").Err,
              "セーブデータが書き換えの後に変更されています.\n--force を付けると, それでも元に戻します.\n");
    EXPECT_EQ(ReadFileBytes(savePath), played);
    EXPECT_EQ(run({"restore", game.Path(), "2", "NOPE.BIN"}, 1, "").Err, "NOPE.BIN: ファイルが見つかりません.\n");
    // The save before the second rewrite was the first backup's: no second copy.
    EXPECT_EQ(Lines(RunCli({"backups", game.Path(), "2"}).Out).size(), 1u);
    // The first backup, by its name and by its number; the save is the one
    // before any rewrite, and the progress it replaced is kept, named, and
    // back by a plain restore: the forced one undone.
    const std::string kept = "置き換えたセーブデータのバックアップ: ";
    for (const std::string& name : {backup.substr(0, backup.size() - 1), std::string("1")}) {
        const TProgramResult forced = RunCli({"restore", "--force", game.Path(), "2", name});
        EXPECT_EQ(forced.Err, backup);
        const std::vector<std::string> said = Lines(forced.Out);
        ASSERT_EQ(said.size(), 2u) << forced.Out;
        EXPECT_EQ(said[0], "元に戻しました.");
        ASSERT_EQ(said[1].rfind(kept, 0), 0u) << said[1];
        EXPECT_EQ(ReadFileBytes(said[1].substr(kept.size())), played);
        EXPECT_EQ(ReadFileBytes(savePath), before);
        const std::string newest = Lines(RunCli({"backups", game.Path(), "2"}).Out).front();
        EXPECT_EQ(newest.substr(20), said[1].substr(kept.size())) << "listed, and not as a rewrite stopped part-way";
        EXPECT_EQ(run({"restore", game.Path(), "2"}, 0, "元に戻しました.\n").Err, said[1].substr(kept.size()) + "\n");
        EXPECT_EQ(ReadFileBytes(savePath), played);
    }
}

// Only verified backups count: junk, a number too long and another slot's
// pair beside them are never listed, numbered from or put back, even forced.
// A save that is its backup already has nothing to undo; a name that would
// not read back, a lock that is a folder, a place for backups that the
// environment does not name: refused, each saying what and where.
TEST_F(KasumiroCliBackupTest, OnlyVerifiedBackupsCountAndEachRefusalSaysWhy) {
    const auto err = [](const std::vector<std::string>& args, int exitCode) {  // the output, errors first
        const TProgramResult result = RunCli(args);
        EXPECT_EQ(result.ExitCode, exitCode) << ::testing::PrintToString(args) << result.Err;
        return result.Err + result.Out;
    };
    const auto backupOf = [this](const std::string& slot) {
        const std::vector<std::string> lines = Lines(RunCli({"rewrite", game.Path(), slot}).Err);
        return lines.empty() ? std::string() : lines.front();
    };
    const std::string log4 = backupOf("4");
    const std::string slot4 = log4.substr(0, log4.rfind(kPathSeparator) + 1);
    const std::string folder = slot4.substr(0, slot4.size() - 9) + "LOG2.DAT" + kPathSeparator;
    MakeFolder(folder);
    for (const char* junk : {"000000-20200101-000000", "999999999999-20200101-000000"}) {
        WriteFileBytes(folder + junk + ".BIN", "junk");
        WriteFileBytes(folder + junk + ".TXT", "junk");
    }
    const std::string foreign = "000007-20200101-000000.BIN";
    const std::string stem4 = log4.substr(0, log4.size() - 4);
    WriteFileBytes(folder + foreign, ReadFileBytes(stem4 + ".BIN"));
    WriteFileBytes(folder + "000007-20200101-000000.TXT", ReadFileBytes(stem4 + ".TXT"));

    const std::string backup = backupOf("2");
    ASSERT_EQ(backup.rfind(folder + "000001-", 0), 0u) << backup;
    EXPECT_EQ(Lines(RunCli({"backups", game.Path(), "2"}).Out).size(), 1u);
    const std::string rewritten = ReadFileBytes(savePath);
    EXPECT_EQ(err({"restore", "--force", game.Path(), "2", foreign}, 1), foreign + ": ファイルが見つかりません.\n");
    EXPECT_EQ(err({"restore", game.Path(), "2", "foo/"}, 1), "foo/: ファイルが見つかりません.\n");
    EXPECT_EQ(ReadFileBytes(savePath), rewritten);
    err({"restore", game.Path(), "2"}, 0);
    EXPECT_EQ(err({"restore", game.Path(), "2"}, 0), "LOG2.DAT: 元に戻す書き換えはありません.\n");
    EXPECT_EQ(ReadFileBytes(savePath), before);

    // The newest number as high as a name holds: the next would not read back.
    const std::string stem = backup.substr(0, backup.size() - 4);
    const std::string highest = folder + "999999999999" + stem.substr(folder.size() + 6);
    for (const char* suffix : {".BIN", ".TXT"}) WriteFileBytes(highest + suffix, ReadFileBytes(stem + suffix));
    std::string played = before;
    played[7] = static_cast<char>(played[7] ^ 1);  // the game saved since: a new backup is due
    WriteFileBytes(savePath, played);
    EXPECT_NE(err({"rewrite", game.Path(), "2"}, 1).find("1000000000000-"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(savePath), played);
    RemoveFolder(folder);

    const std::string missing = game.Path() + "none" + kPathSeparator;
    EXPECT_EQ(err({"backups", missing, "2"}, 1), missing + ": フォルダが見つかりません.\n");
    MakeFolder(folder + "LOCK");  // refused at once for what it is, not waited for as another run's
    EXPECT_EQ(err({"rewrite", game.Path(), "2"}, 1),
              "バックアップを作成できません: " + folder + "LOCK: ファイルへのアクセスが拒否されました.\n");
    if (kPathSeparator != '/') return;  // the environment below is the POSIX shell's
    const std::vector<std::string> noHome = {"-u", "HOME", "-u", "XDG_DATA_HOME", KASUMIRO_CLI_PATH};
    for (const char* command : {"rewrite", "backups"}) {
        std::vector<std::string> args = noHome;
        args.insert(args.end(), {command, game.Path(), "2"});
        const TProgramResult result = RunProgram("env", args);
        EXPECT_EQ(result.ExitCode, 1) << command;
        EXPECT_NE(result.Err.find("HOME: 環境変数が設定されていないか, 使えないパスです.\n"), std::string::npos)
            << result.Err;
    }
}

// A slot shown as "---" is refused as the window refuses it, in every mode:
// nothing written, no backup made.
TEST_F(KasumiroCliBackupTest, RewriteRefusesAnEmptySlot) {
    MakeFolder(SubFolder(SubFolder(game.Path(), "LOG5.DAT"), "SYSTEM.BIN"));  // a folder, not a save
    const struct {
        std::string Folder;
        std::string Slot;
    } cases[] = {{game.Path(), "3"}, {game.Path(), "5"}};
    for (const auto& c : cases) {
        const std::string officers = SubFolder(c.Folder, "LOG" + c.Slot + ".DAT") + "BUSYO21.BIN";
        const std::string bytes = FileExists(officers) ? ReadFileBytes(officers) : "(none)";
        for (const char* mode : {"--dry-run", "--no-backup", "--"}) {
            const TProgramResult result = RunCli({"rewrite", mode, c.Folder, c.Slot});
            EXPECT_EQ(result.ExitCode, 1) << c.Folder << " " << c.Slot << " " << mode;
            EXPECT_EQ(result.Out, "");
            EXPECT_EQ(result.Err, "LOG" + c.Slot + ".DAT: セーブデータがありません.\n");
            EXPECT_EQ(FileExists(officers) ? ReadFileBytes(officers) : "(none)", bytes);
            EXPECT_EQ(RunCli({"backups", c.Folder, c.Slot}).Out, "");
        }
    }
}

// Two rewrites of one slot at once: one backs up and rewrites, the other
// then finds nothing to change; the one backup puts the old save back.
TEST_F(KasumiroCliBackupTest, TwoRewritesAtOnceKeepTheirBackup) {
    if (kPathSeparator != '/') GTEST_SKIP() << "started together by the POSIX shell";
    const std::string rewrite = ShellQuoted(KASUMIRO_CLI_PATH) + " rewrite " + ShellQuoted(game.Path()) + " 2";
    const std::string both = "(" + rewrite + " & " + rewrite + " & wait %1 && wait %2) 2>/dev/null";
    for (int pair = 0; pair < 5; ++pair) {
        WriteFileBytes(savePath, before);
        std::string out;
        ASSERT_EQ(RunShellCommand(both, out), 0);
        EXPECT_EQ(Lines(out).size(), 2u) << out;
        EXPECT_NE(out.find(kDone), std::string::npos) << out;
        EXPECT_NE(out.find("LOG2.DAT: 書き換える名前はありません."), std::string::npos) << out;
        const TProgramResult restore = RunCli({"restore", game.Path(), "2"});
        EXPECT_EQ(restore.ExitCode, 0) << restore.Err;
        EXPECT_EQ(ReadFileBytes(savePath), before) << pair;
    }
}

TEST(KasumiroCli, DryRunListsTheChangingNamesAsReadableTextAndWritesNothing) {
    if (!LiteralsAreSystemText()) GTEST_SKIP() << "its double-byte literals are not the system's text here";
    const std::string yamadaWithoutSeparator("\x8E\x52\x93\x63\0\0\0\0\0\0\0\0", 12);
    const std::string jiro("\x8E\x52\x93\x63   \x8E\x9F\x98\x59 ", 12);  // 山田 次郎
    std::vector<std::string> scenarioNames(2000, kYamadaTaro);
    scenarioNames[1999] = yamadaWithoutSeparator;
    std::vector<std::string> saveNames = scenarioNames;
    saveNames[7] = jiro;
    saveNames[1999] = std::string(12, ' ');
    TTempDir game;
    const TGameFolders folders = MakeGameFolders(game.Path());
    const std::string savePath = folders.SaveFile;
    WriteFileBytes(folders.ScenarioFile, OfficerFileBytes(scenarioNames));
    WriteFileBytes(savePath, OfficerFileBytes(saveNames));
    WriteFileBytes(folders.Save + "SYSTEM.BIN", "saved");
    SetReadOnly(savePath, true);  // a dry run needs no write access

    const TProgramResult result = RunCli({"rewrite", "--dry-run", game.Path(), "1"});
    EXPECT_EQ(result.ExitCode, 0) << result.Err;
    EXPECT_EQ(result.Err, "");
    EXPECT_EQ(result.Out,
              "7\t山田   次郎 \t山田  太郎嗣\n"
              "1999\t            \t山田\\x00\\x00\\x00\\x00\\x00嗣\\x00\n");
    EXPECT_EQ(ReadFileBytes(savePath), OfficerFileBytes(saveNames));
    SetReadOnly(savePath, false);
}

TEST(KasumiroCli, IoErrorsGiveTheErrorBoxTextAndExitCode1) {
    const std::string full = OfficerFileBytes({});
    const std::string none;  // no such file
    const struct {
        const char* What;
        std::string Scenario;  // officer file contents of NEW.DAT and LOG3.DAT
        std::string Save;
        std::string Expected;
        bool SlotFolder = true;
        std::string GameSuffix = "";  // added to the game folder given
    } cases[] = {
        {"missing game folder", full, full, "no-such-game/: フォルダが見つかりません.\n", true, "no-such-game"},
        {"file for the game folder", full, full, "NEW.DAT/BUSYO21.BIN/: フォルダではありません.\n", true,
         std::string("NEW.DAT") + kPathSeparator + "BUSYO21.BIN"},
        {"missing slot folder", full, none, "LOG3.DAT/: フォルダが見つかりません.\n", false},
        {"missing save file", full, none, "LOG3.DAT/BUSYO21.BIN: ファイルが見つかりません.\n"},
        {"missing scenario file", none, full, "NEW.DAT/BUSYO21.BIN: ファイルが見つかりません.\n"},
        {"short save file", full, full.substr(0, std::size_t{1000} * 38),
         "LOG3.DAT/BUSYO21.BIN: ファイルの末尾以降を読み込みました.\n"},
        {"short scenario file", full.substr(0, 38 * 5 + 20), full,
         "NEW.DAT/BUSYO21.BIN: ファイルの末尾以降を読み込みました.\n"},
        {"save file over 1 MiB", full, full + std::string((std::size_t{1} << 20) + 1 - full.size(), '\0'),
         "LOG3.DAT/BUSYO21.BIN: ファイルが大きすぎます.\n"},
    };
    for (const auto& c : cases) {
        TTempDir game;
        TTempDir home;
        TScopedBackupHome scopedHome(home.Path());
        MakeFolder(SubFolder(game.Path(), "NEW.DAT"));
        if (c.SlotFolder) {
            MakeFolder(SubFolder(game.Path(), "LOG3.DAT"));
            WriteFileBytes(SubFolder(game.Path(), "LOG3.DAT") + "SYSTEM.BIN", "saved");
        }
        if (!c.Scenario.empty()) WriteFileBytes(SubFolder(game.Path(), "NEW.DAT") + "BUSYO21.BIN", c.Scenario);
        if (!c.Save.empty()) WriteFileBytes(SubFolder(game.Path(), "LOG3.DAT") + "BUSYO21.BIN", c.Save);
        for (const char* mode : {"--dry-run", "--", "--no-backup"}) {
            const TProgramResult result = RunCli({"rewrite", mode, game.Path() + c.GameSuffix, "3"});
            EXPECT_EQ(result.ExitCode, 1) << c.What << " " << mode;
            // Each error names its file or folder, then the reason.
            std::string expected = c.Expected;
            if (kPathSeparator != '/') std::replace(expected.begin(), expected.end(), '/', kPathSeparator);
            const std::size_t at = result.Err.size() - std::min(result.Err.size(), expected.size());
            EXPECT_EQ(result.Err.substr(at), expected) << c.What << " " << mode;
            EXPECT_EQ(result.Err.rfind(game.Path(), 0), 0u) << c.What << " " << mode << ": " << result.Err;
            EXPECT_EQ(result.Out, "") << c.What << " " << mode;
            // A run that fails before its backup makes nothing in the backups tree.
            EXPECT_FALSE(FileExists(home.Path() + "kasumiro") || FileExists(home.Path() + "Kasumiro")) << c.What;
        }
    }
}

// The problem and where to read more, not the whole usage.
TEST(KasumiroCli, UsageErrorsExitWith2) {
    // The parser's own tests cover every refusal; these check that one reaches the exit code.
    const struct {
        std::vector<std::string> Args;
        std::string Problem;
    } cases[] = {{{}, "コマンドがありません"},
                 {{"rewrite", "game", "6"}, "SLOT は 1 から 5 です: 6"},
                 {{"--frobnicate"}, "不明なオプションです: --frobnicate"},
                 {{"slots", "game", "extra"}, "slots の引数は GAME_FOLDER です"}};
    for (const auto& c : cases) {
        const TProgramResult result = RunCli(c.Args);
        EXPECT_EQ(result.ExitCode, 2) << c.Problem;
        EXPECT_EQ(result.Out, "") << c.Problem;
        EXPECT_EQ(result.Err, "kasumiro-cli: " + c.Problem + "\n詳しくは kasumiro-cli --help\n");
    }
}

// make-sample-game and the Linux program answer a terminal as kasumiro-cli
// does; neither needs a display for it, and the Linux program says when it
// has none instead of aborting.
TEST(KasumiroCli, OtherProgramsAnswerTheTerminal) {
#ifdef KASUMIRO_QT_PROGRAM_PATH
    const char* const kNoDisplay =
        "ウィンドウを表示できません: Wayland のディスプレイにも X のディスプレイにもつなげません (WAYLAND_DISPLAY と "
        "DISPLAY をご確認下さい).\n";
#endif
    const std::vector<std::string> noDisplay{"env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM"};
    const struct {
        std::string Program;
        std::vector<std::string> Args;
        int ExitCode;
        std::string OutStart;
        std::string Err;
    } cases[] = {
        {KASUMIRO_SAMPLE_TOOL_PATH, {"--help"}, 0, "usage: make-sample-game GAME_FOLDER\n", ""},
        {KASUMIRO_SAMPLE_TOOL_PATH, {"--bogus"}, 2, "", "usage: make-sample-game GAME_FOLDER\n"},
#ifdef KASUMIRO_QT_PROGRAM_PATH
        {KASUMIRO_QT_PROGRAM_PATH,
         {"--bogus"},
         2,
         "",
         "kasumiro: 不明なオプションです: --bogus (詳しくは kasumiro --help)\n"},
        {KASUMIRO_QT_PROGRAM_PATH, {"extra"}, 2, "", "kasumiro: 余分な引数です: extra (詳しくは kasumiro --help)\n"},
        {KASUMIRO_QT_PROGRAM_PATH, {}, 1, "", std::string("kasumiro: ") + kNoDisplay},
        // A display named but not there, X or Wayland: the same one line, never Qt's abort.
        {KASUMIRO_QT_PROGRAM_PATH, {"-display", ":79"}, 1, "", std::string("kasumiro: ") + kNoDisplay},
        {KASUMIRO_QT_PROGRAM_PATH, {"-platform", "wayland"}, 1, "", std::string("kasumiro: ") + kNoDisplay},
        {KASUMIRO_QT_PROGRAM_PATH, {"--version"}, 0, "kasumiro " KASUMIRO_VERSION "\n", ""},
        {KASUMIRO_QT_PROGRAM_PATH, {"--help"}, 0, "使い方: kasumiro", ""},
#endif
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = kPathSeparator == '/' ? noDisplay : std::vector<std::string>{};
        args.push_back(c.Program);
        args.insert(args.end(), c.Args.begin(), c.Args.end());
        const TProgramResult result = RunProgram(args.front(), {args.begin() + 1, args.end()});
        EXPECT_EQ(result.ExitCode, c.ExitCode) << c.Program << " " << ::testing::PrintToString(c.Args);
        EXPECT_EQ(result.Out.substr(0, c.OutStart.size()), c.OutStart) << c.Program;
        EXPECT_EQ(result.Err.substr(0, c.Err.size()), c.Err) << c.Program << " " << ::testing::PrintToString(c.Args);
        if (c.ExitCode == 2) {
            EXPECT_LE(std::count(result.Err.begin(), result.Err.end(), '\n'), 3) << result.Err;
        } else if (c.ExitCode == 1) {
            EXPECT_EQ(result.Err, c.Err);  // one line, nothing of Qt's
        }
    }
}

// places prints each game folder found in the prefixes, name TAB path; none
// found fails with the number of places searched.
TEST(KasumiroCli, PlacesPrintsTheGameFoldersFound) {
    if (kPathSeparator != '/') GTEST_SKIP() << "Wine's prefixes are a POSIX system's";
    TTempDir home;
    const std::string game = home.Path() + ".local/share/bottles/bottles/Tenka/drive_c/GAMES/TENKA";
    MakeSampleGame(game);
    const struct {
        std::string Home;
        int ExitCode;
        std::string Out;
        std::string Err;
    } cases[] = {
        {home.Path(), 0, "Bottles: Tenka — TENKA\t" + game + "\n", ""},
        {home.Path() + "none", 1, "",
         "kasumiro-cli: ゲームのフォルダが見つかりません (Wine の場所 0 か所を探しました).\n"},
    };
    for (const auto& c : cases) {
        const TProgramResult result = RunProgram("env",
                                                 {"-u", "WINEPREFIX", "HOME=" + c.Home, KASUMIRO_CLI_PATH, "places"});
        EXPECT_EQ(result.ExitCode, c.ExitCode) << c.Home;
        EXPECT_EQ(result.Out, c.Out);
        EXPECT_EQ(result.Err, c.Err);
    }
}

TEST(KasumiroCli, HelpAndVersion) {
    const TProgramResult help = RunCli({"--help"});
    EXPECT_EQ(help.ExitCode, 0);
    EXPECT_EQ(help.Out.rfind("使い方: kasumiro-cli", 0), 0u);
    EXPECT_EQ(help.Err, "");
    // Japanese throughout: every line holds some.
    for (const std::string& line : Lines(help.Out)) {
        EXPECT_TRUE(line.empty() || std::any_of(line.begin(), line.end(), [](char c) { return (c & 0x80) != 0; }))
            << line;
    }

    const TProgramResult version = RunCli({"--version"});
    EXPECT_EQ(version.ExitCode, 0);
    EXPECT_EQ(version.Out, "kasumiro-cli " KASUMIRO_VERSION "\n");
}

// Output lost on a full device fails every command that writes any, with a
// line on standard error, as the core utilities do.
TEST(KasumiroCli, LostOutputExitsWith1) {
    if (kPathSeparator != '/' || !FileExists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    TTempDir game;
    MakeSampleGame(game.Path());
    // The dry run before the rewrite, while it still has names to list.
    const std::vector<std::string> cases[] = {{"--help"},
                                              {"--version"},
                                              {"slots", game.Path()},
                                              {"rewrite", "--dry-run", game.Path(), "2"},
                                              {"rewrite", "--no-backup", game.Path(), "2"}};
    for (const auto& args : cases) {
        std::string commandLine = ShellQuoted(KASUMIRO_CLI_PATH);
        for (const std::string& arg : args) commandLine += " " + ShellQuoted(arg);
        std::string err;
        EXPECT_EQ(RunShellCommand(commandLine + " 2>&1 >/dev/full", err), 1) << ::testing::PrintToString(args);
        EXPECT_EQ(err, "kasumiro-cli: 標準出力に書き込めません.\n") << ::testing::PrintToString(args);
    }
#ifdef KASUMIRO_QT_PROGRAM_PATH
    for (const char* option : {"--help", "--version"}) {
        std::string err;
        EXPECT_EQ(RunShellCommand(ShellQuoted(KASUMIRO_QT_PROGRAM_PATH) + " " + option + " 2>&1 >/dev/full", err), 1);
        EXPECT_EQ(err, "kasumiro: 標準出力に書き込めません.\n") << option;
    }
#endif
}

TEST(KasumiroCli, SlotsShowsSaveTimesAndEmptySlots) {
    TTempDir game;
    MakeSampleGame(game.Path());
    const std::string withoutSeparator = game.Path().substr(0, game.Path().size() - 1);
    for (const std::string& folder : {game.Path(), withoutSeparator}) {
        const TProgramResult result = RunCli({"slots", folder});
        EXPECT_EQ(result.ExitCode, 0) << result.Err;
        const std::vector<std::string> lines = Lines(result.Out);
        ASSERT_EQ(lines.size(), 5u) << result.Out;
        const struct {
            std::size_t Line;
            std::string Start, Year, End;
        } used[] = {{0, "LOG1.DAT  ", "1998", " 21:05"},
                    {1, "LOG2.DAT  ", "1998", " 09:07"},
                    {3, "LOG4.DAT  ", "1999", " 00:00"}};
        for (const auto& u : used) {
            const std::string& line = lines[u.Line];
            EXPECT_EQ(line.rfind(u.Start, 0), 0u) << line;
            EXPECT_NE(line.find(u.Year), std::string::npos) << line;
            EXPECT_TRUE(line.size() > 16 && line.compare(line.size() - u.End.size(), u.End.size(), u.End) == 0) << line;
        }
        EXPECT_EQ(lines[2], "LOG3.DAT  ---");
        EXPECT_EQ(lines[4], "LOG5.DAT  ---");
    }
}

// A folder that is missing or holds no scenario is no game: refused as rewrite refuses it.
TEST(KasumiroCli, SlotsOfAFolderThatIsNoGameFail) {
    TTempDir dir;
    const std::string missing = dir.Path() + "no-such-game";
    const std::pair<std::string, std::string> cases[] = {
        {missing, missing + kPathSeparator},
        {dir.Path(), dir.Path() + "NEW.DAT" + kPathSeparator},
    };
    for (const auto& [folder, named] : cases) {
        const TProgramResult result = RunCli({"slots", folder});
        EXPECT_EQ(result.ExitCode, 1) << folder;
        EXPECT_EQ(result.Out, "") << folder;
        EXPECT_EQ(result.Err, named + ": フォルダが見つかりません.\n");
    }
}

}  // namespace
