#include "export/TDlgExportFormat.h"

#include "core/SettingsStore.h"
#include "export/ExportCells.h"
#include "export/TDlgExportFormatDetail.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ombrix {

namespace {

// Length of each picture within a date-and-time item ("yy-mm-dd hh:mm:ss").
constexpr size_t kPictureLength = 8;

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The date and time pictures that the export uses now, as one lower-case text.
std::string EffectiveDateTime() {
    return Lower(GetExportFormat(ExportFormatKind::Date, true) + " " +
                 GetExportFormat(ExportFormatKind::Time, true));
}

bool StoredEmpty(ExportFormatKind kind) {
    return GetExportFormat(kind, false).empty();
}

void ShowBracketed(QLabel* label, const std::string& text) {
    label->setText(QStringLiteral("[") + QString::fromLatin1(text) + QStringLiteral("]"));
}

struct FormatGroup {
    QGroupBox* box;
    QLabel* label;
    QCheckBox* useRegional;
    QPushButton* userDefined;
};

FormatGroup MakeGroup(const char* caption, const char* labelName, const char* checkName,
                      const char* buttonName) {
    FormatGroup group;
    group.box = new QGroupBox(QString::fromLatin1(caption));
    group.label = new QLabel;
    group.label->setObjectName(QString::fromLatin1(labelName));
    QFont bold = group.label->font();
    bold.setBold(true);
    group.label->setFont(bold);
    group.label->setMinimumWidth(180);
    group.useRegional = new QCheckBox(QStringLiteral("Use actual Windows settings"));
    group.useRegional->setObjectName(QString::fromLatin1(checkName));
    group.userDefined = new QPushButton(QStringLiteral("User defined"));
    group.userDefined->setObjectName(QString::fromLatin1(buttonName));
    group.userDefined->setAutoDefault(false);
    auto* layout = new QHBoxLayout(group.box);
    layout->addWidget(group.label, 1);
    layout->addSpacing(12);
    layout->addWidget(group.useRegional);
    layout->addSpacing(8);
    layout->addWidget(group.userDefined);
    return group;
}

} // namespace

TDlgExportFormat::TDlgExportFormat(QWidget* parent)
    : TOrvDialog(parent), m_pDetail(new TDlgExportFormatDetail(this)) {
    setObjectName(QStringLiteral("DlgExportFormat"));
    setWindowTitle(QStringLiteral("Export file  format"));
    SetHelpContext(kHelpContext);

    const FormatGroup columns =
        MakeGroup("Distinguish colums", "LabelDistin", "CheckBoxDistinWin", "ButtonDistin");
    const FormatGroup decimal =
        MakeGroup("Decimal point", "LabelDec", "CheckBoxDecWin", "ButtonDecimal");
    const FormatGroup dateTime =
        MakeGroup("Time / Date format", "LabelDateTime", "CheckBoxTimeDateWin", "ButtonTimeDate");
    m_pLabelDistin = columns.label;
    m_pLabelDec = decimal.label;
    m_pLabelDateTime = dateTime.label;
    m_pCheckBoxDistinWin = columns.useRegional;
    m_pCheckBoxDecWin = decimal.useRegional;
    m_pCheckBoxTimeDateWin = dateTime.useRegional;

    connect(m_pCheckBoxDistinWin, &QCheckBox::clicked, this, &TDlgExportFormat::RefreshColumnLabel);
    connect(m_pCheckBoxDecWin, &QCheckBox::clicked, this, &TDlgExportFormat::RefreshDecimalLabel);
    connect(m_pCheckBoxTimeDateWin, &QCheckBox::clicked, this,
            &TDlgExportFormat::RefreshDateTimeLabel);
    for (const FormatGroup* group : {&columns, &decimal, &dateTime})
        connect(group->userDefined, &QPushButton::clicked, this, &TDlgExportFormat::FormatDetail);

    m_pCheckBoxShow = new QCheckBox(QStringLiteral("Show dialog every time"));
    m_pCheckBoxShow->setObjectName(QStringLiteral("CheckBoxShow"));

    QPushButton* ok = MakeOkButton(false);
    connect(ok, &QPushButton::clicked, this, &TDlgExportFormat::OKBtnClick);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_pCheckBoxShow);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(MakeCancelButton());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(columns.box);
    layout->addWidget(decimal.box);
    layout->addWidget(dateTime.box);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    FixSizeToLayout();
}

