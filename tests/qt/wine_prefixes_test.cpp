// The folder chooser's side bar: the Wine prefixes, each named by where it
// comes from, and the list's columns whole.
#include <QFileDialog>
#include <QHeaderView>
#include <QListView>
#include <QScreen>
#include <QTest>
#include <QTreeView>

#include "file_kit/temp_dir.h"
#include "qt_fixture.h"
#include "qt_tests.h"
#include "ui/qt/qt_folder_chooser.h"
#include "ui_script.h"

namespace {

class WinePrefixTest : public QObject {
    Q_OBJECT
private slots:
    // The side bar shows and announces the Wine places by name, not five
    // "drive_c", whole; the list's columns show their contents whole, and
    // the chooser lies within the screen.
    void sideBarNamesEachPrefix() {
        TTempDir temp;
        const std::string home = temp.Path() + "home";
        const std::string bottle = home + "/.local/share/bottles/bottles/Sengoku Strategy 1998";
        for (const std::string& folder :
             {home, home + "/.wine", home + "/.wine/drive_c", home + "/.local", home + "/.local/share",
              home + "/.local/share/bottles", home + "/.local/share/bottles/bottles", bottle, bottle + "/drive_c"})
            MakeFolder(folder);
        const QByteArray savedHome = qgetenv("HOME");
        const QByteArray savedPrefix = qgetenv("WINEPREFIX");
        ::setenv("HOME", home.c_str(), 1);
        ::unsetenv("WINEPREFIX");
        QStringList names;
        QStringList cut;
        TUiScript script;
        script.OnModal<QFileDialog>([&names, &cut](QFileDialog& dialog) {
            const QAbstractItemModel* model = dialog.findChild<QListView*>(QStringLiteral("sidebar"))->model();
            for (int row = 0; row < model->rowCount(); ++row) names << model->index(row, 0).data().toString();
            const auto* sidebar = dialog.findChild<QListView*>(QStringLiteral("sidebar"));
            if (sidebar->viewport()->width() < sidebar->sizeHintForColumn(0)) cut << QStringLiteral("side bar");
            // QTreeView hides the measure that its base class offers.
            const QAbstractItemView* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
            const QHeaderView* header = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))->header();
            for (int column = 1; column < header->count(); ++column) {
                if (header->sectionSize(column) < list->sizeHintForColumn(column))
                    cut << QStringLiteral("column %1").arg(column);
            }
            if (!dialog.screen()->availableGeometry().contains(dialog.geometry())) cut << QStringLiteral("screen");
            CancelChooser(dialog);
        });
        TQtFolderChooser chooser;
        QVERIFY(!chooser.ChooseFolder("title", "").has_value());
        qputenv("HOME", savedHome);
        if (!savedPrefix.isNull()) qputenv("WINEPREFIX", savedPrefix);
        QVERIFY2(names.contains(QStringLiteral("Wine (~/.wine)")), qPrintable(names.join(QLatin1Char('|'))));
        QVERIFY2(!names.contains(QStringLiteral("drive_c")), qPrintable(names.join(QLatin1Char('|'))));
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('|'))));
    }
};

}  // namespace

int RunWinePrefixTests(int argc, char** argv) {
    WinePrefixTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "wine_prefixes_test.moc"
