#pragma once
// The page "Statistic": count, extremes, mean, spread and the values above the
// threshold of a timed series or of the chosen line or plane of a grid, with
// the threshold the user may type there.

#include "mainwindow/ViewPage.h"

#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;

namespace ombrix {

class MatrixSelection;

class StatisticViewPage : public ViewPage {
public:
    using SelectionSource = std::function<const MatrixSelection&()>;
    // `selection` gives the grid line or plane chosen below the pages;
    // `refreshView` shows the current dataset anew after a new threshold.
    StatisticViewPage(SelectionSource selection, std::function<void()> refreshView);

    QWidget* Widget() override { return m_pPanel; }
    void Fill(OrvDataList& list, OrvDataset& dataset) override;

    QLineEdit* ThresholdEdit() const { return m_pEditStatisticThreshold; }

private:
    void EditStatisticThresholdExit();

    SelectionSource m_Selection;
    std::function<void()> m_RefreshView;
    bool m_bChecking = false;

    QWidget* m_pPanel;
    QLabel* m_pLabelStatisticNbrOfVal;
    QLabel* m_pLabelStatisticMinVal;
    QLabel* m_pLabelStatisticMaxVal;
    QLabel* m_pLabelStatisticMeanVal;
    QLabel* m_pLabelStatisticVarianz;
    QLabel* m_pLabelStatisticStdAb;
    QLabel* m_pLabelStatisticOverThreshold;
    QLineEdit* m_pEditStatisticThreshold;
    QLabel* m_pLabelInvalidData;
    QGroupBox* m_pGroupBoxStatisticTime;
    QLabel* m_pLabelStatisticStartTime;
    QLabel* m_pLabelStatisticStopTime;
    QLabel* m_pLabelStatisticInterval;
    QLabel* m_pLabelStatisticMeasLength;
};

} // namespace ombrix
