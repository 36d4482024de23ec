#include "export/TDlgExportList.h"

#include "datasets/OrvDataList.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <set>

namespace ombrix {

namespace {

enum Column { eColIndex = 0, eColDataType = 1, eColMode = 2, eColDateTime = 3, eColumnCount = 4 };
constexpr int kDataTypeWidth = 80;
constexpr int kDateTimeWidth = 113;
constexpr int kDatasetRole = Qt::UserRole;

// The index column sorts by the memory number (-1 for a caption that is not a
// number), the others by their text in the user's locale; always ascending.
class ExportListItem : public QTableWidgetItem {
public:
    explicit ExportListItem(const QString& text) : QTableWidgetItem(text) {}

    bool operator<(const QTableWidgetItem& other) const override {
        if (column() == eColIndex) return IndexValue(text()) < IndexValue(other.text());
        return QString::localeAwareCompare(text(), other.text()) < 0;
    }

private:
    static int IndexValue(const QString& caption) {
        bool ok = false;
        const int value = caption.trimmed().toInt(&ok);
        return ok ? value : -1;
    }
};

QPushButton* NamedButton(const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption));
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

TDlgExportList::TDlgExportList(QWidget* parent) : TOrvDialog(parent) {
    setObjectName(QStringLiteral("DlgExportList"));
    setWindowTitle(QStringLiteral("Export to file"));
    SetHelpContext(kHelpContext);

    m_pListViewExportList = new QTableWidget(0, eColumnCount);
    m_pListViewExportList->setObjectName(QStringLiteral("ListViewExportList"));
    m_pListViewExportList->setHorizontalHeaderLabels(
        {QStringLiteral("Index"), QStringLiteral("Data Type"), QStringLiteral("Mode"),
         QStringLiteral("Date / Time")});
    m_pListViewExportList->verticalHeader()->hide();
    m_pListViewExportList->setShowGrid(true);
    m_pListViewExportList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pListViewExportList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pListViewExportList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pListViewExportList->setWordWrap(false);
    m_pListViewExportList->horizontalHeader()->setSectionsClickable(true);
    m_pListViewExportList->horizontalHeader()->setHighlightSections(false);
    m_pListViewExportList->horizontalHeader()->setStretchLastSection(true);
    m_pListViewExportList->setColumnWidth(eColDataType, kDataTypeWidth);
    m_pListViewExportList->setColumnWidth(eColDateTime, kDateTimeWidth);
    // Rows keep their highlight while the focus is on a button.
    QPalette palette = m_pListViewExportList->palette();
    palette.setBrush(QPalette::Inactive, QPalette::Highlight,
                     palette.brush(QPalette::Active, QPalette::Highlight));
    palette.setBrush(QPalette::Inactive, QPalette::HighlightedText,
                     palette.brush(QPalette::Active, QPalette::HighlightedText));
    m_pListViewExportList->setPalette(palette);

    connect(m_pListViewExportList, &QTableWidget::itemChanged, this,
            &TDlgExportList::ListViewExportListChange);
    connect(m_pListViewExportList->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &TDlgExportList::ListViewExportListColumnClick);

    auto* all = NamedButton("ButtonSelectAll", "All");
    auto* selected = NamedButton("ButtonSelectSelected", "All selected");
    auto* invert = NamedButton("ButtonInvertSelected", "Invert");
    connect(all, &QPushButton::clicked, this, &TDlgExportList::ButtonSelectAllClick);
    connect(selected, &QPushButton::clicked, this, &TDlgExportList::ButtonSelectSelectedClick);
    connect(invert, &QPushButton::clicked, this, &TDlgExportList::ButtonInvertSelectedClick);

    auto* group = new QGroupBox(QStringLiteral("Check the datasets"));
    group->setObjectName(QStringLiteral("GroupBoxCheck"));
    auto* tickButtons = new QHBoxLayout;
    tickButtons->addWidget(all);
    tickButtons->addWidget(selected);
    tickButtons->addWidget(invert);
    tickButtons->addStretch(1);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_pListViewExportList, 1);
    groupLayout->addLayout(tickButtons);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(MakeOkButton());
    buttons->addWidget(MakeCancelButton());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addLayout(buttons);
    resize(480, 380);
}

OrvDataset* TDlgExportList::DatasetOfRow(int row) const {
    const QTableWidgetItem* item = m_pListViewExportList->item(row, eColIndex);
    return item ? reinterpret_cast<OrvDataset*>(item->data(kDatasetRole).value<quintptr>())
                : nullptr;
}

void TDlgExportList::showEvent(QShowEvent* event) {
    FormShow();
    TOrvDialog::showEvent(event);
}

void TDlgExportList::FormShow() {
    m_bFilling = true;
    m_pListViewExportList->clearContents();
    m_pListViewExportList->setRowCount(0);
    if (m_pDataList) {
        const std::vector<DatasetListRow> rows = m_pDataList->FillListView();
        m_pListViewExportList->setRowCount(static_cast<int>(rows.size()));
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            const DatasetListRow& row = rows[static_cast<size_t>(r)];
            auto* index = new ExportListItem(QString::fromLatin1(row.index));
            index->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            index->setCheckState(row.checked ? Qt::Checked : Qt::Unchecked);
            index->setData(kDatasetRole, QVariant::fromValue(reinterpret_cast<quintptr>(row.data)));
            m_pListViewExportList->setItem(r, eColIndex, index);
            const std::string* texts[] = {&row.dataType, &row.mode, &row.dateTime};
            for (int c = eColDataType; c < eColumnCount; ++c) {
                auto* cell = new ExportListItem(QString::fromLatin1(*texts[c - eColDataType]));
                cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                m_pListViewExportList->setItem(r, c, cell);
            }
        }
    }
    // A date and time longer than the column's design width stays readable.
    const int designWidth = m_pListViewExportList->columnWidth(eColDateTime);
    m_pListViewExportList->resizeColumnToContents(eColDateTime);
    if (m_pListViewExportList->columnWidth(eColDateTime) < designWidth)
        m_pListViewExportList->setColumnWidth(eColDateTime, designWidth);
    m_bFilling = false;
}

void TDlgExportList::ListViewExportListChange(QTableWidgetItem* item) {
    if (m_bFilling || !item || item->column() != eColIndex) return;
    if (OrvDataset* dataset = DatasetOfRow(item->row()))
        dataset->SetChecked(item->checkState() == Qt::Checked);
}

void TDlgExportList::SetTick(int row, bool ticked) {
    if (QTableWidgetItem* item = m_pListViewExportList->item(row, eColIndex))
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

bool TDlgExportList::Ticked(int row) const {
    const QTableWidgetItem* item = m_pListViewExportList->item(row, eColIndex);
    return item && item->checkState() == Qt::Checked;
}

void TDlgExportList::ButtonSelectAllClick() {
    for (int row = 0; row < m_pListViewExportList->rowCount(); ++row)
        SetTick(row, true);
}

// Ticks the highlighted rows; the others keep their ticks.
void TDlgExportList::ButtonSelectSelectedClick() {
    std::set<int> rows;
    for (const QModelIndex& index : m_pListViewExportList->selectionModel()->selectedRows())
        rows.insert(index.row());
    for (int row : rows)
        SetTick(row, true);
}

void TDlgExportList::ButtonInvertSelectedClick() {
    for (int row = 0; row < m_pListViewExportList->rowCount(); ++row)
        SetTick(row, !Ticked(row));
}

void TDlgExportList::ListViewExportListColumnClick(int column) {
    m_pListViewExportList->sortItems(column, Qt::AscendingOrder);
}

} // namespace ombrix
