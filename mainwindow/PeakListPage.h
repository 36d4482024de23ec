#pragma once
// The peak list page: a grid of the largest peaks of a spectrum, frequency and
// value per row, as many rows as the user asked for.

#include "mainwindow/ViewPage.h"

class QTableWidget;

namespace ombrix {

class OrvVectorDataset;

class PeakListPage : public ViewPage {
public:
    PeakListPage();

    QWidget* Widget() override;
    void Fill(OrvDataList& list, OrvDataset& dataset) override;
    void ApplyViewSettings() override { ApplyPeakListSettings(); }

    // The grid's frame: its rows and the titles of the fixed row and column.
    void ApplyPeakListSettings();
    void ShowPeakList(OrvVectorDataset& spectrum);

    QTableWidget* Grid() const { return m_pStringGridPeakList; }

private:
    QTableWidget* m_pStringGridPeakList;
};

} // namespace ombrix
