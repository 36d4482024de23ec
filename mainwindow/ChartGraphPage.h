#pragma once
// The page "Graph": the time graph of a timed series.

#include "mainwindow/ViewPage.h"

namespace ombrix {

class ChartGraph;
class ZoomState;

class ChartGraphPage : public ViewPage {
public:
    explicit ChartGraphPage(ZoomState& zoom);

    QWidget* Widget() override;
    void Fill(OrvDataList& list, OrvDataset& dataset) override;
    void ApplyViewSettings() override;
    void ZoomOut() override;
    QWidget* PictureSource() override;

    ChartGraph& Chart() const { return *m_pChart; }

private:
    ChartGraph* m_pChart;
};

} // namespace ombrix
