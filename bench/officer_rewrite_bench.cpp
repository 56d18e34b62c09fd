// Timings of the name rewrite on real files (every record differing, some,
// none), of the dry-run plan and of building one new name.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "process/process.h"
#include "common/frame.h"

namespace {

namespace fs = std::filesystem;

// Shows nothing, so that the completion message costs no time.
class TSilentFrame : public IFrame {
public:
    std::int32_t AskConfirmation(const std::string&) override { return mrYes; }
    void ShowInformationBox(const std::string&) override {}
    void DefaultBeep() override {}
    void ReportError(const Exception&) override {}
    void RequestQuit() override {}
};

std::string ScenarioName(int i) {
    // 山田 + separating space + a given name; every name is different.
    return std::string("\x8E\x52\x93\x63\x20\x20\x20\x91\xBE\x98", 10) + static_cast<char>(0x40 + i % 60) +
           static_cast<char>(0x20 + i / 60 % 60);
}

// An officer file whose first `differing` names differ from the scenario's.
std::string OfficerFile(int differing, unsigned salt) {
    std::string bytes;
    for (int i = 0; i < kOfficerCount; ++i) {
        std::string record(kOfficerRecordSize, static_cast<char>(i * 7 + salt));
        std::string name = ScenarioName(i);
        if (i < differing) name[11] = '\0';
        record.replace(6, 12, name);
        bytes += record;
    }
    return bytes;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

// A game folder of its own, removed when the benchmark ends.
class TBenchGame {
public:
    TBenchGame() {
        char pattern[] = "/tmp/kasumiro-bench-XXXXXX";
        if (!mkdtemp(pattern)) throw std::runtime_error("cannot make a temporary folder");
        root_ = pattern;
        Scenario = root_ + "/NEW.DAT/";
        Save = root_ + "/LOG1.DAT/";
        fs::create_directories(Scenario);
        fs::create_directories(Save);
        WriteFile(Scenario + kOfficerFileName, OfficerFile(0, 1));
    }
    ~TBenchGame() {
        std::error_code error;
        fs::remove_all(root_, error);
    }
    TBenchGame(const TBenchGame&) = delete;
    TBenchGame& operator=(const TBenchGame&) = delete;

    void PutSave(const std::string& bytes) { WriteFile(Save + kOfficerFileName, bytes); }

    std::string Scenario;
    std::string Save;

private:
    std::string root_;
};

void BM_RewriteOfficerNames(benchmark::State& state) {
    const int differing = static_cast<int>(state.range(0));
    TBenchGame game;
    TSilentFrame frame;
    TScopedFrame installed(frame);
    const std::string save = OfficerFile(differing, 2);
    game.PutSave(save);
    for (auto _ : state) {
        RewriteOfficerNames(game.Scenario, game.Save);
        if (differing > 0) {
            // Put the differing names back for the next round, outside the timing.
            state.PauseTiming();
            game.PutSave(save);
            state.ResumeTiming();
        }
    }
    state.counters["records"] = benchmark::Counter(kOfficerCount, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_RewriteOfficerNames)->ArgName("differing")->Arg(0)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_PlanOfficerNameRewrite(benchmark::State& state) {
    TBenchGame game;
    game.PutSave(OfficerFile(kOfficerCount, 2));
    for (auto _ : state) benchmark::DoNotOptimize(PlanOfficerNameRewrite(game.Scenario, game.Save));
}
BENCHMARK(BM_PlanOfficerNameRewrite)->Unit(benchmark::kMillisecond);

void BM_BuildNewOfficerName(benchmark::State& state) {
    const std::string names[] = {
        std::string("\x8E\x52\x93\x63\x20\x20\x20\x91\xBE\x98\x59\x20", 12),  // separator, four-byte given name
        std::string("\x8E\x52\x93\x63\x20\x20\x20\x91\xBE\x98\x59\x41", 12),  // separator, five bytes
        std::string("\x8E\x52\x93\x63\x91\xBE\x98\x59\x93\xF1\x8E\x4F", 12),  // no separator, cut in a character
    };
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildNewOfficerName(names[i]));
        i = (i + 1) % 3;
    }
}
BENCHMARK(BM_BuildNewOfficerName);

}  // namespace

BENCHMARK_MAIN();
