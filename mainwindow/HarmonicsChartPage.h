#pragma once
// The harmonics page: the fundamental and the harmonics K2 to K9 of a
// harmonics measurement as bars in per cent of the fundamental, with the
// detected fundamental and the distortion values in the foot.

#include "mainwindow/ViewPage.h"

class QCPBars;

namespace ombrix {

class OrvChart;
class OrvListDataset;
class ZoomState;

class HarmonicsChartPage : public ViewPage {
public:
    explicit HarmonicsChartPage(ZoomState& zoom);

    QWidget* Widget() override;
    QWidget* PictureSource() override;
    void Fill(OrvDataList& list, OrvDataset& dataset) override;
    void ApplyViewSettings() override { ApplyHarmonicsSettings(); }

    void ApplyHarmonicsSettings();
    void ShowHarmonics(OrvListDataset& list);

    OrvChart* Chart() const { return m_pChartHarmonics; }
    QCPBars* Bars() const { return m_pHarmonicsBarSeries; }

private:
    OrvChart* m_pChartHarmonics;
    QCPBars* m_pHarmonicsBarSeries;
    bool m_bShowValues = true;
};

} // namespace ombrix
