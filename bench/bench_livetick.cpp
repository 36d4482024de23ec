// One live tick that appends to the live series: its cost must grow with the
// new samples only, not with the length of the series.

#include "config/OrvConfiguration.h"
#include "core/Clock.h"
#include "core/OrvMainObject.h"
#include "core/ProgramFolder.h"
#include "datasets/OrvAutoDataset.h"
#include "datasets/OrvDataList.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

using namespace ombrix;
namespace fs = std::filesystem;

namespace {

void BM_LiveTick(benchmark::State& state) {
    const fs::path folder = fs::temp_directory_path() / ("ombrix-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    for (const char* f : {"DemoDat.dat", "OrvConf.dat", "Standard.dat"})
        fs::copy_file(fs::path(OMBRIX_DATA_DIR) / f, folder / f, fs::copy_options::overwrite_existing);
    SetProgramFolder(folder);
    ManualClock clock(EncodeDate(2026, 12, 11) + EncodeTime(10, 0, 0, 100));
    InstallClock(&clock);
    {
        OrvMainObject main;
        main.Complete();
        main.StartRemote();
        main.Configuration().SetMODE(eFST);
        for (int i = 0; i < 3; ++i) {
            clock.AdvanceSeconds(1);
            main.LiveTick();
        }
        auto* live = static_cast<OrvAutoDataset*>(main.CurrentDataList()->GetLive());
        // Grow the live series to the size under test.
        TransferLines block;
        const int wanted = static_cast<int>(state.range(0));
        for (int n = live->GetSampleCount(); n < wanted; ++n)
            block.push_back(std::to_string(n + 1) + " 2.4000E-06 OK 50");
        live->AppendSamples(block);
        for (auto _ : state) {
            clock.AdvanceSeconds(1);
            main.LiveTick();
        }
        state.counters["samples"] = live->GetSampleCount();
    }
    InstallClock(nullptr);
    fs::remove_all(folder);
}
// A fixed number of ticks, so the short series stays short while it is measured.
BENCHMARK(BM_LiveTick)->Arg(1000)->Arg(1000000)->Iterations(2000)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
