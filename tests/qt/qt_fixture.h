// A game folder and a settings file of its own for each test, and one run of
// the real program on them (window, boxes and chooser), driven by a script.
#pragma once

#include <QFileDialog>

#include <set>
#include <string>

#include "file_kit/temp_dir.h"
#include "support/backup_home.h"
#include "ui/qt/qt_frame.h"
#include "ui_script.h"

// The real frame, counting its beeps.
class TCountingFrame final : public TQtFrame {
public:
    int Beeps = 0;
    void DefaultBeep() override {
        ++Beeps;
        TQtFrame::DefaultBeep();
    }
};

class TQtFixture {
public:
    TQtFixture();
    ~TQtFixture();
    TQtFixture(const TQtFixture&) = delete;
    TQtFixture& operator=(const TQtFixture&) = delete;

    // The game folder (ending in "/"): NEW.DAT and LOG1.DAT to LOG5.DAT with
    // their officer files; the slots (0 to 4) in `used` hold a SYSTEM.BIN
    // dated 1998-04-0n 21:05 for slot n-1.
    std::string MakeGame(const std::set<int>& used);
    const std::string& GameFolder() const { return game_; }
    // The settings file, in a folder that does not exist yet.
    std::string SettingsPath;
    void StoreSettings(const std::string& baseDir, int saveData) const;
    std::string Settings() const;

    // Runs the program until it quits; the script drives it meanwhile.
    void Run();

    TUiScript Script;
    TCountingFrame Frame;

private:
    TTempDir temp_;
    TScopedBackupHome backupHome_{temp_.Path() + "data/"};  // the backups of a run stay in the test's folder
    std::string game_;
};

// The folder chooser, driven as a person would: the folder typed, then Choose.
void ChooseFolder(QFileDialog& dialog, const std::string& folder);
void CancelChooser(QFileDialog& dialog);
// A box opened on the screen's available area and centred over the main
// window, where that is within the area.
void CheckPlacedOverMainWindow(const QWidget& box);
// The labels of the five slot buttons, and which one is checked (-1: none).
std::vector<std::string> SlotLabels();
int CheckedSlot();
