// The Settings flow of the real program through the shell's folder chooser,
// driven with the mouse as a person would: it opens on the stored folder,
// Cancel changes nothing, OK can be pressed on a drive or a folder, and a
// confirmed folder is stored with the slot selection cleared.
#include <atomic>

#include "common/wide_text.h"
#include "e2e/kasumiro_fixture.h"
#include "e2e/remote_tree_view.h"
#include "e2e/window_driver.h"

namespace e2e {
namespace {

constexpr int kTreeId = 14145;
constexpr int kStatusId = 14147;

std::string WithoutTrailingSeparator(std::string path) {
    if (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

std::string LastName(const std::string& path) {
    const std::string folder = WithoutTrailingSeparator(path);
    return folder.substr(folder.find_last_of('\\') + 1);
}

const char kDriveHint[] =
    "\n(under Wine the chooser finds folders reliably only on a drive of their own: set KASUMIRO_E2E_ROOT to one, "
    "as scripts/wine-tests.sh does)";

std::string Children(const TRemoteTreeView& view, HTREEITEM parent) {
    std::string out;
    for (HTREEITEM item = view.FirstChild(parent); item; item = view.NextSibling(item))
        out += " <" + view.Text(item) + ">";
    return out.empty() ? " (none)" : out;
}

// The selected item and its ancestors, and the items at the top of the tree, for failure messages.
std::string DescribeTree(const TRemoteTreeView& view) {
    std::string out = "selected path:";
    for (HTREEITEM item = view.Selected(); item; item = view.Parent(item)) out += " <" + view.Text(item) + ">";
    return out + "\ntop items:" + Children(view, TVI_ROOT);
}

// The drive of the folder (a path ending in "\\") under My Computer, which is opened on the way.
HTREEITEM FindDriveItem(const TRemoteTreeView& view, const std::string& folder, std::string& problem) {
    const HTREEITEM computer = view.FirstChild(TVI_ROOT);
    if (!computer) {
        problem = "the tree is empty";
        return nullptr;
    }
    view.Expand(computer);
    const std::string drive = folder.substr(0, 2);
    for (HTREEITEM child = view.FirstChild(computer); child; child = view.NextSibling(child)) {
        if (view.Text(child).find(drive) != std::string::npos) return child;
    }
    problem = "no drive " + drive + " under My Computer:" + Children(view, computer) + kDriveHint;
    return nullptr;
}

// Walks the tree from My Computer down to the folder (a path ending in "\\"),
// opening each branch on the way as the user would.
HTREEITEM FindFolderItem(const TRemoteTreeView& view, const std::string& folder, std::string& problem) {
    HTREEITEM item = FindDriveItem(view, folder, problem);
    for (size_t start = 3; item && start < folder.size();) {
        const size_t end = folder.find('\\', start);
        const std::string name = folder.substr(start, end - start);
        view.Expand(item);
        const HTREEITEM child = view.FindChild(item, name);
        if (!child) problem = "no folder " + name + " in <" + view.Text(item) + ">:" + Children(view, item);
        item = child;
        start = end + 1;
    }
    return item;
}

class FolderChooserTest : public KasumiroTest {
protected:
    // Starts with slot 0 stored and opens the chooser through "設定".
    HWND OpenChooser() {
        MakeGameAndSettings({TSlotTime{2004, 4, 4, 4, 4}}, 0);
        Launch();
        Main = WaitForMainWindow();
        if (!Main.Window) return nullptr;
        if (!PostClick(Main.SettingsButton)) return nullptr;
        return WaitForChooser();
    }

    testing::AssertionResult ShowsTheStoredFolder(const TRemoteTreeView& view) {
        if (!view.IsUsable()) return testing::AssertionFailure() << "cannot read the chooser's tree";
        if (WaitUntil([&] { return view.Text(view.Selected()) == LastName(GameDir); }, 3000))
            return testing::AssertionSuccess();
        return testing::AssertionFailure()
               << "expected the stored folder " << GameDir << " selected; " << DescribeTree(view) << kDriveHint;
    }

    // Clicks the item in the tree and waits for its path on the status line.
    void ClickItem(HWND chooser, const TRemoteTreeView& view, HTREEITEM item, const std::string& path) {
        ASSERT_TRUE(item);
        ASSERT_TRUE(view.Click(item));
        const HWND status = FindDescendantById(chooser, kStatusId);
        EXPECT_TRUE(WaitUntil([&] { return WindowText(status) == path; }, 3000))
            << "expected the status line to show \"" << path << "\", found \"" << WindowText(status) << "\"\n"
            << Windows();
    }

    // Clicks the folder in the tree and presses OK, which a person can only
    // do once the chooser has enabled it.
    void Choose(HWND chooser, const TRemoteTreeView& view, HTREEITEM item, const std::string& folder) {
        ASSERT_NO_FATAL_FAILURE(ClickItem(chooser, view, item, WithoutTrailingSeparator(folder)));
        ASSERT_TRUE(PostClick(FindDescendantById(chooser, IDOK)));
    }

    // The first start: the chooser opens at My Computer and the user walks down to the game folder.
    void ChooseAtFirstStart() {
        Launch();
        const HWND chooser = WaitForChooser();
        ASSERT_TRUE(chooser);
        TRemoteTreeView view(FindDescendantById(chooser, kTreeId));
        ASSERT_TRUE(view.IsUsable()) << Windows();
        std::string problem;
        const HTREEITEM item = FindFolderItem(view, GameDir, problem);
        ASSERT_TRUE(item) << problem;
        EXPECT_FALSE(MainWindowVisible());
        Choose(chooser, view, item, GameDir);
    }

    // The chooser opened on a folder whose one sub-folder is the case's,
    // which is then selected in the tree.
    HWND OpenOnTheCaseFolder(const std::string& parent) {
        WriteFileBytes(IniPath, SettingsText(parent, 0));
        Launch();
        Main = WaitForMainWindow();
        if (!Main.Window) return nullptr;
        if (!PostClick(Main.SettingsButton)) return nullptr;
        const HWND chooser = WaitForChooser();
        if (!chooser) return nullptr;
        TRemoteTreeView view(FindDescendantById(chooser, kTreeId));
        // The chooser shows its root first and walks down to the stored folder
        // after; under Wine it now and then stays at the root for these deep
        // folders, and a person then walks down to the folder by hand.
        const auto atParent = [&] { return view.Text(view.Selected()) == LastName(parent); };
        if (!WaitUntil(atParent, 3000)) {
            std::string problem;
            const HTREEITEM item = FindFolderItem(view, parent, problem);
            if (!item || !view.Click(item) || !WaitUntil(atParent, 3000)) {
                ADD_FAILURE() << "cannot select the stored folder " << parent << "; " << problem << DescribeTree(view);
                return nullptr;
            }
        }
        const HTREEITEM opened = view.Selected();
        if (!opened || !view.Expand(opened) || !view.Click(view.FirstChild(opened))) {
            ADD_FAILURE() << "cannot select the case's folder; " << DescribeTree(view);
            return nullptr;
        }
        return chooser;
    }

    // After OK on a refused folder: its error box, answered; the slots, the
    // selection and the stored folder as they were, also after quitting.
    void ExpectRefusedWithNothingChanged(const std::string& refusal, const std::vector<std::string>& labels,
                                         const std::string& storedFolder) {
        const HWND error = WaitForBox(refusal);
        ASSERT_TRUE(error);
        Answer(error, "OK");
        EXPECT_EQ(labels, Labels(Main.SlotItems));
        EXPECT_EQ(0, CheckedIndex(Main.SlotItems));
        EXPECT_EQ(Stored(storedFolder, 0), SettingsLines(IniPath));
        Quit(Main);
        EXPECT_EQ(Stored(storedFolder, 0), SettingsLines(IniPath));
    }

    TMainWindow Main;
};

// Cancel changes nothing; confirming the folder the chooser opened on stores
// it again and clears the slot selection all the same.
TEST_F(FolderChooserTest, OpensOnTheStoredFolderCancelKeepsAndConfirmClearsTheSlot) {
    HWND chooser = OpenChooser();
    ASSERT_TRUE(chooser);
    {
        TRemoteTreeView view(FindDescendantById(chooser, kTreeId));
        EXPECT_TRUE(ShowsTheStoredFolder(view));
    }
    const std::optional<std::string> settings = TryReadFileBytes(IniPath);
    ASSERT_TRUE(PostClick(FindDescendantById(chooser, IDCANCEL)));
    ASSERT_TRUE(WaitUntilGone(chooser)) << Windows();
    EXPECT_EQ(0, CheckedIndex(Main.SlotItems));
    EXPECT_EQ("", FileDifference(settings, TryReadFileBytes(IniPath))) << "Cancel must not write the settings file";

    ASSERT_TRUE(PostClick(Main.SettingsButton));
    chooser = WaitForChooser();
    ASSERT_TRUE(chooser);
    {
        TRemoteTreeView view(FindDescendantById(chooser, kTreeId));
        ASSERT_TRUE(ShowsTheStoredFolder(view));
    }
    // The stored folder is selected when the chooser opens, so OK can be pressed at once.
    ASSERT_TRUE(PostClick(FindDescendantById(chooser, IDOK)));
    ASSERT_TRUE(WaitUntilGone(chooser)) << Windows();
    EXPECT_TRUE(WaitUntil([&] { return CheckedIndex(Main.SlotItems) == -1; }, 3000))
        << "the slot selection stays after a confirmed folder: " << CheckedIndex(Main.SlotItems);
    EXPECT_EQ(Stored(-1), SettingsLines(IniPath));
    EXPECT_NE(std::string::npos, WindowText(Main.SlotItems[0]).find(ShownDate({2004, 4, 4, 4, 4})))
        << WindowText(Main.SlotItems[0]);
    Quit(Main);
    EXPECT_EQ(Stored(-1), SettingsLines(IniPath));
}

// Opened with 設定, the chooser shows the stored folder with the keyboard
// focus in its tree, each time: Enter, pressed as a key there, confirms that
// folder, which is kept and stored again with the slot selection cleared.
TEST_F(FolderChooserTest, EnterOnTheReopenedChooserKeepsTheFolder) {
    HWND chooser = OpenChooser();
    for (int opening = 1; opening <= 2; ++opening) {
        ASSERT_TRUE(chooser) << "opening " << opening;
        const HWND tree = FindDescendantById(chooser, kTreeId);
        {
            TRemoteTreeView view(tree);
            ASSERT_TRUE(ShowsTheStoredFolder(view)) << "opening " << opening;
        }
        ASSERT_TRUE(PostKey(tree, VK_RETURN)) << "opening " << opening << "\n" << Windows();
        ASSERT_TRUE(WaitUntilGone(chooser)) << "opening " << opening << "\n" << Windows();
        EXPECT_TRUE(WaitUntil([&] { return CheckedIndex(Main.SlotItems) == -1; }, 3000))
            << "opening " << opening << ": Enter did not confirm the folder";
        EXPECT_EQ(Stored(-1), SettingsLines(IniPath)) << "opening " << opening;
        // A slot chosen again, so that the next confirmation shows by clearing it.
        ASSERT_TRUE(SendClick(Main.SlotItems[0]));
        ASSERT_EQ(0, CheckedIndex(Main.SlotItems));
        ASSERT_TRUE(PostClick(Main.SettingsButton));
        chooser = WaitForChooser();
    }
    ASSERT_TRUE(chooser);
    ASSERT_TRUE(PostClick(FindDescendantById(chooser, IDCANCEL)));
    ASSERT_TRUE(WaitUntilGone(chooser)) << Windows();
    Quit(Main);
    EXPECT_EQ(Stored(0), SettingsLines(IniPath));
}

// Moves the last-write time of the folders back and forth by a day, every
// millisecond, until destroyed. Under Wine a folder's shell item holds that
// time to two seconds: one changed between the chooser's reading of the stored
// path and its filling of the tree no longer matches by it.
class TFolderTimeShaker {
public:
    explicit TFolderTimeShaker(std::vector<std::string> folders) : folders_(std::move(folders)) {
        thread_ = TProcessHandle(CreateThread(nullptr, 0, &Run, this, 0, nullptr));
    }
    ~TFolderTimeShaker() {
        stop_ = true;
        WaitForSingleObject(thread_.Get(), INFINITE);
    }
    TFolderTimeShaker(const TFolderTimeShaker&) = delete;
    TFolderTimeShaker& operator=(const TFolderTimeShaker&) = delete;

private:
    static DWORD WINAPI Run(LPVOID self) {
        auto& shaker = *static_cast<TFolderTimeShaker*>(self);
        for (WORD day = 1; !shaker.stop_; day = static_cast<WORD>(3 - day), Sleep(1)) {
            SYSTEMTIME time{};
            time.wYear = 2001, time.wMonth = 1, time.wDay = day;
            FILETIME written{};
            SystemTimeToFileTime(&time, &written);
            for (const std::string& folder : shaker.folders_) {
                const TFileHandle handle(CreateFileA(folder.c_str(), FILE_WRITE_ATTRIBUTES,
                                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                     OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
                SetFileTime(handle.Get(), nullptr, nullptr, &written);
            }
        }
        return 0;
    }

    std::vector<std::string> folders_;
    TProcessHandle thread_;
    std::atomic<bool> stop_ = false;
};

// After 実行, 設定 opens on the stored folder twenty times in a row, while
// another process keeps making and removing a folder beside the game folder
// and the game folder's and its parent's times keep changing: the shell's own
// selection by path then misses, and the tree's focus used to pick the root
// or a parent, which the status line showed and OK would have stored.
TEST_F(FolderChooserTest, OpensOnTheStoredFolderAfterExecuteWhileFoldersChangeBeside) {
    MakeGameAndSettings({TSlotTime{2004, 4, 4, 4, 4}}, 0);
    char system[MAX_PATH] = {};
    ASSERT_NE(0u, GetSystemDirectoryA(system, MAX_PATH));
    const std::string beside = Folder.Path() + "beside";
    const TChildProcess writer(std::string(system) + "\\cmd.exe", SW_HIDE,
                               "/c for /L %i in (1,1,10000000) do @(mkdir " + beside + " & rmdir " + beside + ")");
    const TFolderTimeShaker shaker({GameDir, Folder.Path()});
    Launch();
    Main = WaitForMainWindow();
    ASSERT_TRUE(Main.Window);
    for (int opening = 1; opening <= 20; ++opening) {
        SCOPED_TRACE("opening " + std::to_string(opening));
        WriteFileBytes(SlotFolder(GameDir, 0) + "BUSYO21.BIN", SaveOfficerFile());
        const HWND done = ExecuteConfirmed(Main);
        ASSERT_TRUE(done);
        Answer(done, "OK");
        ASSERT_TRUE(PostClick(Main.SettingsButton));
        const HWND chooser = WaitForChooser();
        ASSERT_TRUE(chooser);
        TRemoteTreeView view(FindDescendantById(chooser, kTreeId));
        ASSERT_TRUE(ShowsTheStoredFolder(view));
        // OK is enabled and the tree focused by posts: once OK is, still the
        // stored folder, and no other path on the status line.
        ASSERT_TRUE(WaitUntil([&] { return IsPressable(FindDescendantById(chooser, IDOK)); }, kPressableTimeoutMs));
        Sleep(100);
        ASSERT_TRUE(ShowsTheStoredFolder(view));
        const std::string status = WindowText(FindDescendantById(chooser, kStatusId));
        ASSERT_TRUE(status.empty() || status == WithoutTrailingSeparator(GameDir))
            << "the status line shows " << status;
        ASSERT_TRUE(PostClick(FindDescendantById(chooser, IDCANCEL)));
        ASSERT_TRUE(WaitUntilGone(chooser)) << Windows();
    }
    EXPECT_TRUE(writer.IsRunning()) << "the folder writer ended early";
    Quit(Main);
}

TEST_F(FolderChooserTest, ChoosingAnotherFolderStoresItAndShowsItsSlots) {
    const std::string otherGame = Folder.Path() + "other\\";
    MakeGameFolder(otherGame, {std::nullopt, std::nullopt, std::nullopt, TSlotTime{2005, 5, 5, 5, 5}});
    const HWND chooser = OpenChooser();
    ASSERT_TRUE(chooser);
    TRemoteTreeView view(FindDescendantById(chooser, kTreeId));
    ASSERT_TRUE(ShowsTheStoredFolder(view));
    // The other game folder is a sibling of the stored one.
    ASSERT_NO_FATAL_FAILURE(Choose(chooser, view, view.FindChild(view.Parent(view.Selected()), "other"), otherGame));
    ASSERT_TRUE(WaitUntilGone(chooser)) << Windows();
    ASSERT_TRUE(WaitUntil([&] { return WindowText(Main.SlotItems[0]) == "LOG1.DAT  ---"; }, 3000))
        << "the slots of the new folder did not show: " << WindowText(Main.SlotItems[0]);
    EXPECT_EQ("LOG3.DAT  ---", WindowText(Main.SlotItems[2]));
    EXPECT_NE(std::string::npos, WindowText(Main.SlotItems[3]).find(ShownDate({2005, 5, 5, 5, 5})))
        << WindowText(Main.SlotItems[3]);
    EXPECT_EQ(-1, CheckedIndex(Main.SlotItems)) << "a new folder clears the slot selection";
    EXPECT_EQ(Stored(otherGame, -1), SettingsLines(IniPath));

    // The selection rules still fall back to the slot accepted before the choice.
    ASSERT_TRUE(SendClick(Main.SlotItems[1]));
    EXPECT_TRUE(WaitUntil([&] { return CheckedIndex(Main.SlotItems) == 0; }, 3000))
        << "an empty slot falls back to slot 0; found " << CheckedIndex(Main.SlotItems);
    ASSERT_TRUE(PostClose(Main.Window));
    ExpectCleanExit();
    EXPECT_EQ(Stored(otherGame, 0), SettingsLines(IniPath));
}

// A new user at the first start: the sample game's folder is clicked in the
// tree and confirmed, its slots show, the folder is stored, and a slot of it
// can be rewritten at once.
TEST_F(FolderChooserTest, FirstStartStoresTheSampleGamePickedFromTheTree) {
    ASSERT_NO_FATAL_FAILURE(MakeSampleGame(GameDir));
    ASSERT_NO_FATAL_FAILURE(ChooseAtFirstStart());
    const TMainWindow main = WaitForMainWindow();
    ASSERT_TRUE(main.Window);
    const std::vector<std::string> labels = Labels(main.SlotItems);
    EXPECT_NE(std::string::npos, labels[0].find(ShownDate({1998, 4, 3, 0, 0}))) << labels[0];
    EXPECT_NE(std::string::npos, labels[3].find(ShownDate({1999, 1, 1, 0, 0}))) << labels[3];
    EXPECT_EQ("LOG3.DAT  ---", labels[2]);
    EXPECT_EQ("LOG5.DAT  ---", labels[4]);
    EXPECT_EQ(-1, CheckedIndex(main.SlotItems));
    EXPECT_EQ(Stored(-1), SettingsLines(IniPath));

    const std::optional<std::string> before = TryReadFileBytes(SlotFolder(GameDir, 0) + "BUSYO21.BIN");
    ASSERT_TRUE(SendClick(main.SlotItems[0]));
    const HWND done = ExecuteConfirmed(main);
    ASSERT_TRUE(done);
    EXPECT_NE("", FileDifference(before, TryReadFileBytes(SlotFolder(GameDir, 0) + "BUSYO21.BIN")))
        << "the sample game's first slot has names to rewrite";
    Answer(done, "OK");
    Quit(main);
    EXPECT_EQ(Stored(0), SettingsLines(IniPath));
}

// Under the chooser's flags the shell itself enables OK only on computers:
// the program enables it on every item with a path, reached by a click or by
// the arrow keys, and it stays enabled.
TEST_F(FolderChooserTest, OkIsEnabledOnADriveAndOnAFolder) {
    MakeGameFolder(GameDir, {});
    Launch();
    const HWND chooser = WaitForChooser();
    ASSERT_TRUE(chooser);
    const HWND ok = FindDescendantById(chooser, IDOK);
    TRemoteTreeView view(FindDescendantById(chooser, kTreeId));
    ASSERT_TRUE(view.IsUsable()) << Windows();
    std::string problem;
    const HTREEITEM drive = FindDriveItem(view, GameDir, problem);
    ASSERT_TRUE(drive) << problem;
    const HTREEITEM folder = FindFolderItem(view, GameDir, problem);
    ASSERT_TRUE(folder) << problem;

    const struct {
        HTREEITEM Item;
        std::string Path;
    } items[] = {{drive, GameDir.substr(0, 3)}, {folder, WithoutTrailingSeparator(GameDir)}};
    // The shell's own check runs around the program's, so OK must still be enabled a moment later.
    const auto okStaysEnabled = [&] {
        const bool enabled = WaitUntil([&] { return IsPressable(ok); }, kPressableTimeoutMs);
        Sleep(300);
        return enabled && IsPressable(ok);
    };
    for (const auto& item : items) {
        ASSERT_NO_FATAL_FAILURE(ClickItem(chooser, view, item.Item, item.Path));
        EXPECT_TRUE(okStaysEnabled()) << "OK is greyed on " << item.Path << "\n" << Windows();
    }

    // Reached with the arrow keys: the item above the game folder, another folder of the drive.
    const HWND status = FindDescendantById(chooser, kStatusId);
    ASSERT_TRUE(PostKey(FindDescendantById(chooser, kTreeId), VK_UP));
    ASSERT_TRUE(WaitUntil(
        [&] {
            const std::string path = WindowText(status);
            return path.size() > 3 && path.rfind(GameDir.substr(0, 3), 0) == 0 && path != items[1].Path;
        },
        3000))
        << "the arrow key did not select another folder: \"" << WindowText(status) << "\"";
    EXPECT_TRUE(okStaysEnabled()) << "OK is greyed on " << WindowText(status) << "\n" << Windows();

    ASSERT_TRUE(PostClick(FindDescendantById(chooser, IDCANCEL)));
    const TMainWindow main = WaitForMainWindow();
    ASSERT_TRUE(main.Window);
    Quit(main);
}

// A settings file that cannot be written at the first start: the refused
// store is reported, the window is shown all the same, and the chosen folder
// is used for the rest of the run.
TEST_F(FolderChooserTest, FirstStartWithAnUnwritableSettingsFileReportsItAndGoesOn) {
    if (!ReadOnlyFilesAreRefusedHere(Folder.Path()))
        GTEST_SKIP() << "read-only files can be written here (Wine run by root)";
    MakeGameFolder(GameDir, {TSlotTime{2009, 9, 9, 9, 9}});
    const std::string settings = "[Kasumiro]\r\nBaseDir=\r\n";
    WriteFileBytes(IniPath, settings);
    SetFileAttributesA(IniPath.c_str(), FILE_ATTRIBUTE_READONLY);
    ASSERT_NO_FATAL_FAILURE(ChooseAtFirstStart());

    const std::string refused = IniPath + " に書き込めません.";
    HWND error = WaitForBox(refused);
    ASSERT_TRUE(error);
    EXPECT_EQ("Kasumiro", WindowText(error));
    EXPECT_FALSE(MainWindowVisible()) << "the error of the start is shown before the window";
    Answer(error, "OK");
    const TMainWindow main = WaitForMainWindow();
    ASSERT_TRUE(main.Window);
    EXPECT_EQ("LOG1.DAT", WindowText(main.SlotItems[0])) << "the refused store leaves the slot list as designed";

    // The game folder was taken although it could not be stored: Execute works on it.
    ASSERT_TRUE(SendClick(main.SlotItems[0]));
    const HWND done = ExecuteConfirmed(main);
    ASSERT_TRUE(done);
    EXPECT_EQ("", FileDifference(RewrittenSaveOfficerFile(), TryReadFileBytes(SlotFolder(GameDir, 0) + "BUSYO21.BIN")));
    Answer(done, "OK");

    ASSERT_TRUE(PostClick(main.QuitButton));
    error = WaitForBox(refused);
    ASSERT_TRUE(error);
    ASSERT_TRUE(PostClick(FindDescendantById(error, IDOK)));
    ExpectCleanExit();
    EXPECT_EQ("", FileDifference(settings, TryReadFileBytes(IniPath)));
}

// A folder whose name the system's code page can hold works from choosing it
// to the rewrite; one it cannot hold is refused with its error box, and
// nothing is stored or shown differently. Each name is of one of the two
// systems the tests run on.
struct TFolderNameCase {
    const char* Name;
    const wchar_t* Folder;
    UINT NamedOnCodePage;
};

class FolderNameTest : public FolderChooserTest, public testing::WithParamInterface<TFolderNameCase> {};

TEST_P(FolderNameTest, NamedFoldersWorkOthersAreRefusedAndNothingChanges) {
    const std::string parent = Folder.Path() + "pick\\";
    MakeFolder(parent);
    const std::wstring wideFolder = SystemText(parent) + GetParam().Folder;
    std::string folder;
    const bool named = ExactSystemText(wideFolder, folder);
    ASSERT_EQ(GetACP() == GetParam().NamedOnCodePage, named) << "run on code page " << GetACP();
    if (named) {
        MakeGameFolder(folder + "\\", {TSlotTime{2011, 11, 11, 11, 11}});
    } else {
        ASSERT_TRUE(CreateDirectoryW(wideFolder.c_str(), nullptr));
    }
    const HWND chooser = OpenOnTheCaseFolder(parent);
    ASSERT_TRUE(chooser);
    const std::vector<std::string> labels = Labels(Main.SlotItems);
    if (named) {
        const HWND status = FindDescendantById(chooser, kStatusId);
        EXPECT_TRUE(WaitUntil([&] { return WideWindowText(status) == wideFolder; }, 3000)) << WindowText(status);
    }
    ASSERT_TRUE(PostClick(FindDescendantById(chooser, IDOK)));
    ASSERT_TRUE(WaitUntilGone(chooser)) << Windows();

    if (!named) {
        ExpectRefusedWithNothingChanged("フォルダ名に使用できない文字が含まれています.", labels, parent);
        return;
    }
    EXPECT_TRUE(WaitUntil([&] { return CheckedIndex(Main.SlotItems) == -1; }, 3000));
    EXPECT_EQ(Stored(folder + "\\", -1), SettingsLines(IniPath));
    ASSERT_TRUE(SendClick(Main.SlotItems[0]));
    const HWND done = ExecuteConfirmed(Main);
    ASSERT_TRUE(done);
    const std::string rewritten = SlotFolder(folder + "\\", 0) + "BUSYO21.BIN";
    EXPECT_EQ("", FileDifference(RewrittenSaveOfficerFile(), TryReadFileBytes(rewritten)));
    Answer(done, "OK");
    Quit(Main);
    EXPECT_EQ(Stored(folder + "\\", 0), SettingsLines(IniPath));
}

// A Japanese path of 260 bytes or more in code page 932 (here 65 + 65
// characters below the test's folder) is out of the system's reach: refused
// for its length, not for its characters, and nothing changes.
TEST_F(FolderChooserTest, APathTooLongForTheSystemIsRefusedForItsLength) {
    if (GetACP() != 932) GTEST_SKIP() << "the Japanese names need code page 932";
    const std::wstring name(65, L'\u5929');
    const std::wstring pick = SystemText(Folder.Path()) + L"pick";
    const std::wstring wideParent = pick + L"\\" + name;
    const std::wstring wideChild = wideParent + L"\\" + name;
    for (const std::wstring& folder : {pick, wideParent, wideChild})
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    std::string parent;
    ASSERT_TRUE(ExactSystemText(wideParent + L"\\", parent));
    ASSERT_GE(parent.size() + 2 * name.size(), 260u);
    const HWND chooser = OpenOnTheCaseFolder(parent);
    ASSERT_TRUE(chooser);
    const std::vector<std::string> labels = Labels(Main.SlotItems);
    // The status line shows as much of the path as the system's buffer holds.
    const HWND status = FindDescendantById(chooser, kStatusId);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(status).size() > parent.size(); }, 3000)) << WindowText(status);
    ASSERT_TRUE(PostClick(FindDescendantById(chooser, IDOK)));
    ASSERT_TRUE(WaitUntilGone(chooser)) << Windows();
    ExpectRefusedWithNothingChanged("フォルダのパスが長すぎます.", labels, parent);
}

INSTANTIATE_TEST_SUITE_P(Kasumiro, FolderNameTest,
                         testing::Values(TFolderNameCase{"Japanese", L"\u5929\u4E0B\u7D71\u4E00", 932},
                                         TFolderNameCase{"Umlaut", L"Spiele \u00C4", 1252}),
                         CaseName<TFolderNameCase>);

}  // namespace
}  // namespace e2e
