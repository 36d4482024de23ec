#include "mainwindow/PeakListPage.h"

#include "datasets/OrvVectorDataset.h"
#include "mainwindow/PeakListView.h"
#include "presentation/ViewSetupStruct.h"

#include <QHeaderView>
#include <QTableWidget>

#include <string>

namespace ombrix {

namespace {

constexpr int kColumns = 3;
constexpr int kColumnWidth = 130;
constexpr int kRowHeight = 20;

QTableWidgetItem* Cell(QTableWidget* grid, int row, int column) {
    QTableWidgetItem* item = grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        grid->setItem(row, column, item);
    }
    return item;
}

void SetText(QTableWidget* grid, int row, int column, const std::string& text) {
    Cell(grid, row, column)->setText(QString::fromLatin1(text));
}

// The fixed row and column look like the titles they are.
void MarkFixed(QTableWidget* grid, int row, int column) {
    QTableWidgetItem* item = Cell(grid, row, column);
    item->setBackground(grid->palette().button());
    item->setFlags(Qt::ItemIsEnabled);
}

} // namespace

PeakListPage::PeakListPage() {
    m_pStringGridPeakList = new QTableWidget;
    m_pStringGridPeakList->setObjectName(QStringLiteral("StringGridPeakList"));
    m_pStringGridPeakList->setColumnCount(kColumns);
    m_pStringGridPeakList->horizontalHeader()->hide();
    m_pStringGridPeakList->verticalHeader()->hide();
    m_pStringGridPeakList->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    m_pStringGridPeakList->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_pStringGridPeakList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_pStringGridPeakList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ApplyPeakListSettings();
}

QWidget* PeakListPage::Widget() {
    return m_pStringGridPeakList;
}

void PeakListPage::ApplyPeakListSettings() {
    const PeakListLayout layout = PeakListLayoutFor(ViewSetup().GetPeakCount());
    QTableWidget* grid = m_pStringGridPeakList;
    grid->setRowCount(layout.rowCount);
    for (int column = 0; column < kColumns; ++column) {
        SetText(grid, 0, column, layout.header[static_cast<std::size_t>(column)]);
        MarkFixed(grid, 0, column);
    }
    for (int row = 1; row < layout.rowCount; ++row) {
        SetText(grid, row, 0, layout.rowTitles[static_cast<std::size_t>(row - 1)]);
        MarkFixed(grid, row, 0);
    }
}

void PeakListPage::Fill(OrvDataList&, OrvDataset& dataset) {
    if (auto* spectrum = dynamic_cast<OrvVectorDataset*>(&dataset)) ShowPeakList(*spectrum);
}

void PeakListPage::ShowPeakList(OrvVectorDataset& spectrum) {
    QTableWidget* grid = m_pStringGridPeakList;
    const std::vector<PeakRow> rows = PeakListRows(spectrum, grid->rowCount());
    int row = 1;
    for (const PeakRow& peak : rows) {
        SetText(grid, row, 1, peak.frequencyText);
        SetText(grid, row, 2, peak.valueText);
        ++row;
    }
    // Rows past this spectrum's peaks would otherwise still show the peaks of
    // the spectrum shown before, as if they were this one's.
    for (; row < grid->rowCount(); ++row) {
        SetText(grid, row, 1, {});
        SetText(grid, row, 2, {});
    }
}

} // namespace ombrix
