// The main window's logic and the program's global state, apart from any
// toolkit. A front end builds the window from this state, mirrors the
// two radio-group models and forwards events to the handlers.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "settings/ini_file.h"
#include "ui/folder_dialog.h"
#include "ui/radio_group.h"
#include "ui/silent_backup_rewrite.h"

using TObject = void;

class TForm1 {
public:
    // settingsPath: the settings file (SettingsFilePath() in the program).
    // Sets Form1 to the new window; the destructor clears it again.
    // chooser: the front end's folder chooser, which FolderDialog1 shows.
    TForm1(IFolderChooser& chooser, std::string settingsPath);
    ~TForm1();
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    TRadioGroup ScenarioGroup;
    TRadioGroup SaveDataGroup;
    TFolderDialog FolderDialog1;
    // Execute's work once a slot is chosen, given BaseDir and the slot's
    // folder name: the Windows program's RunSilentlyBackedUpRewrite unless
    // the front end chooses another (the Linux program's RunUndoableRewrite).
    std::function<void(const std::string& gameFolder, const std::string& slotName)> ExecuteRewrite =
        RunSilentlyBackedUpRewrite;
    // Whether Execute, while no game folder is known, runs the Settings flow
    // in its place (the Linux program); off, it joins the paths onto the
    // empty folder as ever (the Windows program).
    bool ExecuteChoosesMissingFolder = false;

    // The handlers never catch: an error travels out to the event dispatch.
    void Button3Click(TObject* Sender);
    void Button2Click(TObject* Sender);
    void FormCreate(TObject* Sender);
    void FormDestroy(TObject* Sender);
    void ScenarioGroupClick(TObject* Sender);
    void SaveDataGroupClick(TObject* Sender);
    void Button1Click(TObject* Sender);

private:
    TIniFile& Settings();

    std::string settingsPath_;
};

extern TForm1* Form1;
extern std::string BaseDir;
extern std::unique_ptr<TIniFile> IniFile;
extern std::int32_t LastSaveDataIndex;
