#include "presentation/TDlgCurrentImport.h"

#include "core/MessageBoxes.h"
#include "core/TRadioGroup.h"
#include "presentation/CurrentCurves.h"
#include "presentation/CurrentTableModel.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

#include <array>
#include <utility>

namespace ombrix {

namespace {

constexpr const char* kFormatError = "Format Error";

// Items of the column separator group, in item order.
constexpr std::array<char, 3> kColumnSeparators = {',', ';', '\t'};
// Items of the decimal mark group, in item order.
constexpr std::array<char, 2> kDecimalMarks = {',', '.'};

template <std::size_t N> int ItemOf(const std::array<char, N>& items, char c) {
    for (std::size_t i = 0; i < N; ++i)
        if (items[i] == c) return static_cast<int>(i);
    return static_cast<int>(N) - 1;
}

TRadioGroup* MakeGroup(const char* name, const char* caption, const QStringList& items) {
    auto* group = new TRadioGroup(QString::fromLatin1(caption), items);
    group->setObjectName(QString::fromLatin1(name));
    group->NameItems();
    return group;
}

QLineEdit* MakeField(const char* name) {
    auto* edit = new QLineEdit(QStringLiteral("0"));
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaximumWidth(60);
    return edit;
}

QString FieldText(int value) {
    return QString::number(value);
}

} // namespace

TDlgCurrentImport::TDlgCurrentImport(CurrentCurves& curves, QWidget* parent)
    : TOrvDialog(parent), m_Curves(curves) {
    setObjectName(QStringLiteral("DlgCurrentImport"));
    setWindowTitle(QStringLiteral("Current data import"));
    SetHelpContext(kHelpContext);

    m_pRadioGroupListSeperator =
        MakeGroup("RadioGroupListSeperator", "Distinguish colums",
                  {QStringLiteral("Comma      (,)  ASCII-Value 44 (2CH)"),
                   QStringLiteral("Semicolun (;)  ASCII-Value 59 (3BH)"),
                   QStringLiteral("Tabulator   (\\t)  ASCII-Value 9 (09H)")});
    m_pRadioGroupDecSeperator = MakeGroup("RadioGroupDecSeperator", "Decimal point",
                                          {QStringLiteral("Comma   (,)  ASCII-Value 44 (2CH)"),
                                           QStringLiteral("Point       (.) ASCII-Value 46 (2EH)")});
    m_pRadioGroupTimeDate =
        MakeGroup("RadioGroupTimeDate", "Time / Date format",
                  {QStringLiteral("jj-mm-dd hh:mm:ss"), QStringLiteral("dd.mm.jj hh:mm:ss")});

    m_pTableModel = new CurrentTableModel(this);
    m_pStringGridDataTable = new QTableView;
    m_pStringGridDataTable->setObjectName(QStringLiteral("StringGridDataTable"));
    m_pStringGridDataTable->setModel(m_pTableModel);
    m_pStringGridDataTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pStringGridDataTable->verticalHeader()->setDefaultSectionSize(20);
    m_pStringGridDataTable->horizontalHeader()->setDefaultSectionSize(110);
    m_pStringGridDataTable->setMinimumSize(520, 360);
    auto* gridGroup = new QGroupBox(QStringLiteral("data table"));
    (new QVBoxLayout(gridGroup))->addWidget(m_pStringGridDataTable);

    m_pEditTimeCol = MakeField("EditTimeCol");
    m_pEditNCol = MakeField("EditNCol");
    m_pEditL1Col = MakeField("EditL1Col");
    m_pEditL2Col = MakeField("EditL2Col");
    m_pEditL3Col = MakeField("EditL3Col");
    m_pEditStartRow = MakeField("EditStartRow");
    m_pEditEndRow = MakeField("EditEndRow");
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Col with time data"), m_pEditTimeCol);
    fields->addRow(QStringLiteral("Col with N data"), m_pEditNCol);
    fields->addRow(QStringLiteral("Col with L1 data"), m_pEditL1Col);
    fields->addRow(QStringLiteral("Col with L2 data"), m_pEditL2Col);
    fields->addRow(QStringLiteral("Col with L3 data"), m_pEditL3Col);
    fields->addRow(QStringLiteral("Data start in  row"), m_pEditStartRow);
    fields->addRow(QStringLiteral("Data end in  row"), m_pEditEndRow);

    auto* ok = MakeOkButton(false);
    auto* cancel = MakeCancelButton();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* side = new QVBoxLayout;
    side->addWidget(m_pRadioGroupListSeperator);
    side->addWidget(m_pRadioGroupDecSeperator);
    side->addWidget(m_pRadioGroupTimeDate);
    side->addLayout(fields);
    side->addStretch();
    side->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(gridGroup, 1);
    layout->addLayout(side);

    connect(m_pRadioGroupListSeperator, &TRadioGroup::ItemClicked, this,
            &TDlgCurrentImport::RadioGroupListSeperatorClick);
    for (QLineEdit* edit : {m_pEditTimeCol, m_pEditNCol, m_pEditL1Col, m_pEditL2Col, m_pEditL3Col,
                            m_pEditStartRow, m_pEditEndRow})
        connect(edit, &QLineEdit::textChanged, this, &TDlgCurrentImport::ColRowSelect);
    connect(ok, &QPushButton::clicked, this, &TDlgCurrentImport::OKBtnClick);
}

void TDlgCurrentImport::SetLines(std::vector<std::string> lines) {
    m_Lines = std::move(lines);
}

CurrentColumns TDlgCurrentImport::Columns() const {
    const auto read = [](const QLineEdit* edit) {
        return FieldInteger(edit->text().toLatin1().toStdString());
    };
    CurrentColumns columns;
    columns.time = read(m_pEditTimeCol);
    columns.phase = {read(m_pEditNCol), read(m_pEditL1Col), read(m_pEditL2Col), read(m_pEditL3Col)};
    columns.startRow = read(m_pEditStartRow);
    columns.endRow = read(m_pEditEndRow);
    return columns;
}

char TDlgCurrentImport::ColumnSeparator() const {
    const int item = m_pRadioGroupListSeperator->ItemIndex();
    return item >= 0 ? kColumnSeparators[static_cast<std::size_t>(item)] : '\t';
}

char TDlgCurrentImport::DecimalMark() const {
    const int item = m_pRadioGroupDecSeperator->ItemIndex();
    return item >= 0 ? kDecimalMarks[static_cast<std::size_t>(item)] : '.';
}

DateOrder TDlgCurrentImport::Order() const {
    return m_pRadioGroupTimeDate->ItemIndex() == 1 ? DateOrder::eDayMonthYear
                                                   : DateOrder::eYearMonthDay;
}

void TDlgCurrentImport::showEvent(QShowEvent* event) {
    TOrvDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TDlgCurrentImport::FormShow() {
    const TableSeparators guess = GuessSeparators(m_Lines);
    m_pRadioGroupListSeperator->SetItemIndex(ItemOf(kColumnSeparators, guess.column));
    m_pRadioGroupDecSeperator->SetItemIndex(ItemOf(kDecimalMarks, guess.decimal));
    m_pRadioGroupTimeDate->SetItemIndex(static_cast<int>(DateOrder::eYearMonthDay));
    FillGrid();
}

void TDlgCurrentImport::FillGrid() {
    m_pTableModel->SetTable(CurrentTable(m_Lines, ColumnSeparator()));
    if (IsSampleCurrentFile(m_Lines)) {
        SetColumns(SampleFileColumns());
        m_pRadioGroupTimeDate->SetItemIndex(static_cast<int>(kSampleFileDateOrder));
    }
    ColRowSelect();
}

void TDlgCurrentImport::SetColumns(const CurrentColumns& columns) {
    m_bFilling = true;
    m_pEditTimeCol->setText(FieldText(columns.time));
    m_pEditNCol->setText(FieldText(columns.phase[ePhaseN]));
    m_pEditL1Col->setText(FieldText(columns.phase[ePhaseL1]));
    m_pEditL2Col->setText(FieldText(columns.phase[ePhaseL2]));
    m_pEditL3Col->setText(FieldText(columns.phase[ePhaseL3]));
    m_pEditStartRow->setText(FieldText(columns.startRow));
    m_pEditEndRow->setText(FieldText(columns.endRow));
    m_bFilling = false;
}

void TDlgCurrentImport::RadioGroupListSeperatorClick() {
    FillGrid();
}

void TDlgCurrentImport::ColRowSelect() {
    if (m_bFilling) return;
    m_pTableModel->SetColumns(Columns());
}

void TDlgCurrentImport::OKBtnClick() {
    const CurrentImportOutcome outcome =
        ImportCurrents(m_pTableModel->Table(), Columns(), DecimalMark(), Order(), m_Curves);
    if (!outcome.ok()) {
        if (outcome.row > 0)
            m_pStringGridDataTable->setCurrentIndex(
                m_pTableModel->index(outcome.row - 1, outcome.column - 1));
        ShowPlainError(this, kFormatError);
        return;
    }
    accept();
}

} // namespace ombrix
