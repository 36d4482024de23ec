#include "link/TDlgService.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ombrix {

namespace {

struct ServiceRow {
    const char* caption;
    const char* valueLabel;
};

// Rows in the order of the device information lines; the last three are the
// sub-captions of "Available functions".
constexpr std::array<ServiceRow, TDlgService::kLineCount> kRows = {{
    {"Device", "LabelDevice"},
    {"Serial number", "LabelSerialNo"},
    {"Identification number", "LabelIdentification"},
    {"HW-Version:", "LabelHWVersion"},
    {"SW-Version:", "LabelSWVersion"},
    {"Date of calibration", "LabelCalDate"},
    {"Active probe", "LabelProbe"},
    {"Batterie state", "LabelBatState"},
    {"Error code", "LabelErrorCode"},
    {"STD", "LabelSTD"},
    {"FFT / Harmonics", "LabelFFTHarm"},
    {"Ext. frequenz range", "LabelExtFrq"},
}};
constexpr int kFirstFunctionRow = 9;

} // namespace

TDlgService::TDlgService(QWidget* parent) : TOrvDialog(parent) {
    setObjectName(QStringLiteral("DlgService"));
    setWindowTitle(QStringLiteral("Service"));
    SetHelpContext(kHelpContext);

    auto* device = new QGridLayout;
    device->setHorizontalSpacing(16);
    device->setColumnMinimumWidth(1, 200);
    auto* functionsBox = new QGroupBox(QStringLiteral("Available functions"));
    auto* functions = new QGridLayout(functionsBox);
    functions->setHorizontalSpacing(16);
    functions->setColumnMinimumWidth(1, 60);

    for (int i = 0; i < kLineCount; ++i) {
        const ServiceRow& row = kRows[static_cast<size_t>(i)];
        auto* value = new QLabel;
        value->setObjectName(QString::fromLatin1(row.valueLabel));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        m_Values[static_cast<size_t>(i)] = value;
        auto* caption = new QLabel(QString::fromLatin1(row.caption));
        if (i < kFirstFunctionRow) {
            device->addWidget(caption, i, 0);
            device->addWidget(value, i, 1);
        } else {
            functions->addWidget(caption, i - kFirstFunctionRow, 0);
            functions->addWidget(value, i - kFirstFunctionRow, 1);
        }
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(MakeOkButton());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(device);
    layout->addWidget(functionsBox);
    layout->addLayout(buttons);
    FixSizeToLayout();
}

void TDlgService::SetServiceLines(const std::vector<std::string>& lines) {
    for (size_t i = 0; i < m_Values.size(); ++i)
        m_Values[i]->setText(i < lines.size() ? QString::fromLatin1(lines[i]) : QString());
}

} // namespace ombrix
