#include "cli/Commands.h"
#include "cli/ViewCommandSupport.h"
#include "mainwindow/HistogramView.h"
#include "presentation/ViewSetupStruct.h"

#include <iomanip>
#include <iostream>

namespace ombrix::cli {

namespace {

// "0.6 - 1.2" in the prefixed unit of the axis, "6 and above" for the last class.
std::string ClassRange(int a, double reference) {
    if (a == HistogramChart::kClasses - 1) return HistogramAxisLabel(1.0, reference) + " and above";
    return HistogramAxisLabel(a * 0.1, reference) + " - " +
           HistogramAxisLabel((a + 1) * 0.1, reference);
}

} // namespace

int HistogramCommand(const std::vector<std::string>& words) {
    const Arguments args(words, kSelectionOptions, {"--json"});
    SelectedData data;
    if (!LoadSelectedData(args, "histogram", data)) return kExitFormatError;
    OrvDataset& dataset = *data.dataset;
    const MatrixSelection& selection = data.selection;
    const auto chart = ShowHistogram(dataset, selection, ViewSetup(), std::nullopt);
    if (!chart) throw UsageError{"histogram takes a timed series (kind A) or a grid (kind M)"};

    if (args.Flag("--json")) {
        nlohmann::json j;
        j["reference"] = JsonNumber(chart->reference);
        j["count"] = chart->valueCount;
        j["classes"] = chart->percentages;
        std::cout << j.dump(2) << "\n";
        return kExitOk;
    }
    std::cout << Utf8(chart->title) << "\n" << Utf8(chart->valueAxisTitle) << "\n";
    for (int a = 0; a < HistogramChart::kClasses; ++a) {
        const auto i = static_cast<std::size_t>(a);
        std::cout << "  " << std::left << std::setw(22) << ClassRange(a, chart->reference)
                  << std::right << std::setw(8) << chart->classCounts[i] << std::setw(9)
                  << std::fixed << std::setprecision(1) << chart->percentages[i] << " %\n";
    }
    std::cout << Utf8(chart->foot) << "\n";
    return kExitOk;
}

} // namespace ombrix::cli
