#pragma once
// The spectrum page: the spectrum on (by default) logarithmic axes with its
// threshold line and the limit curve of the chosen exposure standard. The
// marker snaps to the spectral line nearest to the mouse; a small cross marks
// the nearest peak.

#include "mainwindow/OrvChart.h"
#include "mainwindow/SpectrumView.h"
#include "mainwindow/ViewPage.h"

namespace ombrix {

class OrvVectorDataset;

class ChartFFT : public OrvChart {
public:
    explicit ChartFFT(ZoomState& zoom, QWidget* parent = nullptr);

    QCPGraph* FFTSeries() const { return m_pFFTSeries; }
    QCPGraph* StandardSeries() const { return m_pStandardSeries; }
    QCPGraph* FFTThresholdSeries() const { return m_pFFTThresholdSeries; }

    // The factor of the spectrum drawn: element value / factor is its height.
    void SetSpectrumFactor(double factor) { m_dSpectrumFactor = factor; }

protected:
    std::optional<QPointF> MarkerPixel() override;
    bool MoveMarkerTo(const QPointF& mouse) override;
    void DrawMarkerExtras(QPainter& painter) override;

private:
    OrvVectorDataset* ShownSpectrum() const;

    QCPGraph* m_pFFTSeries;
    QCPGraph* m_pStandardSeries;
    QCPGraph* m_pFFTThresholdSeries;
    double m_dSpectrumFactor = 1.0;
};

class ChartFFTPage : public ViewPage {
public:
    explicit ChartFFTPage(ZoomState& zoom);

    QWidget* Widget() override;
    QWidget* PictureSource() override { return m_pChartFFT; }
    void Fill(OrvDataList& list, OrvDataset& dataset) override;
    void ApplyViewSettings() override { ApplySpectrumSettings(); }
    void ZoomOut() override;

    void ApplySpectrumSettings();
    void ShowSpectrum(OrvVectorDataset& spectrum);

    ChartFFT* Chart() const { return m_pChartFFT; }
    const SpectrumView& View() const { return m_View; }

private:
    void RescaleToSpectrum();

    QWidget* m_pPanel;
    ChartFFT* m_pChartFFT;
    SpectrumView m_View;
    SpectrumStyle m_Style;
};

} // namespace ombrix
