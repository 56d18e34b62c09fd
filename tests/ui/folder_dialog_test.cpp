// The Win32 folder chooser against a scripted shell: flags, set-up and
// release order, what Directory becomes (through TFolderDialog, which refuses
// unusable paths), and the browser callback's messages.
#include "ui/win32/folder_browser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "common/errors.h"
#include "ui/fake_folder_shell.h"
#include "ui/folder_dialog.h"

namespace {

using Calls = std::vector<std::string>;

TWindowHandle const kOwner = reinterpret_cast<TWindowHandle>(0x1234);
TWindowHandle const kDialog = reinterpret_cast<TWindowHandle>(0x5678);
// The path buffer's allocation: MAX_PATH on Windows, PATH_MAX on Linux.
const std::string kAllocBuffer = "Alloc " + std::to_string(kMaxPath);

class FolderDialogTest : public testing::Test {
protected:
    TFakeFolderShell shell;
    int ownerRequests = 0;
    TShellFolderBrowser dialog{shell, [this] {
                                   ++ownerRequests;
                                   return kOwner;
                               }};

    void TearDown() override { EXPECT_EQ(shell.Outstanding(), 0) << "a shell resource was not given back"; }

    // Runs the callback as the open browser would.
    void Notify(std::uint32_t message, std::intptr_t param = 0) {
        const auto data = reinterpret_cast<std::intptr_t>(&dialog);
        EXPECT_EQ(TShellFolderBrowser::BrowseCallback(kDialog, message, param, data), 0);
    }
};

TEST(BrowseFlagsTest, MapsEachOptionToItsFlagAndNothingElse) {
    struct Row {
        TOptions options;
        std::uint32_t flags;
    };
    const Row rows[] = {
        {{}, 0x0000},
        {{ofBrowseForComputer}, 0x1000},
        {{ofBrowseForPrinter}, 0x2000},
        {{ofDontGoBelowDomain}, 0x0002},
        {{ofReturnFSAncestors}, 0x0008},
        {{ofReturnOnlyFSDirs}, 0x0001},
        {{ofStatusText}, 0x0004},
        {{ofBrowseForComputer, ofReturnOnlyFSDirs, ofStatusText}, 0x1005},
        {{ofBrowseForComputer, ofBrowseForPrinter, ofDontGoBelowDomain, ofReturnFSAncestors, ofReturnOnlyFSDirs,
          ofStatusText},
         0x300F},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(BrowseFlags(row.options), row.flags) << "options bits " << int(row.options.Bits());
    }
}

TEST_F(FolderDialogTest, FreshComponentHasTheDefaults) {
    EXPECT_EQ(dialog.Directory, "");
    EXPECT_EQ(dialog.Title, "フォルダーの選択");
    EXPECT_FALSE(dialog.RootIsDesktop);
    EXPECT_TRUE(dialog.Options == TOptions{ofStatusText});
    EXPECT_EQ(ownerRequests, 0);
}

TEST_F(FolderDialogTest, OkOnAFolderSetsDirectoryAndGivesEverythingBackInOrder) {
    dialog.Title = "T";
    SetUpGameFolderBrowser(dialog);
    shell.ChooseFolder("C:\\Game");

    EXPECT_TRUE(dialog.Execute());

    EXPECT_EQ(dialog.Directory, "C:\\Game");
    EXPECT_EQ(shell.Calls,
              (Calls{"SHGetMalloc", kAllocBuffer, "SHGetSpecialFolderLocation 17", "SHBrowseForFolderA",
                     "SHGetPathFromIDListA chosen", "Free chosen", "Free MyComputer", "Free buffer", "Release"}));
    const TBrowseInfo& info = shell.LastInfo;
    EXPECT_EQ(info.Owner, kOwner);
    EXPECT_EQ(info.Root, shell.MyComputer());
    EXPECT_NE(info.DisplayName, nullptr);
    EXPECT_EQ(shell.LastTitle, "T");
    EXPECT_EQ(info.Flags, 0x1005u);
    EXPECT_EQ(info.Callback, &TShellFolderBrowser::BrowseCallback);
    EXPECT_EQ(info.Data, reinterpret_cast<std::intptr_t>(&dialog));
}

TEST_F(FolderDialogTest, DesktopRootStillObtainsAndFreesMyComputer) {
    dialog.RootIsDesktop = true;
    shell.ChooseFolder("D:\\");

    EXPECT_TRUE(dialog.Execute());

    EXPECT_EQ(shell.LastInfo.Root, nullptr);
    EXPECT_EQ(dialog.Directory, "D:\\");
    EXPECT_NE(std::find(shell.Calls.begin(), shell.Calls.end(), "Free MyComputer"), shell.Calls.end());
}

TEST_F(FolderDialogTest, CancelOrAPathlessItemLeavesDirectory) {
    struct Row {
        const char* name;
        bool cancel;
        bool result;
    };
    for (const Row row : {Row{"cancel", true, false}, Row{"no path", false, true}}) {
        TFakeFolderShell rowShell;
        TShellFolderBrowser rowBrowser(rowShell, [] { return kOwner; });
        TFolderDialog rowDialog(rowBrowser);
        rowDialog.Directory = "C:\\Old";
        if (row.cancel) {
            rowShell.CancelBrowser();
        } else {
            rowShell.Browse = [&rowShell](TBrowseInfo&) { return rowShell.MakeItem("chosen", std::nullopt); };
        }
        EXPECT_EQ(rowDialog.Execute(), row.result) << row.name;
        EXPECT_EQ(rowDialog.Directory, "C:\\Old") << row.name;
        EXPECT_EQ(rowShell.Outstanding(), 0) << row.name;
    }
}

// The Windows shell gives "?" for each character the system's code page
// lacks: such a path names nothing and is refused, Directory unchanged, all
// given back. On Linux "?" is an ordinary character of a folder's name.
TEST_F(FolderDialogTest, AQuestionMarkIsRefusedOnlyWhereItStandsForALostCharacter) {
    TFolderDialog component(dialog);
    component.Directory = "C:\\Old";
    shell.ChooseFolder("K:\\Spiele ?");
    if (kUnnamableCharacter != '?') {
        EXPECT_TRUE(component.Execute());
        EXPECT_EQ(component.Directory, "K:\\Spiele ?");
        return;
    }
    try {
        component.Execute();
        ADD_FAILURE() << "expected the folder to be refused";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), kFolderNameNotUsable);
    }
    EXPECT_EQ(component.Directory, "C:\\Old");
    EXPECT_EQ(shell.Calls.back(), "Release");
}

