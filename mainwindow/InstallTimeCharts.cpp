#include "mainwindow/InstallTimeCharts.h"

#include "config/OrvConfiguration.h"
#include "core/OrvMainObject.h"
#include "mainwindow/ChartGraphPage.h"
#include "mainwindow/HistogramPage.h"
#include "mainwindow/SelectionGroupsWidget.h"
#include "mainwindow/StatisticPage.h"
#include "mainwindow/TOrvMainForm.h"

namespace ombrix {

void InstallTimeCharts(TOrvMainForm& form) {
    TOrvMainForm* window = &form;
    const auto selection = [window]() -> const MatrixSelection& {
        return GridSelectionOf(*window);
    };
    form.InstallViewPage(eSheetGraph, std::make_unique<ChartGraphPage>(form.Zoom()));
    form.InstallViewPage(eSheetStatistic, std::make_unique<StatisticViewPage>(
                                              selection, [window] { window->RefreshView(); }));
    form.InstallViewPage(eSheetHistogram,
                         std::make_unique<HistogramPage>(form.Zoom(), selection, [] {
                             double min = 0;
                             double max = 0;
                             if (OrvMainObject* main = MainObject())
                                 main->Configuration().RangeLimits(min, max);
                             return max;
                         }));
}

} // namespace ombrix
