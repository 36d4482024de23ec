// Reading a large transfer, writing its export text and filling the data
// tree: all must grow linearly with the data.

#include "core/DateTime.h"
#include "datasets/DataTree.h"
#include "datasets/OrvDataList.h"
#include "export/ExportDataList.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace ombrix;

namespace {

TransferLines Header() {
    return {"Device:;    LF-Analyser", "SN:;        BENCH", "CAL-DATE:;  26-01-15",
            "HW-Version:;2",           "SW-Version:;1.23",  "SW-Date:;   26-02-01",
            "SW-Time:;   10:20:30"};
}

TransferLines NormalDatasets(int count) {
    TransferLines lines = Header();
    for (int i = 1; i <= count; ++i) {
        lines.push_back("MEM#;D;PROBE;CHN;MODE;DATE;TIME;FILTER;DET;MAX;VALUE[T];VALID");
        lines.push_back(std::to_string(i) + ";N;INT_PRB;ALL;FST;26-03-01;08:" +
                        std::to_string(10 + i % 50) + ":00;5Hz..2KHz;RMS;LIVE;1.2345E-06;OK");
    }
    return lines;
}

TransferLines Spectra(int lines) {
    TransferLines text = Header();
    int mem = 1;
    while (static_cast<int>(text.size()) < lines) {
        text.push_back("MEM#;D;PROBE;CHN;MODE;DATE;TIME;F_RANGE;DET;MAX;VALID;DF[HZ]");
        text.push_back(std::to_string(mem++) +
                       ";V;INT_PRB;ALL;FFT;26-03-01;09:00:00;5Hz..2KHz;ACT;LIVE;OK;1");
        text.push_back("N;VALUE[T];");
        for (int n = 0; n < 2048; ++n)
            text.push_back(std::to_string(n) + ";1.2345E-09");
    }
    return text;
}

void BM_ParseTransferMillionLines(benchmark::State& state) {
    const TransferLines text = Spectra(1'000'000);
    for (auto _ : state) {
        state.PauseTiming();
        TransferLines lines = text;
        OrvDataList list;
        state.ResumeTiming();
        if (!list.ParseTransfer(lines)) state.SkipWithError("transfer did not read");
        benchmark::DoNotOptimize(list.GetCount());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ParseTransferMillionLines)->Unit(benchmark::kMillisecond);

// Writing the export text of a million spectrum lines (65535 lines per file),
// without the files themselves.
void BM_ExportMillionLines(benchmark::State& state) {
    TransferLines lines = Spectra(1'000'000);
    OrvDataList list;
    if (!list.ParseTransfer(lines)) state.SkipWithError("transfer did not read");
    for (int i = 0; i < list.GetCount(); ++i)
        list.GetDataset(i)->SetChecked(true);
    std::size_t written = 0;
    for (auto _ : state) {
        LineList text(LineList::kExportCapacity);
        int index = 0;
        while (index < list.GetCount()) {
            text.Clear();
            try {
                ExportDataList(list, text, true, index);
            } catch (const ExportOverflow&) {
            }
            written += text.Text().size();
        }
    }
    benchmark::DoNotOptimize(written);
    state.SetItemsProcessed(state.iterations() * 1'000'000);
}
BENCHMARK(BM_ExportMillionLines)->Unit(benchmark::kMillisecond);

// Filling the tree of 1,000 and of 10,000 datasets: the ratio of the two shows
// whether finding a node stays O(1).
void BM_FillTree(benchmark::State& state) {
    TransferLines lines = NormalDatasets(static_cast<int>(state.range(0)));
    OrvDataList list;
    if (!list.ParseTransfer(lines)) state.SkipWithError("transfer did not read");
    for (auto _ : state) {
        DataTree tree;
        list.FillTree(tree);
        benchmark::DoNotOptimize(tree.NodeCount());
        state.PauseTiming();
        for (int i = 0; i < list.GetCount(); ++i)
            list.GetDataset(i)->SetTreeNode(nullptr);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FillTree)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
