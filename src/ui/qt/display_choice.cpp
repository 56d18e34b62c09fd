// The platform chosen through QT_QPA_PLATFORM before the QApplication
// exists, and Qt's start-up messages caught by a message handler.
#include "ui/qt/display_choice.h"

#include <QByteArray>
#include <QStringList>
#include <QtGlobal>

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool Unset(const char* variable) {
    const char* value = std::getenv(variable);
    return !value || !*value;
}

// Whether WAYLAND_DISPLAY names a socket that is there: a name alone lies in
// XDG_RUNTIME_DIR. Checked first, so that a session without one never lets
// the Wayland library print its own complaint.
bool WaylandReachable() {
    if (Unset("WAYLAND_DISPLAY")) return false;
    std::string path = std::getenv("WAYLAND_DISPLAY");
    if (path.front() != '/') {
        if (Unset("XDG_RUNTIME_DIR")) return false;
        path = std::string(std::getenv("XDG_RUNTIME_DIR")) + "/" + path;
    }
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISSOCK(status.st_mode);
}

void HoldBackUntilFatal(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type != QtFatalMsg) return;
    std::fputs("kasumiro: ", stderr);
    std::fputs(kNoDisplayText, stderr);
    std::fputs("\n", stderr);
    std::fflush(stderr);
    // Qt aborts once the handler returns; nothing of the program has started.
    std::_Exit(1);
}

}  // namespace

bool DisplayMissing(const QString& platformOption, bool displayOption) {
    QString platforms = platformOption;
    if (platforms.isEmpty()) platforms = QString::fromLocal8Bit(qgetenv("QT_QPA_PLATFORM"));
    for (const QString& platform : platforms.split(QLatin1Char(';'))) {
        const QString name = platform.section(QLatin1Char(':'), 0, 0).trimmed();
        if (!name.isEmpty() && name != QLatin1String("xcb") && name != QLatin1String("wayland")) return false;
    }
    return Unset("DISPLAY") && !WaylandReachable() && !displayOption;
}

void ChoosePlatform() {
    if (!Unset("QT_QPA_PLATFORM")) return;
    if (WaylandReachable()) {
        qputenv("QT_QPA_PLATFORM", Unset("DISPLAY") ? "wayland" : "wayland;xcb");
    } else if (!Unset("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

TDisplayStartGuard::TDisplayStartGuard() {
    if (qEnvironmentVariableIsEmpty("QT_DEBUG_PLUGINS")) qInstallMessageHandler(HoldBackUntilFatal);
}

TDisplayStartGuard::~TDisplayStartGuard() { qInstallMessageHandler(nullptr); }
