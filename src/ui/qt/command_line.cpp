// Parses before the QApplication exists: that needs a display, and a user
// asking for help in a terminal may have none. Every text is Japanese, as
// kasumiro-cli's are.
#include "ui/qt/command_line.h"

#include "common/version.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

#include "ui/qt/display_choice.h"

namespace {

constexpr char kProgramName[] = "kasumiro";
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

constexpr char kHelpText[] =
    "使い方: kasumiro [-h | --help | -v | --version]\n"
    "\n"
    "天下統一のセーブデータ一つで, 武将の名前を書き換えます: セーブデータで\n"
    "シナリオと名前の違う武将は, シナリオの名前に 嗣 を付けた名前になります.\n"
    "ウィンドウの 設定 でゲームのフォルダを選び, セーブデータを選んで 実行 を\n"
    "押します. 設定は ${XDG_CONFIG_HOME:-~/.config}/kasumiro/kasumiro.ini に\n"
    "残ります. スクリプトには kasumiro-cli を使います.\n"
    "\n"
    "  -h, --help     この説明を示して終わります\n"
    "  -v, --version  版を示して終わります\n"
    "\n"
    "Wayland のセッションでは Wayland の, ほかでは X のウィンドウを開きます.\n"
    "終了コード: 0 終了, 1 ウィンドウを表示できないか出力できない, 2 引数の誤り\n";

// Writes the whole text and flushes it; false when it did not reach its
// place (a full disk, a closed pipe).
bool Write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    const auto size = static_cast<std::size_t>(bytes.size());
    return std::fwrite(bytes.constData(), 1, size, stream) == size && std::fflush(stream) == 0;
}

// An answer on standard output, or exit 1 with the reason when it is lost.
int Answer(const QString& text) {
    if (Write(stdout, text)) return 0;
    Write(stderr, QStringLiteral("%1: 標準出力に書き込めません.\n").arg(QLatin1String(kProgramName)));
    return kExitFailure;
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

// What was wrong with arguments that did not parse, or the first operand.
QString Problem(const QCommandLineParser& parser, bool parsed) {
    if (parsed) return QStringLiteral("余分な引数です: ") + parser.positionalArguments().first();
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty())
        return QStringLiteral("不明なオプションです: ") +
               (unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + unknown.first();
    return QStringLiteral("オプションに値がありません");
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    // Not addHelpOption() nor addVersionOption(): their texts are English.
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    AddQtOptions(parser);
    // Qt's options are single-dash words: read as long options, their
    // letters never stand for -h or -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help)) return Answer(QString::fromUtf8(kHelpText));
    if (parser.isSet(version))
        return Answer(QStringLiteral("%1 %2\n").arg(QLatin1String(kProgramName), QStringLiteral(KASUMIRO_VERSION)));
    if (!parsed || !parser.positionalArguments().isEmpty()) {
        Write(
            stderr,
            QStringLiteral("%1: %2 (詳しくは %1 --help)\n").arg(QLatin1String(kProgramName), Problem(parser, parsed)));
        return kExitUsage;
    }
    const QString platform = parser.value(QStringLiteral("platform"));
    if (DisplayMissing(platform, parser.isSet(QStringLiteral("display")))) {
        Write(stderr, QStringLiteral("%1: %2\n").arg(QLatin1String(kProgramName), QString::fromUtf8(kNoDisplayText)));
        return kExitFailure;
    }
    if (platform.isEmpty()) ChoosePlatform();
    return std::nullopt;
}
