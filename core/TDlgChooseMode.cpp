#include "core/TDlgChooseMode.h"

#include "core/ProgramPictures.h"
#include "core/SettingsStore.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace ombrix {

namespace {

QLabel* DescriptionLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

} // namespace

TDlgChooseMode::TDlgChooseMode(QWidget* parent) : TOrvDialog(parent) {
    setObjectName(QStringLiteral("DlgChooseMode"));
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    SetHelpContext(kHelpContext);

    m_pImageSplash = new QLabel(this);
    m_pImageSplash->setObjectName(QStringLiteral("ImageSplash"));
    m_pImageSplash->setFixedSize(kSplashSize);
    m_pImageSplash->setPixmap(SplashPicture());

    m_pRadioButtonDatalog = new QRadioButton(QStringLiteral("DATALOG"));
    m_pRadioButtonDatalog->setObjectName(QStringLiteral("RadioButtonDatalog"));
    m_pRadioButtonDatalog->setChecked(true);
    m_pRadioButtonRemote = new QRadioButton(QStringLiteral("REMOTE"));
    m_pRadioButtonRemote->setObjectName(QStringLiteral("RadioButtonRemote"));
    QFont bold = m_pRadioButtonDatalog->font();
    bold.setBold(true);
    m_pRadioButtonDatalog->setFont(bold);
    m_pRadioButtonRemote->setFont(bold);

    auto* group = new QGroupBox(QStringLiteral("Choose the mode"));
    group->setObjectName(QStringLiteral("GroupBoxMode"));
    auto* modes = new QGridLayout(group);
    modes->setColumnStretch(1, 1);
    modes->addWidget(m_pRadioButtonDatalog, 0, 0);
    modes->addWidget(
        DescriptionLabel(QStringLiteral(
            "Download and representation of values stored in the internal memory of the "
            "device or in a file.")),
        0, 1);
    modes->addWidget(m_pRadioButtonRemote, 1, 0);
    modes->addWidget(DescriptionLabel(QStringLiteral(
                         "Display and storing into a database of actual/online values.")),
                     1, 1);

    m_pOKBtn = MakeOkButton();
    m_pOKBtn->setMinimumSize(110, 56);
    QFont big = m_pOKBtn->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    m_pOKBtn->setFont(big);

    m_pCheckBoxShow = new QCheckBox(QStringLiteral("Show this splash window every startup"));
    m_pCheckBoxShow->setObjectName(QStringLiteral("CheckBoxShow"));
    connect(m_pCheckBoxShow, &QCheckBox::clicked, this, &TDlgChooseMode::CheckBoxShowClick);

    m_pTimerSplash = new QTimer(this);
    m_pTimerSplash->setObjectName(QStringLiteral("TimerSplash"));
    m_pTimerSplash->setSingleShot(true);
    m_pTimerSplash->setInterval(kSplashMs);
    connect(m_pTimerSplash, &QTimer::timeout, this, &QDialog::accept);

    auto* choice = new QHBoxLayout;
    choice->addWidget(group, 1);
    choice->addWidget(m_pOKBtn, 0, Qt::AlignVCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(m_pImageSplash);
    auto* lower = new QVBoxLayout;
    lower->setContentsMargins(10, 0, 10, 0);
    lower->addLayout(choice);
    lower->addWidget(m_pCheckBoxShow);
    layout->addLayout(lower);
    FixSizeToLayout();
}

void TDlgChooseMode::ProposeMode(OperatingMode mode) {
    if (mode == eModeRemote)
        m_pRadioButtonRemote->setChecked(true);
    else
        m_pRadioButtonDatalog->setChecked(true);
}

OperatingMode TDlgChooseMode::ChosenMode() const {
    return m_pRadioButtonRemote->isChecked() ? eModeRemote : eModeDatalog;
}

bool TDlgChooseMode::IsUsed(OperatingMode modeByte) {
    return ReadRegInt(reg::kShowSplash, reg::kShowSplashDefault) != 0 || modeByte == eModeUndecided;
}

void TDlgChooseMode::done(int result) {
    m_pTimerSplash->stop();
    TOrvDialog::done(result);
}

void TDlgChooseMode::showEvent(QShowEvent* event) {
    TOrvDialog::showEvent(event);
    m_pCheckBoxShow->setChecked(ReadRegInt(reg::kShowSplash, reg::kShowSplashDefault) != 0);
    m_pOKBtn->setFocus();
    m_pTimerSplash->start();
}

void TDlgChooseMode::CheckBoxShowClick(bool checked) {
    WriteRegInt(reg::kShowSplash, checked ? 1 : 0);
}

} // namespace ombrix
