#include "mainwindow/StatisticPage.h"

#include "core/CheckRange.h"
#include "core/OrvMainObject.h"
#include "datasets/OrvNormalDataset.h"
#include "mainwindow/StatisticView.h"
#include "presentation/ViewSetupStruct.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace ombrix {

namespace {

constexpr int kValueColumnWidth = 140;

QLabel* ValueLabel(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setMinimumWidth(kValueColumnWidth);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

void AddRow(QGridLayout* grid, const char* caption, QWidget* value) {
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(QString::fromLatin1(caption)), row, 0);
    grid->addWidget(value, row, 1);
}

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text);
}

std::string UnitText(OrvDataset& dataset) {
    const auto* normal = dynamic_cast<const OrvNormalDataset*>(&dataset);
    return normal ? normal->GetUnitText() : std::string();
}

} // namespace

StatisticViewPage::StatisticViewPage(SelectionSource selection, std::function<void()> refreshView)
    : m_Selection(std::move(selection)), m_RefreshView(std::move(refreshView)) {
    m_pPanel = new QWidget;
    m_pPanel->setObjectName(QStringLiteral("PanelStatistic"));

    auto* values = new QGroupBox(QStringLiteral("Values"));
    values->setObjectName(QStringLiteral("GroupBoxStatisticValues"));
    auto* valueGrid = new QGridLayout;
    m_pLabelStatisticNbrOfVal = ValueLabel("LabelStatisticNbrOfVal");
    m_pLabelStatisticMinVal = ValueLabel("LabelStatisticMinVal");
    m_pLabelStatisticMaxVal = ValueLabel("LabelStatisticMaxVal");
    m_pLabelStatisticMeanVal = ValueLabel("LabelStatisticMeanVal");
    m_pLabelStatisticVarianz = ValueLabel("LabelStatisticVarianz");
    m_pLabelStatisticStdAb = ValueLabel("LabelStatisticStdAb");
    m_pLabelStatisticOverThreshold = ValueLabel("LabelStatisticOverThreshold");
    m_pEditStatisticThreshold = new QLineEdit;
    m_pEditStatisticThreshold->setObjectName(QStringLiteral("EditStatisticThreshold"));
    m_pEditStatisticThreshold->setAlignment(Qt::AlignRight);
    m_pEditStatisticThreshold->setMinimumWidth(kValueColumnWidth);
    AddRow(valueGrid, "No. of values:", m_pLabelStatisticNbrOfVal);
    AddRow(valueGrid, "Min value:", m_pLabelStatisticMinVal);
    AddRow(valueGrid, "Max value:", m_pLabelStatisticMaxVal);
    AddRow(valueGrid, "Mean value:", m_pLabelStatisticMeanVal);
    AddRow(valueGrid, "Variance:", m_pLabelStatisticVarianz);
    AddRow(valueGrid, "Standard deviation:", m_pLabelStatisticStdAb);
    AddRow(valueGrid, "Values over threshold:", m_pLabelStatisticOverThreshold);
    AddRow(valueGrid, "Threshold:  ", m_pEditStatisticThreshold);
    m_pLabelInvalidData = new QLabel(QString::fromLatin1(kStatisticFlaggedNote));
    m_pLabelInvalidData->setObjectName(QStringLiteral("LabelInvalidData"));
    m_pLabelInvalidData->setWordWrap(true);
    QFont small = m_pLabelInvalidData->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    m_pLabelInvalidData->setFont(small);
    valueGrid->addWidget(m_pLabelInvalidData, valueGrid->rowCount(), 0, 1, 2);
    values->setLayout(valueGrid);

    m_pGroupBoxStatisticTime = new QGroupBox(QStringLiteral("Time"));
    m_pGroupBoxStatisticTime->setObjectName(QStringLiteral("GroupBoxStatisticTime"));
    auto* timeGrid = new QGridLayout;
    m_pLabelStatisticStartTime = ValueLabel("LabelStatisticStartTime");
    m_pLabelStatisticStopTime = ValueLabel("LabelStatisticStopTime");
    m_pLabelStatisticInterval = ValueLabel("LabelStatisticInterval");
    m_pLabelStatisticMeasLength = ValueLabel("LabelStatisticMeasLength");
    AddRow(timeGrid, "Start time: ", m_pLabelStatisticStartTime);
    AddRow(timeGrid, "Stop time:", m_pLabelStatisticStopTime);
    AddRow(timeGrid, "Time interval: ", m_pLabelStatisticInterval);
    AddRow(timeGrid, "Meas. length: ", m_pLabelStatisticMeasLength);
    m_pGroupBoxStatisticTime->setLayout(timeGrid);

    auto* column = new QVBoxLayout;
    column->addWidget(values);
    column->addWidget(m_pGroupBoxStatisticTime);
    column->addStretch(1);
    auto* row = new QHBoxLayout(m_pPanel);
    row->addLayout(column);
    row->addStretch(1);

    QObject::connect(m_pEditStatisticThreshold, &QLineEdit::editingFinished, m_pPanel,
                     [this] { EditStatisticThresholdExit(); });
}

