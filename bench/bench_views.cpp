// The time graph: drawing a stored series grows linearly with its samples; a
// live refresh that adds one sample costs the same however long the series is.

#include "datasets/OrvAutoDataset.h"
#include "mainwindow/TimeGraphView.h"
#include "presentation/ViewSetupStruct.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace ombrix;

namespace {

std::string SampleLine(int n) {
    // µT values with a flagged sample now and then, as a live series has them.
    const char* valid = n % 97 == 0 ? "!O" : (n % 89 == 0 ? "!A" : "OK");
    return std::to_string(n) + ";" + std::to_string(2 + (n % 50) * 0.01) + "E-06;" + valid + ";50";
}

std::unique_ptr<OrvAutoDataset> Series(int samples) {
    OrvDataset::SetTransferSeparator(';');
    ViewSetup().SetDefaults();
    const TransferLines record = {
        "MEM#;D;PROBE;CHN;MODE;DATE;TIME;STEP;FILTER;DET;MAX",
        "7;A;INT_PRB;ALL;FST;15/03/2024;10:00:00;00:00:01;5Hz..2KHz;RMS;LIVE",
        "N;VALUE[T];VALID;FREQ[HZ]", SampleLine(1)};
    auto series = std::make_unique<OrvAutoDataset>(7, eIntProbe, 0, eFST, 45366.0);
    int index = 0;
    series->ParseFrom(record, index);
    TransferLines more;
    for (int n = 2; n <= samples; ++n)
        more.push_back(SampleLine(n));
    series->AppendSamples(more);
    return series;
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
