// The Wine prefixes the folder chooser offers: each existing drive_c once, in
// order, named by where it comes from.
#include <QFileDialog>
#include <QListView>
#include <QTest>

#include <cstdlib>

#include "qt_fixture.h"
#include "qt_tests.h"
#include "support/temp_dir.h"
#include "ui/qt/qt_folder_chooser.h"
#include "ui/qt/wine_prefixes.h"
#include "ui_script.h"

namespace {

class WinePrefixTest : public QObject {
    Q_OBJECT
private slots:
    void foundInTheirUsualPlaces() {
        TTempDir temp;
        const std::string home = temp.Path() + "home";
        const std::string prefix = temp.Path() + "prefix";
        for (const std::string& folder :
             {prefix + "/drive_c", home + "/.wine/drive_c", home + "/.steam/steam/steamapps/compatdata/20/pfx/drive_c",
              home + "/.steam/steam/steamapps/compatdata/10/pfx/drive_c",
              home + "/.steam/steam/steamapps/compatdata/30/pfx",  // no drive_c
              home + "/.local/share/bottles/bottles/game/drive_c", home + "/Games/tenka/drive_c"}) {
            std::string path;
            for (std::size_t at = 0; at != std::string::npos;) {
                at = folder.find('/', at + 1);
                path = folder.substr(0, at);
                if (!FileExists(path)) MakeFolder(path);
            }
        }
        const std::vector<TWineDrive> expected{
            {"Wine ($WINEPREFIX)", prefix + "/drive_c"},
            {"Wine (~/.wine)", home + "/.wine/drive_c"},
            {"Steam 10", home + "/.steam/steam/steamapps/compatdata/10/pfx/drive_c"},
            {"Steam 20", home + "/.steam/steam/steamapps/compatdata/20/pfx/drive_c"},
            {"Bottles: game", home + "/.local/share/bottles/bottles/game/drive_c"},
            {"Lutris: tenka", home + "/Games/tenka/drive_c"},
        };
        QVERIFY(WineDriveFolders(home, prefix) == expected);
        // $WINEPREFIX naming ~/.wine gives it once; no home, no prefix: nothing.
        const auto same = WineDriveFolders(home, home + "/.wine");
        QCOMPARE(same.size(), expected.size() - 1);
        QVERIFY(same.front().Name == "Wine ($WINEPREFIX)");
        QVERIFY(WineDriveFolders("", "").empty());
    }

    // The chooser's side bar shows and announces those names, not five "drive_c".
    void sideBarNamesEachPrefix() {
        TTempDir temp;
        const std::string home = temp.Path() + "home";
        for (const std::string& folder : {home, home + "/.wine", home + "/.wine/drive_c"}) MakeFolder(folder);
        const QByteArray savedHome = qgetenv("HOME");
        const QByteArray savedPrefix = qgetenv("WINEPREFIX");
        ::setenv("HOME", home.c_str(), 1);
        ::unsetenv("WINEPREFIX");
        QStringList names;
        TUiScript script;
        script.OnModal<QFileDialog>([&names](QFileDialog& dialog) {
            const QAbstractItemModel* model = dialog.findChild<QListView*>(QStringLiteral("sidebar"))->model();
            for (int row = 0; row < model->rowCount(); ++row) names << model->index(row, 0).data().toString();
            CancelChooser(dialog);
        });
        TQtFolderChooser chooser;
        QVERIFY(!chooser.ChooseFolder("title", "").has_value());
        qputenv("HOME", savedHome);
        if (!savedPrefix.isNull()) qputenv("WINEPREFIX", savedPrefix);
        QVERIFY2(names.contains(QStringLiteral("Wine (~/.wine)")), qPrintable(names.join(QLatin1Char('|'))));
        QVERIFY2(!names.contains(QStringLiteral("drive_c")), qPrintable(names.join(QLatin1Char('|'))));
    }
};

}  // namespace

int RunWinePrefixTests(int argc, char** argv) {
    WinePrefixTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "wine_prefixes_test.moc"
