// Test folders, settings and the program run for the Qt tests.
#include "qt_fixture.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include "cli/sample_game.h"
#include "common/paths.h"
#include "file_kit/game_folder.h"
#include "settings/locale_info.h"
#include "ui/main_form.h"
#include "ui/qt/qt_application.h"
#include "ui/qt/qt_text.h"

TQtFixture::TQtFixture() {
    SettingsPath = temp_.Path() + "config/kasumiro/kasumiro_qt_tests.ini";
    game_ = temp_.Path() + "game/";
}

TQtFixture::~TQtFixture() = default;

std::string TQtFixture::MakeGame(const std::set<int>& used) {
    const std::string officers = OfficerFileBytes({});
    TGameFolderContents game{officers, officers, {}};
    game.Slots.resize(kSaveSlotCount);
    for (int slot : used) {
        game.Slots.at(static_cast<std::size_t>(slot)) = TSlotSystemFile{"S", TDateStamp{1998, 4, slot + 1, 21, 5, 0}};
    }
    MakeGameFolder(game_, game);
    return game_;
}

void TQtFixture::StoreSettings(const std::string& baseDir, int saveData) const {
    MakeFolder(temp_.Path() + "config");
    MakeFolder(temp_.Path() + "config/kasumiro");
    WriteFileBytes(SettingsPath, "[Kasumiro]\nBaseDir=" + baseDir + "\nSaveData=" + std::to_string(saveData) + "\n");
}

std::string TQtFixture::Settings() const { return FileExists(SettingsPath) ? ReadFileBytes(SettingsPath) : ""; }

void TQtFixture::Run() {
    // The unit's globals outlive one run in a test process; a program starts with them fresh.
    BaseDir.clear();
    IniFile.reset();
    LastSaveDataIndex = 0;
    TScopedFrame installed(Frame);
    RunKasumiro(Frame, SettingsPath);
    QVERIFY2(Script.Finished(), "the program quit before the script ended");
}

void ChooseFolder(QFileDialog& dialog, const std::string& folder) {
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(name && name->isVisible());
    name->clear();
    QTest::keyClicks(name, ToQString(folder));
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    QVERIFY(buttons);
    Press(buttons->button(QDialogButtonBox::Open));
}

void CancelChooser(QFileDialog& dialog) {
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    QVERIFY(buttons);
    Press(buttons->button(QDialogButtonBox::Cancel));
}

void CheckPlacedOverMainWindow(const QWidget& box) {
    const QRect area = box.screen()->availableGeometry();
    const QRect placed = box.frameGeometry();
    QVERIFY2(
        area.contains(placed),
        qPrintable(
            QStringLiteral("%1,%2 %3x%4").arg(placed.x()).arg(placed.y()).arg(placed.width()).arg(placed.height())));
    const QRect window = MainWindow()->frameGeometry();
    if (!area.contains(window)) return;
    const QPoint off = placed.center() - window.center();
    QVERIFY2(off.manhattanLength() <= 2,
             qPrintable(QStringLiteral("%1,%2 off the window's centre").arg(off.x()).arg(off.y())));
}

std::vector<std::string> SlotLabels() {
    std::vector<std::string> labels;
    for (int i = 0; i < 5; ++i) {
        auto* button = Control<QRadioButton>(("SaveDataGroup." + std::to_string(i)).c_str());
        labels.push_back(button ? FromQString(button->text()) : "(missing)");
    }
    return labels;
}

int CheckedSlot() {
    for (int i = 0; i < 5; ++i) {
        auto* button = Control<QRadioButton>(("SaveDataGroup." + std::to_string(i)).c_str());
        if (button && button->isChecked()) return i;
    }
    return -1;
}
