// The chooser's own widgets and actions are found by the object names Qt
// gives them; the list's headings and cells come through a proxy model.
#include "ui/qt/chooser_texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>

namespace {

// The folder list's columns: name, size, type, date modified.
constexpr int kTypeColumn = 2;
constexpr int kDateColumn = 3;

class TJapaneseListModel final : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        static const char* const kHeadings[] = {"名前", "サイズ", "種類", "更新日時"};
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 4)
            return QString::fromUtf8(kHeadings[section]);
        return QIdentityProxyModel::headerData(section, orientation, role);
    }

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !files || !index.isValid()) return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        // The chooser lists folders only (drives at the top level).
        if (index.column() == kTypeColumn) return files->isDir(source) ? QStringLiteral("フォルダ") : QString();
        if (index.column() == kDateColumn)
            return QLocale(QLocale::Japanese).toString(files->lastModified(source), QLocale::ShortFormat);
        return QIdentityProxyModel::data(index, role);
    }
};

void SetText(QFileDialog& dialog, const char* name, const char* text) {
    const QString japanese = QString::fromUtf8(text);
    if (auto* button = dialog.findChild<QAbstractButton*>(QString::fromLatin1(name))) {
        button->setToolTip(japanese);
        button->setAccessibleName(japanese);
    } else if (auto* action = dialog.findChild<QAction*>(QString::fromLatin1(name))) {
        action->setText(japanese);
    } else if (auto* widget = dialog.findChild<QWidget*>(QString::fromLatin1(name))) {
        widget->setAccessibleName(japanese);
    }
}

}  // namespace

void SetJapaneseChooserTexts(QFileDialog& dialog) {
    dialog.setProxyModel(new TJapaneseListModel(&dialog));
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("場所:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("フォルダ:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("種類:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("選択(&C)"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("キャンセル"));
    // In folder mode the type list holds one entry, Qt's word for folders.
    if (auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
        types->clear();
        types->addItem(QStringLiteral("フォルダ"));
    }
    static const struct {
        const char* Name;
        const char* Text;
    } kTexts[] = {
        {"backButton", "戻る"},
        {"forwardButton", "進む"},
        {"toParentButton", "親フォルダ"},
        {"newFolderButton", "新しいフォルダ"},
        {"listModeButton", "一覧"},
        {"detailModeButton", "詳細"},
        {"qt_rename_action", "名前の変更(&R)"},
        {"qt_delete_action", "削除(&D)"},
        {"qt_show_hidden_action", "隠しファイルを表示(&H)"},
        {"qt_new_folder_action", "新しいフォルダ(&N)"},
        {"sidebar", "場所"},
        {"treeView", "フォルダの一覧"},
        {"listView", "フォルダの一覧"},
        {"lookInCombo", "場所"},
        {"fileNameEdit", "フォルダ"},
        {"fileTypeCombo", "種類"},
    };
    for (const auto& text : kTexts) SetText(dialog, text.Name, text.Text);
}
