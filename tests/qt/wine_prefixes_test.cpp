// The Wine prefixes the folder chooser offers: each existing drive_c once, in order.
#include <QTest>

#include "qt_tests.h"
#include "support/temp_dir.h"
#include "ui/qt/wine_prefixes.h"

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
        const std::vector<std::string> expected{
            prefix + "/drive_c",
            home + "/.wine/drive_c",
            home + "/.steam/steam/steamapps/compatdata/10/pfx/drive_c",
            home + "/.steam/steam/steamapps/compatdata/20/pfx/drive_c",
            home + "/.local/share/bottles/bottles/game/drive_c",
            home + "/Games/tenka/drive_c",
        };
        QVERIFY(WineDriveFolders(home, prefix) == expected);
        // $WINEPREFIX naming ~/.wine gives it once; no home, no prefix: nothing.
        const auto same = WineDriveFolders(home, home + "/.wine");
        QCOMPARE(same.size(), expected.size() - 1);
        QVERIFY(WineDriveFolders("", "").empty());
    }
};

}  // namespace

int RunWinePrefixTests(int argc, char** argv) {
    WinePrefixTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "wine_prefixes_test.moc"
