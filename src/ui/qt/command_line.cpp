// Parses before the QApplication exists: that needs a display, and a user
// asking for help in a terminal may have none.
#include "ui/qt/command_line.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>

namespace {

constexpr char kProgramName[] = "kasumiro";

void Write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

}  // namespace

bool AnswerCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Kasumiro rewrites the officer names of one saved game of 天下統一: every officer\n"
                       "whose name in the save slot differs from the scenario's gets the scenario's name\n"
                       "with the suffix 嗣. In the window, choose the game folder with 設定, pick a save\n"
                       "slot and press 実行. Settings are kept in\n"
                       "${XDG_CONFIG_HOME:-~/.config}/kasumiro/kasumiro.ini. For scripts, see kasumiro-cli."));
    // Not addHelpOption(): its --help-all needs the QApplication.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help and exits."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    // Qt's own options (-platform, -stylesheet, ...) are unknown here and go
    // on to the QApplication; read as long options, their letters never
    // stand for -h or -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    (void)parser.parse(arguments);
    if (parser.isSet(help)) {
        // Without a QCoreApplication the parser cannot name the program itself.
        Write(stdout, parser.helpText().replace(QStringLiteral("<executable_name>"), QLatin1String(kProgramName)));
    } else if (parser.isSet(version)) {
        Write(stdout, QStringLiteral("%1 %2\n").arg(QLatin1String(kProgramName), QStringLiteral(KASUMIRO_VERSION)));
    } else {
        return false;
    }
    return true;
}
