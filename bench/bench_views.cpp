// The time graph: drawing a stored series grows linearly with its samples; a
// live refresh that adds one sample costs the same however long the series is.

#include "BenchSeries.h"
#include "datasets/OrvAutoDataset.h"
#include "mainwindow/TimeGraphView.h"
#include "presentation/ViewSetupStruct.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace ombrix;

namespace {

using bench::SampleLine;

std::unique_ptr<OrvAutoDataset> Series(int samples) {
    OrvDataset::SetTransferSeparator(';');
    ViewSetup().SetDefaults();
    return bench::Series(samples);
}

void BM_GraphOfStoredSeries(benchmark::State& state) {
    const auto series = Series(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TimeGraphView view;
        benchmark::DoNotOptimize(view.Refresh(*series, ViewSetup(), {}));
        benchmark::DoNotOptimize(view.Points().data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_GraphOfStoredSeries)->Arg(1'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// One live tick: a sample arrives and the graph (last 60 s shown) refreshes.
void BM_GraphLiveRefreshOneSample(benchmark::State& state) {
    const auto series = Series(static_cast<int>(state.range(0)));
    ViewSetup().SetXAutoScale(0, false);
    TimeGraphView view;
    const GraphContext live{true, std::nullopt};
    view.Refresh(*series, ViewSetup(), live);
    int n = static_cast<int>(state.range(0));
    TransferLines next;
    for (auto _ : state) {
        next.clear();
        next.push_back(SampleLine(++n));
        series->AppendSamples(next);
        const GraphRefresh refresh = view.Refresh(*series, ViewSetup(), live);
        if (refresh.rebuilt) state.SkipWithError("a live refresh redrew the whole series");
        benchmark::DoNotOptimize(refresh);
    }
}
// A fixed number of ticks, so that both series grow by the same few per cent.
BENCHMARK(BM_GraphLiveRefreshOneSample)
    ->Arg(1'000)
    ->Arg(100'000)
    ->Iterations(20'000)
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
