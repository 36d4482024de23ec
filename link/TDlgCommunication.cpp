#include "link/TDlgCommunication.h"

#include "core/NumberFormat.h"
#include "core/SettingsStore.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace ombrix {

namespace {

constexpr int kFastBaud = 19200;
constexpr int kSlowBaud = 9600;
constexpr const char* kPortPrefix = "COM";

// The analyser with its probe on the left, the PC on the right, one cable between.
QPixmap CablingPicture() {
    QPixmap picture(340, 120);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF analyser(34, 38, 58, 74);
    p.setPen(QPen(QColor(40, 50, 60), 1.5));
    p.setBrush(QColor(238, 196, 70));
    p.drawRoundedRect(analyser, 8, 8);
    p.setBrush(QColor(180, 220, 200));
    p.drawRect(QRectF(analyser.left() + 9, analyser.top() + 10, 40, 22));
    p.setBrush(QColor(70, 80, 90));
    for (int key = 0; key < 3; ++key)
        p.drawEllipse(QRectF(analyser.left() + 10 + key * 14, analyser.top() + 44, 9, 9));
    // The E-field probe: a cube on a short rod.
    p.drawLine(QPointF(analyser.center().x(), analyser.top()), QPointF(analyser.center().x(), 22));
    p.setBrush(QColor(200, 205, 215));
    p.drawRect(QRectF(analyser.center().x() - 13, 4, 26, 18));

    const QRectF screen(236, 14, 88, 62);
    p.setBrush(QColor(60, 70, 85));
    p.drawRoundedRect(screen, 4, 4);
    p.setBrush(QColor(120, 180, 230));
    p.drawRect(screen.adjusted(6, 6, -6, -6));
    p.setBrush(QColor(60, 70, 85));
    p.drawRect(QRectF(screen.center().x() - 6, screen.bottom(), 12, 12));
    p.drawRect(QRectF(screen.center().x() - 30, screen.bottom() + 12, 60, 8));

    QPainterPath cable;
    cable.moveTo(analyser.right(), analyser.center().y() + 10);
    cable.cubicTo(150, 120, 200, 40, 250, 106);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 30, 30), 3));
    p.drawPath(cable);
    return picture;
}

} // namespace

TDlgCommunication::TDlgCommunication(QWidget* parent)
    : TOrvDialog(parent), m_pPorts(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("DlgCommunication"));
    setWindowTitle(QStringLiteral("Communication"));
    SetHelpContext(kHelpContext);

    auto* image = new QLabel;
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(CablingPicture());
    image->setAlignment(Qt::AlignCenter);

    auto* label1 = new QLabel(QStringLiteral("Connect E-field unit directly to the PC"));
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setAlignment(Qt::AlignCenter);
    label1->setWordWrap(true);

    // The shaded area behind the port buttons.
    auto* labelPC = new QFrame;
    labelPC->setObjectName(QStringLiteral("LabelPC"));
    labelPC->setAutoFillBackground(true);
    labelPC->setBackgroundRole(QPalette::Mid);
    labelPC->setFrameShape(QFrame::StyledPanel);

    auto* label2 = new QLabel(QStringLiteral("PC"));
    label2->setObjectName(QStringLiteral("Label2"));
    QFont bold = label2->font();
    bold.setBold(true);
    label2->setFont(bold);

    auto* portSelect = new QWidget;
    portSelect->setObjectName(QStringLiteral("TabControlPortSelect"));
    // The tab of the chosen port must stand out like a pressed button.
    portSelect->setStyleSheet(QStringLiteral(
        "QPushButton:checked { background: palette(highlight); color: palette(highlighted-text);"
        " font-weight: bold; border: 1px solid palette(shadow); border-radius: 3px; padding: 3px; "
        "}"));
    auto* portGrid = new QGridLayout(portSelect);
    portGrid->setContentsMargins(0, 0, 0, 0);
    portGrid->setSpacing(2);
    for (int i = 0; i < kPortCount; ++i) {
        auto* tab = new QPushButton(QStringLiteral("COM %1").arg(i + 1));
        tab->setObjectName(QStringLiteral("TabPort%1").arg(i + 1));
        tab->setCheckable(true);
        tab->setAutoDefault(false);
        m_pPorts->addButton(tab, i);
        portGrid->addWidget(tab, i / 4, i % 4);
    }

    auto* pcLayout = new QHBoxLayout(labelPC);
    pcLayout->addWidget(label2);
    pcLayout->addSpacing(8);
    pcLayout->addWidget(portSelect, 1);

    m_pCheckBox19200Baud = new QCheckBox(QStringLiteral("Use 19200 baud"));
    m_pCheckBox19200Baud->setObjectName(QStringLiteral("CheckBox19200Baud"));
    m_pCheckBoxShow = new QCheckBox(QStringLiteral("Show this dialog every time"));
    m_pCheckBoxShow->setObjectName(QStringLiteral("CheckBoxShow"));
    m_pCheckBoxShow->setChecked(true);

    auto* ok = MakeOkButton(false);
    connect(ok, &QPushButton::clicked, this, &TDlgCommunication::OKBtnClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(MakeCancelButton());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(image);
    layout->addWidget(label1);
    layout->addWidget(labelPC);
    layout->addWidget(m_pCheckBox19200Baud);
    layout->addWidget(m_pCheckBoxShow);
    layout->addLayout(buttons);
    FixSizeToLayout();
}

int TDlgCommunication::SelectedPort() const {
    return m_pPorts->checkedId();
}

void TDlgCommunication::SelectPort(int index) {
    if (QAbstractButton* tab = m_pPorts->button(index)) {
        tab->setChecked(true);
        return;
    }
    m_pPorts->setExclusive(false);
    for (QAbstractButton* tab : m_pPorts->buttons())
        tab->setChecked(false);
    m_pPorts->setExclusive(true);
}

int TDlgCommunication::PortNumberOf(const std::string& setting) {
    for (std::string text = setting; !text.empty(); text.erase(0, 1)) {
        int number = 0;
        if (TryParseInt(text, number) && number >= 1) return number;
    }
    return 1;
}

bool TDlgCommunication::ShowComDlg() {
    return ReadRegInt(reg::kShowComDlg, reg::kShowComDlgDefault) != 0;
}

void TDlgCommunication::showEvent(QShowEvent* event) {
    FormShow();
    TOrvDialog::showEvent(event);
}

void TDlgCommunication::FormShow() {
    m_pCheckBox19200Baud->setChecked(ReadRegInt(reg::kBaudrate, reg::kBaudrateDefault) ==
                                     kFastBaud);
    m_pCheckBoxShow->setChecked(ShowComDlg());
    // A port above COM 8, written by another tool, selects no tab.
    SelectPort(PortNumberOf(ReadRegString(reg::kComPort, reg::kComPortDefault)) - 1);
}

void TDlgCommunication::OKBtnClick() {
    WriteRegInt(reg::kBaudrate, m_pCheckBox19200Baud->isChecked() ? kFastBaud : kSlowBaud);
    WriteRegInt(reg::kShowComDlg, m_pCheckBoxShow->isChecked() ? 1 : 0);
    // Without a selected tab the stored port (one this dialog cannot show) is
    // kept rather than replaced by a port that does not exist.
    if (SelectedPort() >= 0)
        WriteRegString(reg::kComPort, kPortPrefix + std::to_string(SelectedPort() + 1));
    accept();
}

} // namespace ombrix
