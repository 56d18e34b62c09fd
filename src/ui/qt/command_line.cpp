// Parses before the QApplication exists: that needs a display, and a user
// asking for help in a terminal may have none.
#include "ui/qt/command_line.h"

#include "common/version.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr char kProgramName[] = "kasumiro";
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

void Write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

// The options that QGuiApplication and QApplication take for themselves,
// accepted here so that they reach Qt; hidden from the help.
void AddQtOptions(QCommandLineParser& parser) {
    const char* const withValue[] = {"platform",      "platformpluginpath",
                                     "platformtheme", "plugin",
                                     "qmljsdebugger", "qwindowgeometry",
                                     "qwindowicon",   "qwindowtitle",
                                     "session",       "display",
                                     "geometry",      "style",
                                     "stylesheet",    "name",
                                     "title"};
    const char* const flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    for (const char* name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// Whether the window would open on X11 or Wayland with neither there: Qt
// would end the program with its plugin message and an abort. Other
// platforms (offscreen, a frame buffer) need no display.
bool DisplayMissing(const QCommandLineParser& parser) {
    QString platforms = parser.value(QStringLiteral("platform"));
    if (platforms.isEmpty()) platforms = QString::fromLocal8Bit(qgetenv("QT_QPA_PLATFORM"));
    for (const QString& platform : platforms.split(QLatin1Char(';'))) {
        const QString name = platform.section(QLatin1Char(':'), 0, 0).trimmed();
        if (!name.isEmpty() && name != QLatin1String("xcb") && name != QLatin1String("wayland")) return false;
    }
    const auto unset = [](const char* variable) {
        const char* value = std::getenv(variable);
        return !value || !*value;
    };
    return unset("DISPLAY") && unset("WAYLAND_DISPLAY") && !parser.isSet(QStringLiteral("display"));
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv) {
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
    AddQtOptions(parser);
    // Qt's options are single-dash words: read as long options, their
    // letters never stand for -h or -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help)) {
        // Without a QCoreApplication the parser cannot name the program itself.
        Write(stdout, parser.helpText().replace(QStringLiteral("<executable_name>"), QLatin1String(kProgramName)));
        return 0;
    }
    if (parser.isSet(version)) {
        Write(stdout, QStringLiteral("%1 %2\n").arg(QLatin1String(kProgramName), QStringLiteral(KASUMIRO_VERSION)));
        return 0;
    }
    if (!parsed || !parser.positionalArguments().isEmpty()) {
        const QString problem = parsed ? QStringLiteral("unexpected argument: ") + parser.positionalArguments().first()
                                       : parser.errorText();
        Write(stderr, QStringLiteral("%1: %2 (see %1 --help)\n").arg(QLatin1String(kProgramName), problem));
        return kExitUsage;
    }
    if (DisplayMissing(parser)) {
        Write(stderr, QStringLiteral("%1: a display is needed to show the window (DISPLAY is not set)\n")
                          .arg(QLatin1String(kProgramName)));
        return kExitFailure;
    }
    return std::nullopt;
}
