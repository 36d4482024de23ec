#include "mainwindow/InstallSpatialCharts.h"

#include "mainwindow/ChartAxis.h"
#include "mainwindow/ChartFFT.h"
#include "mainwindow/ChartPlane.h"
#include "mainwindow/HarmonicsChartPage.h"
#include "mainwindow/PeakListPage.h"
#include "mainwindow/SelectionGroupsWidget.h"
#include "mainwindow/TOrvMainForm.h"

#include <memory>

namespace ombrix {

void InstallSpatialCharts(TOrvMainForm& form) {
    SelectionGroupsWidget& groups = SelectionGroupsWidget::Of(form);
    form.InstallViewPage(eSheetFFT, std::make_unique<ChartFFTPage>(form.Zoom()));
    form.InstallViewPage(eSheetPeakList, std::make_unique<PeakListPage>());
    form.InstallViewPage(eSheetHarmonics, std::make_unique<HarmonicsChartPage>(form.Zoom()));
    form.InstallViewPage(eSheetAxis, std::make_unique<ChartAxisPage>(form, groups));
    form.InstallViewPage(eSheetPlane, std::make_unique<ChartPlanePage>(form, groups));
}

} // namespace ombrix
