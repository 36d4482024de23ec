#include "cli/Commands.h"
#include "cli/ViewCommandSupport.h"
#include "mainwindow/StatisticView.h"
#include "presentation/ViewSetupStruct.h"

#include <iomanip>
#include <iostream>

namespace ombrix::cli {

namespace {

void PrintLine(const char* label, const std::string& value) {
    std::cout << std::left << std::setw(24) << label << Utf8(value) << "\n";
}

} // namespace

int StatsCommand(const std::vector<std::string>& words) {
    const Arguments args(words, kSelectionOptions, {"--json"});
    SelectedData data;
    if (!LoadSelectedData(args, "stats", data)) return kExitFormatError;
    OrvDataset& dataset = *data.dataset;
    const MatrixSelection& selection = data.selection;
    const auto page = ShowStatistic(dataset, selection, ViewSetup());
    if (!page) throw UsageError{"stats takes a timed series (kind A) or a grid (kind M)"};

    const StatisticFigures& f = page->figures;
    if (args.Flag("--json")) {
        nlohmann::json j;
        j["count"] = page->shownCount;
        j["min"] = JsonNumber(f.minimum);
        j["max"] = JsonNumber(f.maximum);
        j["mean"] = JsonNumber(f.mean);
        j["variance"] = f.SpreadKnown() ? JsonNumber(f.variance) : nlohmann::json();
        j["std_dev"] = f.SpreadKnown() ? JsonNumber(f.StandardDeviation()) : nlohmann::json();
        j["over_threshold"] = f.overThreshold;
        j["threshold"] = JsonNumber(page->threshold);
        std::cout << j.dump(2) << "\n";
        return kExitOk;
    }
    std::cout << "MEM# " << dataset.GetMemNumber() << ", " << Utf8(dataset.QuantityName()) << "\n";
    PrintLine("No. of values:", page->count);
    PrintLine("Min value:", page->minimum);
    PrintLine("Max value:", page->maximum);
    PrintLine("Mean value:", page->mean);
    PrintLine("Variance:", page->variance);
    PrintLine("Standard deviation:", page->standardDeviation);
    PrintLine("Values over threshold:", page->overThreshold);
    PrintLine("Threshold:", page->thresholdText);
    if (page->timeGroupVisible) {
        PrintLine("Start time:", page->startTime);
        PrintLine("Stop time:", page->stopTime);
        PrintLine("Time interval:", page->interval);
        PrintLine("Meas. length:", page->measuringLength);
    }
    if (page->flaggedNoteVisible) std::cout << kStatisticFlaggedNote << "\n";
    return kExitOk;
}

} // namespace ombrix::cli
