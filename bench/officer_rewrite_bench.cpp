// Timings of the name rewrite on real files (every record differing, some,
// none), of the dry-run plan and of building one new name.
#include <benchmark/benchmark.h>

#include <string>

#include "file_kit/temp_dir.h"
#include "process/process.h"
#include "support/fake_frame.h"
#include "support/officer_files.h"

namespace {

std::string DistinctName(std::int32_t i) {
    // 山田 + separating space + a given name; every name is different.
    return std::string("\x8E\x52\x93\x63\x20\x20\x20\x91\xBE\x98", 10) + static_cast<char>(0x40 + i % 60) +
           static_cast<char>(0x20 + i / 60 % 60);
}

// An officer file whose first `differing` names differ from the scenario's.
std::string OfficerFile(int differing, unsigned salt) {
    return OfficerFileBytes(
        kOfficerCount,
        [differing](std::int32_t i) {
            std::string name = DistinctName(i);
            if (i < differing) name[11] = '\0';
            return name;
        },
        salt);
}

// A game folder of its own, removed when the benchmark ends.
struct TBenchGame {
    TBenchGame() { WriteFileBytes(Folders.ScenarioFile, OfficerFile(0, 1)); }
    void PutSave(const std::string& bytes) { WriteFileBytes(Folders.SaveFile, bytes); }

    TTempDir Temp;
    const TGameFolders Folders = MakeGameFolders(Temp.Path());
};

void BM_RewriteOfficerNames(benchmark::State& state) {
    const int differing = static_cast<int>(state.range(0));
    TBenchGame game;
    TFakeFrame frame;
    TScopedFrame installed(frame);
    const std::string save = OfficerFile(differing, 2);
    game.PutSave(save);
    for (auto _ : state) {
        RewriteOfficerNames(game.Folders.Scenario, game.Folders.Save);
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
    for (auto _ : state) benchmark::DoNotOptimize(PlanOfficerNameRewrite(game.Folders.Scenario, game.Folders.Save));
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
