// The backup list dialog: two tables and two buttons over the store's list.
#include "ui/qt/backup_list_dialog.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <vector>

#include "backup/save_backup.h"
#include "ui/frame.h"
#include "ui/qt/box_placement.h"
#include "ui/qt/change_list_view.h"
#include "ui/qt/qt_text.h"
#include "ui/undoable_rewrite.h"

namespace {

constexpr char kUnfinishedText[] = "書き換え途中";
constexpr char kDamagedText[] = "壊れています";

QString StateOf(const TSaveBackup& backup) {
    if (backup.Damaged) return ToQString(kDamagedText);
    return backup.Unfinished ? ToQString(kUnfinishedText) : QString();
}

class TBackupListDialog final : public QDialog {
public:
    TBackupListDialog(QWidget* owner, std::string gameFolder, std::string slotName)
        : QDialog(owner), gameFolder_(std::move(gameFolder)), slotName_(std::move(slotName)) {
        setObjectName(QStringLiteral("BackupList"));
        setWindowTitle(ToQString(kBackupListTitle));
        setWindowModality(Qt::ApplicationModal);
        if (owner) setFont(owner->font());  // a window of its own takes no font from its owner
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(Label(slotName_ + " のバックアップ (新しい順):", *backups_));
        backups_->setObjectName(QStringLiteral("Backups"));
        backups_->setAccessibleName(ToQString(kBackupListTitle));
        backups_->setHeaderLabels({"番号", "日時", "状態", "戻る名前"});
        backups_->setRootIsDecorated(false);
        layout->addWidget(backups_);
        layout->addWidget(Label("元に戻すと変わる名前:", *changes_));
        changes_->setObjectName(QStringLiteral("Changes"));
        layout->addWidget(changes_);
        auto* row = new QHBoxLayout;
        row->addStretch();
        restore_->setObjectName(QStringLiteral("RestoreButton"));
        auto* close = new QPushButton(QStringLiteral("閉じる"), this);
        close->setObjectName(QStringLiteral("CloseButton"));
        row->addWidget(restore_);
        row->addWidget(close);
        layout->addLayout(row);
        connect(backups_, &QTreeWidget::currentItemChanged, this, [this] { ShowChosen(); });
        connect(restore_, &QPushButton::clicked, this, [this] { RestoreChosen(); });
        connect(close, &QPushButton::clicked, this, &QDialog::accept);
        List();
    }

protected:
    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        PlaceBox(*this);
    }

private:
    QLabel* Label(const std::string& text, QWidget& buddy) {
        auto* label = new QLabel(ToQString(text), this);
        label->setTextFormat(Qt::PlainText);
        label->setBuddy(&buddy);
        return label;
    }

    // The store's list, newest first and chosen; raises what the store raises.
    void List() {
        backups_->clear();
        list_ = ListSaveBackups(gameFolder_, slotName_);
        for (const TSaveBackup& backup : list_) {
            const QString count = backup.Damaged ? QStringLiteral("-") : QString::number(backup.Restores.size());
            auto* item = new QTreeWidgetItem(
                backups_, {QString::number(backup.Number), ToQString(backup.Time), StateOf(backup), count});
            item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
            item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
        }
        for (int column = 0; column < backups_->columnCount(); ++column) backups_->resizeColumnToContents(column);
        // Room for a few rows each, within 800 pixels at twice the size; more scroll.
        const int line = backups_->fontMetrics().lineSpacing();
        backups_->setMinimumHeight(line * 6);
        changes_->setMinimumHeight(line * 6);
        if (!list_.empty()) backups_->setCurrentItem(backups_->topLevelItem(0));
        ShowChosen();
    }

    const TSaveBackup* Chosen() const {
        const int row = backups_->currentItem() ? backups_->indexOfTopLevelItem(backups_->currentItem()) : -1;
        return row >= 0 && row < static_cast<int>(list_.size()) ? &list_[static_cast<std::size_t>(row)] : nullptr;
    }

    void ShowChosen() {
        const TSaveBackup* chosen = Chosen();
        ShowChangeList(*changes_, chosen ? chosen->Restores : std::vector<TOfficerNameChange>{},
                       QStringLiteral("戻る名前"), QStringLiteral("元に戻すと変わる名前の一覧"));
        restore_->setEnabled(chosen != nullptr);
    }

    void RestoreChosen() {
        const TSaveBackup* chosen = Chosen();
        if (!chosen) return;
        const std::string path = chosen->Path;
        DispatchEvent([&] { UndoOrRestoreAnyway(gameFolder_, slotName_, path); });
        DispatchEvent([&] { List(); });
    }

    std::string gameFolder_;
    std::string slotName_;
    std::vector<TSaveBackup> list_;
    QTreeWidget* backups_ = new QTreeWidget(this);
    QTreeWidget* changes_ = new QTreeWidget(this);
    QPushButton* restore_ = new QPushButton(QStringLiteral("元に戻す(&U)"), this);
};

}  // namespace

void ShowBackupList(QWidget* owner, const std::string& gameFolder, const std::string& slotName) {
    TBackupListDialog dialog(owner, gameFolder, slotName);
    dialog.exec();
}