// A path of kMaxPath bytes or more has no room in the system's path buffer:
// refused for its length, not for its characters. Windows' 260 bytes are 130
// Japanese characters; Linux takes such paths, up to its 4096 bytes.
TEST_F(FolderDialogTest, APathTooLongForTheSystemIsRefusedForItsLength) {
    std::string japanese = "K:\\";
    while (japanese.size() < 260) japanese += "天";
    struct Row {
        const char* name;
        std::string path;
        const char* refusal;  // nullptr: taken
    };
    const Row rows[] = {
        {"one byte short", "K:\\" + std::string(kMaxPath - 4, 'x'), nullptr},
        {"the whole buffer", "K:\\" + std::string(kMaxPath - 3, 'x'), kFolderPathTooLong},
        {"longer still", "K:\\" + std::string(kMaxPath + 40, 'x'), kFolderPathTooLong},
        {"too long and a lost character", "K:\\?" + std::string(kMaxPath, 'x'), kFolderPathTooLong},
        {"260 bytes", "K:\\" + std::string(257, 'x'), kMaxPath > 260 ? nullptr : kFolderPathTooLong},
        {"Japanese, 260 bytes or more", japanese, japanese.size() < kMaxPath ? nullptr : kFolderPathTooLong},
    };
    for (const Row& row : rows) {
        TFakeFolderShell rowShell;
        TShellFolderBrowser rowBrowser(rowShell, [] { return kOwner; });
        TFolderDialog rowDialog(rowBrowser);
        rowDialog.Directory = "C:\\Old";
        rowShell.ChooseFolder(row.path);
        try {
            EXPECT_TRUE(rowDialog.Execute()) << row.name;
            EXPECT_EQ(row.refusal, nullptr) << row.name << ": expected to be refused";
            EXPECT_EQ(rowDialog.Directory, row.path) << row.name;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), row.refusal ? row.refusal : "(taken)") << row.name;
            EXPECT_EQ(rowDialog.Directory, "C:\\Old") << row.name;
        }
        EXPECT_EQ(rowShell.Outstanding(), 0) << row.name;
    }
}

