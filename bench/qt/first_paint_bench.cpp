// Start-to-first-paint time and peak memory of kasumiro against a minimal Qt
// Widgets window, measured alternately in one run.
//   kasumiro_paint_bench GAME_FOLDER [RUNS]      (needs a display)
// kasumiro starts on GAME_FOLDER with its second slot selected, through a
// settings file in a temporary configuration folder.
// Each run forks and execs this program as a child that starts either
// program, reports the monotonic time of its first paint through a pipe and
// quits; the parent takes the time from just before the fork, and the peak
// resident memory from the child's resource usage.
#include <QApplication>
#include <QLabel>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ui/frame.h"
#include "ui/qt/qt_program.h"

namespace {

int g_reportFd = -1;

double Now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Reports the first paint of any widget, then asks the program to quit.
class TPaintProbe final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && g_reportFd >= 0) {
            const double at = Now();
            [[maybe_unused]] const ssize_t written = ::write(g_reportFd, &at, sizeof at);
            g_reportFd = -1;
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    RequestQuit();
                    QCoreApplication::exit(0);
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
};

void InstallProbe() { qApp->installEventFilter(new TPaintProbe); }

int MinimalWindow(int argc, char** argv) {
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("セーブデータを選択して実行ボタンをクリックして下さい"));
    window.show();
    return QApplication::exec();
}

struct TSample {
    double Seconds = 0;
    long PeakKilobytes = 0;
};

TSample RunChild(const char* self, const char* which) {
    int ends[2];
    if (::pipe(ends) != 0) std::exit(1);
    const double start = Now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        const std::string fd = std::to_string(ends[1]);
        ::execl(self, self, "--child", which, fd.c_str(), static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    ::close(ends[1]);
    double painted = 0;
    const bool got = ::read(ends[0], &painted, sizeof painted) == sizeof painted;
    ::close(ends[0]);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    if (!got) std::exit(1);
    return TSample{painted - start, usage.ru_maxrss};
}

// A configuration folder whose settings file points at the game folder.
std::filesystem::path SeedSettings(const char* self, const std::string& game) {
    const auto folder = std::filesystem::temp_directory_path() / ("kasumiro-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder / "kasumiro");
    const std::string name = std::filesystem::path(self).filename().string();
    std::ofstream(folder / "kasumiro" / (name + ".ini")) << "[Kasumiro]\nBaseDir=" << game << "/\nSaveData=1\n";
    ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    return folder;
}

template <typename T>
T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--child") {
        g_reportFd = std::atoi(argv[3]);
        qAddPreRoutine(&InstallProbe);
        char* childArgv[] = {argv[0], nullptr};
        int childArgc = 1;
        return std::string(argv[2]) == "kasumiro" ? RunKasumiroProgram(childArgc, childArgv)
                                                  : MinimalWindow(childArgc, childArgv);
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s GAME_FOLDER [RUNS]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path config = SeedSettings(argv[0], argv[1]);
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
    std::vector<double> times[2];
    std::vector<long> peaks[2];
    const char* names[2] = {"minimal", "kasumiro"};
    for (int i = 0; i < runs; ++i) {
        for (int which = 0; which < 2; ++which) {
            const TSample sample = RunChild(argv[0], names[which]);
            times[which].push_back(sample.Seconds);
            peaks[which].push_back(sample.PeakKilobytes);
        }
    }
    for (int which = 0; which < 2; ++which) {
        std::printf("%-9s start to first paint %.1f ms (median of %d), peak memory %ld KiB\n", names[which],
                    Median(times[which]) * 1000, runs, Median(peaks[which]));
    }
    std::printf("ratio     time %.2f, memory %.2f\n", Median(times[1]) / Median(times[0]),
                static_cast<double>(Median(peaks[1])) / static_cast<double>(Median(peaks[0])));
    std::filesystem::remove_all(config);
    return 0;
}