bool TDlgExportFormat::ShowExportDlg() {
    return ReadRegInt(reg::kShowExportDlg, reg::kShowExportDlgDefault) != 0;
}

void TDlgExportFormat::showEvent(QShowEvent* event) {
    FormShow();
    TOrvDialog::showEvent(event);
}

void TDlgExportFormat::FormShow() {
    const std::string dateTime = EffectiveDateTime();
    ShowBracketed(m_pLabelDateTime, dateTime);
    m_pDetail->SelectTimeDate(dateTime);
    m_pCheckBoxTimeDateWin->setChecked(StoredEmpty(ExportFormatKind::Date) ||
                                       StoredEmpty(ExportFormatKind::Time));

    const std::string columns = GetExportFormat(ExportFormatKind::ListSeparator, true);
    ShowBracketed(m_pLabelDistin, columns);
    m_pDetail->SelectColumnSeparator(columns);
    m_pCheckBoxDistinWin->setChecked(StoredEmpty(ExportFormatKind::ListSeparator));

    const std::string decimal = GetExportFormat(ExportFormatKind::DecimalSeparator, true);
    ShowBracketed(m_pLabelDec, decimal);
    m_pDetail->SelectDecimalSeparator(decimal);
    m_pCheckBoxDecWin->setChecked(StoredEmpty(ExportFormatKind::DecimalSeparator));

    m_pCheckBoxShow->setChecked(ShowExportDlg());
}

// Each label shows the regional (effective) value while its box is ticked or
// nothing is chosen in the detail dialog, otherwise the chosen item.
void TDlgExportFormat::RefreshDateTimeLabel() {
    const std::string chosen = m_pDetail->SelectedTimeDate();
    ShowBracketed(m_pLabelDateTime, m_pCheckBoxTimeDateWin->isChecked() || chosen.empty()
                                        ? EffectiveDateTime()
                                        : chosen);
}

void TDlgExportFormat::RefreshColumnLabel() {
    const std::string chosen = m_pDetail->SelectedColumnSeparator();
    ShowBracketed(m_pLabelDistin, m_pCheckBoxDistinWin->isChecked() || chosen.empty()
                                      ? GetExportFormat(ExportFormatKind::ListSeparator, true)
                                      : chosen);
}

void TDlgExportFormat::RefreshDecimalLabel() {
    const std::string chosen = m_pDetail->SelectedDecimalSeparator();
    ShowBracketed(m_pLabelDec, m_pCheckBoxDecWin->isChecked() || chosen.empty()
                                   ? GetExportFormat(ExportFormatKind::DecimalSeparator, true)
                                   : chosen);
}

// The detail dialog's answer is not looked at: what was chosen in it stays.
void TDlgExportFormat::FormatDetail() {
    m_pDetail->exec();
    RefreshDateTimeLabel();
    RefreshColumnLabel();
    RefreshDecimalLabel();
}

void TDlgExportFormat::OKBtnClick() {
    const std::string dateTime = m_pDetail->SelectedTimeDate();
    if (m_pCheckBoxTimeDateWin->isChecked() || dateTime.empty()) {
        SetExportFormat(ExportFormatKind::Date, "");
        SetExportFormat(ExportFormatKind::Time, "");
    } else {
        SetExportFormat(ExportFormatKind::Date, dateTime.substr(0, kPictureLength));
        SetExportFormat(ExportFormatKind::Time,
                        dateTime.substr(kPictureLength + 1, kPictureLength));
    }
    const std::string columns = m_pDetail->SelectedColumnSeparator();
    SetExportFormat(ExportFormatKind::ListSeparator,
                    m_pCheckBoxDistinWin->isChecked() ? "" : columns);
    const std::string decimal = m_pDetail->SelectedDecimalSeparator();
    SetExportFormat(ExportFormatKind::DecimalSeparator,
                    m_pCheckBoxDecWin->isChecked() ? "" : decimal);
    WriteRegInt(reg::kShowExportDlg, m_pCheckBoxShow->isChecked() ? 1 : 0);
    accept();
}

} // namespace ombrix
