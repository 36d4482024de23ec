#include "mainwindow/ChartGraphPage.h"

#include "datasets/OrvAutoDataset.h"
#include "datasets/OrvDataList.h"
#include "mainwindow/ChartGraph.h"
#include "presentation/ViewSetupStruct.h"

namespace ombrix {

ChartGraphPage::ChartGraphPage(ZoomState& zoom) : m_pChart(new ChartGraph(zoom)) {}

QWidget* ChartGraphPage::Widget() {
    return m_pChart;
}

QWidget* ChartGraphPage::PictureSource() {
    return m_pChart;
}

void ChartGraphPage::Fill(OrvDataList& list, OrvDataset& dataset) {
    auto* series = dynamic_cast<OrvAutoDataset*>(&dataset);
    if (!series) return;
    m_pChart->ShowGraph(*series, ViewSetup(), &dataset == list.GetLive());
}

void ChartGraphPage::ApplyViewSettings() {
    m_pChart->ApplyGraphSettings(ViewSetup());
}

void ChartGraphPage::ZoomOut() {
    m_pChart->UndoZoom();
}

} // namespace ombrix
