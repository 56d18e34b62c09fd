// The main window's handlers: start-up, the selection rules, Execute,
// Settings, Quit and shut-down, over the radio-group models.
#include "ui/main_form.h"

#include <array>
#include <utility>
#include <vector>

#include "settings/settings_store.h"
#include "ui/frame.h"
#include "ui/main_form_layout.h"
#include "ui/save_slot_group.h"

TForm1* Form1 = nullptr;
std::string BaseDir;
std::unique_ptr<TIniFile> IniFile;
std::int32_t LastSaveDataIndex = 0;

namespace {

constexpr char kFolderDialogTitle[] = "天下統一プログラム・フォルダの設定";

template <std::size_t N>
std::vector<std::string> ItemList(const std::array<const char*, N>& items) {
    return std::vector<std::string>(items.begin(), items.end());
}

}  // namespace

TForm1::TForm1(IFolderChooser& chooser, std::string settingsPath)
    : ScenarioGroup(kScenarioGroup.Caption, ItemList(kScenarioItems), kScenarioItemIndex),
      SaveDataGroup(kSaveDataGroup.Caption, ItemList(kSaveDataItems), kSaveDataItemIndex), FolderDialog1(chooser),
      settingsPath_(std::move(settingsPath)) {
    ScenarioGroup.OnClick = [this] { ScenarioGroupClick(&ScenarioGroup); };
    SaveDataGroup.OnClick = [this] { SaveDataGroupClick(&SaveDataGroup); };
    FolderDialog1.Title = kFolderDialogTitle;
    Form1 = this;
}

TForm1::~TForm1() {
    if (Form1 == this) Form1 = nullptr;
}

// The settings object normally lives from FormCreate to FormDestroy; should
// the start-up have failed before making it, it is made here, so that a
// later Settings or shut-down never works on a missing object.
TIniFile& TForm1::Settings() {
    if (!IniFile) IniFile = std::make_unique<TIniFile>(settingsPath_);
    return *IniFile;
}

void TForm1::Button3Click(TObject* /*Sender*/) { RequestQuit(); }

void TForm1::Button2Click(TObject* /*Sender*/) {
    if (!FolderDialog1.Execute()) return;
    StoreGameFolder(Settings(), BaseDir, FolderDialog1.Directory);
    RefreshSaveDataList(SaveDataGroup, Settings(), BaseDir);
}

void TForm1::FormCreate(TObject* Sender) {
    const TStartupSettings startup = LoadStartupSettings(settingsPath_, IniFile, BaseDir);
    if (!startup.HasGameFolder) {
        Button2Click(Sender);
        return;
    }
    FolderDialog1.Directory = startup.ChooserDirectory;
    RefreshSaveDataList(SaveDataGroup, Settings(), BaseDir);
}

void TForm1::FormDestroy(TObject* /*Sender*/) {
    Settings();
    StoreShutdownSettings(IniFile, SaveDataGroup.ItemIndex());
}

void TForm1::ScenarioGroupClick(TObject* /*Sender*/) {
    DefaultBeep();
    ScenarioGroup.SetItemIndex(0);
}

void TForm1::SaveDataGroupClick(TObject* /*Sender*/) {
    // Every way here has just checked a slot; nothing to judge otherwise.
    if (SaveDataGroup.ItemIndex() < 0) return;
    if (SaveDataGroup.ItemEmpty(SaveDataGroup.ItemIndex())) {
        DefaultBeep();
        // Runs this handler again, nested, when the selection moves.
        SaveDataGroup.SetItemIndex(LastSaveDataIndex);
    }
    LastSaveDataIndex = SaveDataGroup.ItemIndex();
}

void TForm1::Button1Click(TObject* Sender) {
    if (ExecuteChoosesMissingFolder && BaseDir.empty()) {
        Button2Click(Sender);
        return;
    }
    if (ScenarioGroup.ItemIndex() == -1 || SaveDataGroup.ItemIndex() == -1) {
        DefaultBeep();
        return;
    }
    ExecuteRewrite(BaseDir, SaveDataGroup.ItemName(SaveDataGroup.ItemIndex()));
}
