// The folder chooser's side bar: the Wine prefixes, each named by where it
// comes from, and the list's columns whole.
#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>
#include <filesystem>

#include "file_kit/temp_dir.h"
#include "qt_fixture.h"
#include "qt_tests.h"
#include "ui/qt/qt_folder_chooser.h"
#include "ui/qt/qt_text.h"
#include "ui_script.h"

namespace {

// The chooser is open, its list shows folders, and every column is as wide
// as its contents in view, the name column too.
bool ListFitted() {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    auto* tree = dialog ? dialog->findChild<QTreeView*>(QStringLiteral("treeView")) : nullptr;
    if (!tree || tree->model()->rowCount(tree->rootIndex()) == 0) return false;
    // QTreeView hides the measure that its base class offers.
    const QAbstractItemView* list = tree;
    for (int column = 0; column < tree->header()->count(); ++column) {
        if (tree->header()->sectionSize(column) < list->sizeHintForColumn(column)) return false;
    }
    return true;
}

// The texts of the chooser's labels, buttons and column headings that hold
// no Japanese.
QStringList EnglishWords(const QFileDialog& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) texts << button->text();
    for (const QAbstractButton* button : dialog.findChildren<QToolButton*>()) texts << button->toolTip();
    const QAbstractItemModel* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))->model();
    for (int column = 0; column < list->columnCount(); ++column)
        texts << list->headerData(column, Qt::Horizontal).toString();
    texts.removeIf([](const QString& text) {
        return text.isEmpty() || std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0x7F; });
    });
    return texts;
}

class WinePrefixTest : public QObject {
    Q_OBJECT
private slots:
    // The side bar shows and announces the game folder found first, then the
    // Wine places by name, not "drive_c"; the chooser opens on the one game
    // folder, every word in Japanese without Qt's translations; the list's
    // columns (the names first) show their contents whole, within the
    // screen. A folder without NEW.DAT is kept only when the player says so.
    void sideBarOffersTheGameAndPrefixesByName() {
        TTempDir temp;
        const std::string home = temp.Path() + "home";
        const std::string bottle = home + "/.local/share/bottles/bottles/Sengoku 1998";
        const std::string game = bottle + "/drive_c/GAMES/TENKA";
        for (const std::string& folder : {home + "/.wine/drive_c", game + "/NEW.DAT", game + "/LOG2.DAT"})
            std::filesystem::create_directories(folder);
        WriteFileBytes(game + "/NEW.DAT/BUSYO21.BIN", "");
        const QByteArray savedHome = qgetenv("HOME");
        const QByteArray savedPrefix = qgetenv("WINEPREFIX");
        ::setenv("HOME", home.c_str(), 1);
        ::unsetenv("WINEPREFIX");
        QStringList names;
        QStringList problems;
        TUiScript script;
        // Ready once the name column has been fitted to the names in view.
        script.Then(
            [] { return ListFitted(); },
            [&] {
                auto& dialog = *qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                const QAbstractItemModel* model = dialog.findChild<QListView*>(QStringLiteral("sidebar"))->model();
                for (int row = 0; row < model->rowCount(); ++row) names << model->index(row, 0).data().toString();
                if (dialog.directory().absolutePath() != ToQString(game)) problems << dialog.directory().absolutePath();
                const auto* sidebar = dialog.findChild<QListView*>(QStringLiteral("sidebar"));
                if (sidebar->viewport()->width() < sidebar->sizeHintForColumn(0))
                    problems << QStringLiteral("side bar");
                if (!dialog.screen()->availableGeometry().contains(dialog.geometry()))
                    problems << QStringLiteral("screen");
                problems << EnglishWords(dialog);
                ChooseFolder(dialog, bottle + "/drive_c");
            });
        const QString question = ToQString(bottle + "/drive_c: NEW.DAT がありません. このフォルダを使いますか?");
        for (const bool keep : {false, true}) {
            script.OnModal<QMessageBox>([&, keep](QMessageBox& box) {
                if (box.text() != question || box.defaultButton()->text() != QStringLiteral("いいえ(&N)"))
                    problems << box.text() + box.defaultButton()->text();
                Press(keep ? box.buttons().constFirst() : box.defaultButton());
            });
            if (!keep)
                script.OnModal<QFileDialog>([&](QFileDialog& dialog) { ChooseFolder(dialog, bottle + "/drive_c"); });
        }
        TQtFolderChooser chooser;
        QCOMPARE(chooser.ChooseFolder("title", "").value_or("(none)"), bottle + "/drive_c");
        qputenv("HOME", savedHome);
        if (!savedPrefix.isNull()) qputenv("WINEPREFIX", savedPrefix);
        const QStringList expected{QStringLiteral("Bottles: Sengoku 1998 — TENKA"), QStringLiteral("コンピュータ")};
        QVERIFY2(names.mid(0, 2) == expected, qPrintable(names.join(QLatin1Char('|'))));
        QVERIFY2(names.contains(QStringLiteral("Wine (~/.wine)")), qPrintable(names.join(QLatin1Char('|'))));
        QVERIFY2(!names.contains(QStringLiteral("drive_c")), qPrintable(names.join(QLatin1Char('|'))));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('|'))));
    }
};

}  // namespace

int RunWinePrefixTests(int argc, char** argv) {
    WinePrefixTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "wine_prefixes_test.moc"
