// The time graph chart on screen: selecting a stored series draws all its
// samples (fill and replot) in time linear in their number; a live refresh
// that adds one sample costs about the same however long the series is: the
// chart appends the new point, and whether it shows the newest minute or the
// whole series, a long series is drawn per pixel column, not per sample.

#include "BenchSeries.h"
#include "datasets/OrvAutoDataset.h"
#include "mainwindow/ChartGraph.h"
#include "mainwindow/ChartInteraction.h"
#include "presentation/ViewSetupStruct.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace ombrix;

namespace {

using bench::SampleLine;
using bench::Series;

struct ShownChart {
    ZoomState zoom;
    ChartGraph chart{zoom};
    ShownChart() {
        chart.resize(1000, 600);
        chart.show();
        chart.ApplyGraphSettings(ViewSetup());
    }
};

// Selecting one series after another: every draw starts from nothing.
void BM_SelectStoredSeries(benchmark::State& state) {
    ViewSetup().SetDefaults();
    const auto samples = static_cast<int>(state.range(0));
    const std::unique_ptr<OrvAutoDataset> series[2] = {Series(samples), Series(samples)};
    ShownChart shown;
    int next = 0;
    for (auto _ : state) {
        shown.chart.ShowGraph(*series[next], ViewSetup(), false);
        next = 1 - next;
    }
    state.SetItemsProcessed(state.iterations() * samples);
}
BENCHMARK(BM_SelectStoredSeries)
    ->Arg(1000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A live tick: one new sample, then the refresh. `automatic` shows the whole
// series instead of the newest minute.
void LiveRefresh(benchmark::State& state, bool automatic) {
    ViewSetup().SetDefaults();
    ViewSetup().SetXAutoScale(0, automatic);
    ViewSetup().SetGraphXLength(60);
    const auto samples = static_cast<int>(state.range(0));
    const std::unique_ptr<OrvAutoDataset> series = Series(samples);
    ShownChart shown;
    shown.chart.ShowGraph(*series, ViewSetup(), true);
    int n = samples;
    for (auto _ : state) {
        series->AppendSamples({SampleLine(++n)});
        shown.chart.ShowGraph(*series, ViewSetup(), true);
    }
}
void BM_LiveRefreshWindow(benchmark::State& state) {
    LiveRefresh(state, false);
}
void BM_LiveRefreshWholeSeries(benchmark::State& state) {
    LiveRefresh(state, true);
}
BENCHMARK(BM_LiveRefreshWindow)
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_LiveRefreshWholeSeries)
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    OrvDataset::SetTransferSeparator(';');
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