TEST_F(FolderDialogTest, SetUpFailuresShowNothingAndGiveBackWhatWasTaken) {
    struct Row {
        const char* name;
        bool allocator;
        bool buffer;
        std::int32_t specialFolder;
        Calls calls;
    };
    const Row rows[] = {
        {"no allocator", false, true, 0, {"SHGetMalloc"}},
        {"no buffer", true, false, 0, {"SHGetMalloc", kAllocBuffer, "Release"}},
        {"no My Computer",
         true,
         true,
         static_cast<std::int32_t>(0x80004005),
         {"SHGetMalloc", kAllocBuffer, "SHGetSpecialFolderLocation 17", "Free buffer", "Release"}},
    };
    for (const Row& row : rows) {
        TFakeFolderShell rowShell;
        rowShell.AllocatorAvailable = row.allocator;
        rowShell.BufferAvailable = row.buffer;
        rowShell.SpecialFolderResult = row.specialFolder;
        rowShell.ChooseFolder("C:\\New");
        TShellFolderBrowser rowDialog(rowShell, [] { return kOwner; });

        EXPECT_FALSE(rowDialog.Execute()) << row.name;
        EXPECT_EQ(rowShell.Calls, row.calls) << row.name;
        EXPECT_EQ(rowShell.BrowseCount, 0) << row.name;
        EXPECT_EQ(rowDialog.Directory, "") << row.name;
        EXPECT_EQ(rowShell.Outstanding(), 0) << row.name;
    }
}

TEST_F(FolderDialogTest, AnErrorWhileOpenGivesBackEverythingAndPassesOn) {
    shell.Browse = [](TBrowseInfo&) -> TItemIdList { throw std::runtime_error("browser failed"); };
    EXPECT_THROW(dialog.Execute(), std::runtime_error);
    EXPECT_EQ(shell.Calls, (Calls{"SHGetMalloc", kAllocBuffer, "SHGetSpecialFolderLocation 17", "SHBrowseForFolderA",
                                  "Free MyComputer", "Free buffer", "Release"}));
}

TEST_F(FolderDialogTest, AnErrorGettingTheOwnerWindowGivesBackBufferAndAllocator) {
    TShellFolderBrowser failing(shell, []() -> TWindowHandle { throw std::runtime_error("no window"); });
    EXPECT_THROW(failing.Execute(), std::runtime_error);
    EXPECT_EQ(shell.BrowseCount, 0);
    EXPECT_EQ(shell.Calls.back(), "Release");
}

TEST_F(FolderDialogTest, InitialSelectionOnlyForAnExistingDirectory) {
    shell.Attributes = {{"C:\\Game", 0x10 | 0x01}, {"C:\\file.txt", 0x20}};
    struct Row {
        const char* directory;
        bool selects;
    };
    for (const Row row :
         {Row{"", false}, Row{"C:\\file.txt", false}, Row{"C:\\Missing", false}, Row{"C:\\Game", true}}) {
        shell.Sent.clear();
        dialog.Directory = row.directory;
        Notify(kBffmInitialized);

        ASSERT_EQ(shell.Sent.size(), row.selects ? 2u : 1u) << row.directory;
        if (row.selects) {
            EXPECT_EQ(shell.Sent[0].Message, 0x466u);
            EXPECT_EQ(shell.Sent[0].WParam, 1u);
            EXPECT_EQ(shell.Sent[0].Text, "C:\\Game");
            EXPECT_EQ(shell.Sent[0].Window, kDialog);
        }
        // The status line is emptied after the initial selection was asked for.
        EXPECT_EQ(shell.Sent.back().Message, 0x464u) << row.directory;
        EXPECT_EQ(shell.Sent.back().WParam, 0u) << row.directory;
        EXPECT_EQ(shell.Sent.back().Text, "") << row.directory;
    }
}

TEST_F(FolderDialogTest, StatusLineFollowsTheSelection) {
    const TItemIdList folder = shell.MakeItem("folder", "C:\\Game\\天下");
    const TItemIdList network = shell.MakeItem("network", std::nullopt);
    struct Row {
        std::uint32_t message;
        TItemIdList item;
        const char* status;
    };
    for (const Row row : {Row{kBffmSelChanged, folder, "C:\\Game\\天下"}, Row{kBffmSelChanged, network, ""},
                          Row{3 /* validate failed */, folder, ""}}) {
        shell.Sent.clear();
        Notify(row.message, reinterpret_cast<std::intptr_t>(row.item));
        ASSERT_EQ(shell.Sent.size(), 1u);
        EXPECT_EQ(shell.Sent[0].Message, 0x464u);
        EXPECT_EQ(shell.Sent[0].Text, row.status);
    }
}

