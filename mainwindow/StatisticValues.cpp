#include "mainwindow/StatisticValues.h"

#include "config/Listendecl.h"
#include "datasets/OrvAutoDataset.h"
#include "datasets/OrvMatrixDataset.h"
#include "mainwindow/MatrixSelection.h"

namespace ombrix {

std::optional<StatisticValues> ValuesForStatistic(OrvDataset& dataset,
                                                  const MatrixSelection& selection) {
    StatisticValues result;
    if (const auto* series = dynamic_cast<const OrvAutoDataset*>(&dataset)) {
        const int count = series->GetSampleCount();
        result.values.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            if (series->GetSampleValid(i) == eValidOK)
                result.values.push_back(series->GetSampleValue(i));
            else
                result.flaggedLeftOut = true;
        }
        result.shownCount = count;
        return result;
    }
    if (const auto* grid = dynamic_cast<const OrvMatrixDataset*>(&dataset)) {
        result.values = SelectionValues(*grid, selection);
        result.shownCount = static_cast<int>(result.values.size());
        return result;
    }
    return std::nullopt;
}

} // namespace ombrix
