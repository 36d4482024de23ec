#pragma once
// The value page: a single value, or the current sample of a timed series, in
// large letters with its quantity, channel and frequency; for the live value
// also a logarithmic bar over the current measuring range.

#include "mainwindow/ValueDisplay.h"
#include "mainwindow/ViewPage.h"

#include <functional>

class QLabel;
class QProgressBar;

namespace ombrix {

class ValuePage : public ViewPage {
public:
    // `rangeLimits` gives the display limits of the analyser's measuring range.
    using RangeLimits = std::function<void(double& min, double& max)>;
    explicit ValuePage(RangeLimits rangeLimits);

    QWidget* Widget() override { return m_pPanel; }
    void Fill(OrvDataList& list, OrvDataset& dataset) override;

    void ShowValue(OrvDataList& list, OrvNormalDataset& dataset);
    void DrawValueScale(double min, double max, double value);

private:
    RangeLimits m_RangeLimits;
    QWidget* m_pPanel;
    QLabel* m_pLabelValueFieldType;
    QLabel* m_pLabelValueChannel;
    QLabel* m_pLabelValueVal;
    QProgressBar* m_pProgressBarValue;
    QLabel* m_pImageValueScale;
    QLabel* m_pLabelValueFrq;
    QLabel* m_pLabelFrqVal;
};

} // namespace ombrix