// Under BIF_BROWSEFORCOMPUTER the shell greys OK on folders; the callback
// enables it again with a posted BFFM_ENABLEOK, for items with a path only.
// With the initial folder shown, a posted WM_NEXTDLGCTL then gives the focus
// to the tree, so that Enter confirms that folder.
TEST_F(FolderDialogTest, OkIsEnabledAndTheTreeFocusedByPostsOnlyForItemsWithAPath) {
    shell.Attributes = {{"C:\\Game", 0x10}};
    const TItemIdList folder = shell.MakeItem("folder", "C:\\Game");
    const TItemIdList drive = shell.MakeItem("drive", "D:\\");
    const TItemIdList network = shell.MakeItem("network", std::nullopt);
    struct Row {
        const char* name;
        std::uint32_t message;
        const char* directory;
        TItemIdList item;
        std::vector<std::uint32_t> posted;
    };
    const Row rows[] = {
        {"initial folder", kBffmInitialized, "C:\\Game", nullptr, {0x465, 0x28}},
        {"no initial folder", kBffmInitialized, "", nullptr, {}},
        {"missing initial folder", kBffmInitialized, "C:\\Missing", nullptr, {}},
        {"folder selected", kBffmSelChanged, "", folder, {0x465}},
        {"drive selected", kBffmSelChanged, "", drive, {0x465}},
        {"pathless item selected", kBffmSelChanged, "", network, {}},
        {"other notification", 3, "", folder, {}},
    };
    for (const Row& row : rows) {
        shell.Sent.clear();
        shell.Posted.clear();
        dialog.Directory = row.directory;
        Notify(row.message, reinterpret_cast<std::intptr_t>(row.item));

        ASSERT_EQ(shell.Posted.size(), row.posted.size()) << row.name;
        for (std::size_t i = 0; i < row.posted.size(); ++i) {
            const TPostedMessage& posted = shell.Posted[i];
            EXPECT_EQ(posted.Window, kDialog) << row.name;
            EXPECT_EQ(posted.Message, row.posted[i]) << row.name;
            if (posted.Message == 0x465) {
                EXPECT_EQ(posted.WParam, 0u) << row.name;
                EXPECT_NE(posted.LParam, 0) << row.name << ": must enable, not disable";
            } else {
                EXPECT_EQ(posted.WParam, reinterpret_cast<std::uintptr_t>(shell.Tree)) << row.name;
                EXPECT_NE(posted.LParam, 0) << row.name << ": wParam is the control, not a direction";
            }
        }
        for (const TSentMessage& sent : shell.Sent) {
            EXPECT_TRUE(sent.Message != 0x465u && sent.Message != 0x28u) << row.name << ": sent, not posted";
        }
    }
}

TEST_F(FolderDialogTest, CancelledBrowserOpensAtTheSameFolderNextTime) {
    shell.Attributes = {{"C:\\Game", 0x10}};
    dialog.Directory = "C:\\Game";
    shell.Browse = [](TBrowseInfo& info) -> TItemIdList {
        info.Callback(kDialog, kBffmInitialized, 0, info.Data);
        return nullptr;
    };
    for (int run = 0; run < 2; ++run) EXPECT_FALSE(dialog.Execute());
    ASSERT_EQ(shell.Sent.size(), 4u);
    EXPECT_EQ(shell.Sent[0].Text, "C:\\Game");
    EXPECT_EQ(shell.Sent[2].Text, "C:\\Game");
}

// The main window's component hands its title and folder to the browser,
// which opens on that folder.
TEST_F(FolderDialogTest, TheComponentOpensTheBrowserWithItsTitleOnItsFolder) {
    shell.Attributes = {{"C:\\Game", 0x10}};
    shell.Browse = [](TBrowseInfo& info) -> TItemIdList {
        info.Callback(kDialog, kBffmInitialized, 0, info.Data);
        return nullptr;
    };
    TFolderDialog component(dialog);
    component.Title = "T";
    component.Directory = "C:\\Game";
    EXPECT_FALSE(component.Execute());
    EXPECT_EQ(shell.LastTitle, "T");
    ASSERT_FALSE(shell.Sent.empty());
    EXPECT_EQ(shell.Sent[0].Message, kBffmSetSelectionA);
    EXPECT_EQ(shell.Sent[0].Text, "C:\\Game");
    EXPECT_EQ(component.Directory, "C:\\Game");
}

}  // namespace
