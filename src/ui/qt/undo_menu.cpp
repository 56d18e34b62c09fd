// The menu bar's undo and backup list, over the store and the undo of every front end.
#include "ui/qt/undo_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include "backup/save_backup.h"
#include "ui/frame.h"
#include "ui/main_form.h"
#include "ui/qt/backup_list_dialog.h"
#include "ui/qt/qt_text.h"
#include "ui/undoable_rewrite.h"

TUndoMenu::TUndoMenu(QWidget& window, std::function<std::string()> selectedSlot)
    : QObject(&window), selectedSlot_(std::move(selectedSlot)), window_(window), bar_(new QMenuBar(&window)) {
    bar_->setObjectName(QStringLiteral("MenuBar"));
    bar_->setAccessibleName(QStringLiteral("メニュー"));
    QMenu* edit = bar_->addMenu(ToQString(kEditMenuText));
    edit->setObjectName(QStringLiteral("EditMenu"));
    undo_ = edit->addAction(ToQString(kUndoActionText));
    undo_->setObjectName(QStringLiteral("UndoAction"));
    undo_->setShortcut(QKeySequence::Undo);
    list_ = edit->addAction(ToQString(kBackupListActionText));
    list_->setObjectName(QStringLiteral("BackupListAction"));
    // Written, restored or played since the last look: asked again each time.
    connect(edit, &QMenu::aboutToShow, this, &TUndoMenu::Refresh);
    connect(undo_, &QAction::triggered, this, &TUndoMenu::Undo);
    connect(list_, &QAction::triggered, this, &TUndoMenu::ShowList);
    Refresh();
}

void TUndoMenu::Refresh() {
    const std::string slot = selectedSlot_();
    undo_->setEnabled(!slot.empty() && HasRewriteToUndo(BaseDir, slot));
    list_->setEnabled(!slot.empty() && !BaseDir.empty());
}

void TUndoMenu::Undo() {
    const std::string slot = selectedSlot_();
    // A shortcut pressed while the item is stale: the store decides.
    DispatchEvent([&] {
        if (!slot.empty()) UndoOrRestoreAnyway(BaseDir, slot, "");
    });
    Refresh();
}

void TUndoMenu::ShowList() {
    const std::string slot = selectedSlot_();
    DispatchEvent([&] {
        if (!slot.empty()) ShowBackupList(&window_, BaseDir, slot);
    });
    Refresh();
}