void StatisticViewPage::Fill(OrvDataList&, OrvDataset& dataset) {
    const std::optional<StatisticPage> page = ShowStatistic(dataset, m_Selection(), ViewSetup());
    if (!page) return;
    m_pLabelStatisticNbrOfVal->setText(Latin1(page->count));
    m_pLabelStatisticMinVal->setText(Latin1(page->minimum));
    m_pLabelStatisticMaxVal->setText(Latin1(page->maximum));
    m_pLabelStatisticMeanVal->setText(Latin1(page->mean));
    m_pLabelStatisticVarianz->setText(Latin1(page->variance));
    m_pLabelStatisticStdAb->setText(Latin1(page->standardDeviation));
    m_pLabelStatisticOverThreshold->setText(Latin1(page->overThreshold));
    // A threshold being typed is not overwritten by a live refresh.
    if (!m_pEditStatisticThreshold->hasFocus()) {
        m_pEditStatisticThreshold->setText(Latin1(page->thresholdText));
        m_pEditStatisticThreshold->setModified(false);
    }
    m_pLabelInvalidData->setVisible(page->flaggedNoteVisible);
    m_pGroupBoxStatisticTime->setVisible(page->timeGroupVisible);
    m_pLabelStatisticStartTime->setText(Latin1(page->startTime));
    m_pLabelStatisticStopTime->setText(Latin1(page->stopTime));
    m_pLabelStatisticInterval->setText(Latin1(page->interval));
    m_pLabelStatisticMeasLength->setText(Latin1(page->measuringLength));
}

void StatisticViewPage::EditStatisticThresholdExit() {
    // The message box of a refused value takes the focus, which ends the edit
    // once more; and an edit left unchanged has nothing to store.
    if (m_bChecking || !m_pEditStatisticThreshold->isModified()) return;
    OrvMainObject* main = MainObject();
    OrvDataset* dataset = main ? main->CurrentDataset() : nullptr;
    if (!dataset) return;
    m_bChecking = true;
    const double limit = StatisticThresholdLimit(dataset->GetValueClass());
    const bool inRange =
        CheckRange(m_pEditStatisticThreshold, 0, limit, UnitText(*dataset), true, 0);
    m_bChecking = false;
    if (!inRange) return;
    const RangeCheckResult result =
        EnterStatisticThreshold(FieldText(m_pEditStatisticThreshold), *dataset, ViewSetup());
    if (!result.accepted) return;
    m_pEditStatisticThreshold->setModified(false);
    // Enter keeps the focus in the edit; leaving it lets the refresh show the
    // stored threshold in its own form.
    m_pEditStatisticThreshold->clearFocus();
    if (m_RefreshView) m_RefreshView();
}

} // namespace ombrix
