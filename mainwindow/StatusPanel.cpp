#include "mainwindow/StatusPanel.h"

#include "mainwindow/MainWindowRules.h"

#include <QLabel>
#include <QPainter>

namespace ombrix {

namespace {

constexpr int kStateWidth = 240;
constexpr int kHintMinimumWidth = 50;

QLabel* PanelLabel(const char* name, int width) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setMinimumWidth(width);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    return label;
}

} // namespace

ActivityPanel::ActivityPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StatusLineIndicator"));
    setFixedWidth(kWidth);
}

void ActivityPanel::paintEvent(QPaintEvent*) {
    const ActivityIndicator indicator = IndicatorFor(m_nTag, width());
    m_nTag = indicator.tag;
    QPainter painter(this);
    const QRect all = rect();
    switch (indicator.fill) {
    case ActivityIndicator::Alarm:
        painter.fillRect(all, Qt::red);
        break;
    case ActivityIndicator::Activity:
        painter.fillRect(all, palette().color(QPalette::Button));
        painter.fillRect(QRect(0, 0, indicator.litWidth, all.height()), QColor(0, 255, 0));
        break;
    case ActivityIndicator::Offline:
        painter.fillRect(all, Qt::gray);
        break;
    case ActivityIndicator::Nothing:
        break;
    }
}

StatusPanel::StatusPanel(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusLine"));
    setSizeGripEnabled(true);
    m_pState = PanelLabel("StatusLineState", kStateWidth);
    m_pIndicator = new ActivityPanel(this);
    m_pHint = PanelLabel("StatusLineHint", kHintMinimumWidth);
    addPermanentWidget(m_pState);
    addPermanentWidget(m_pIndicator);
    addPermanentWidget(m_pHint, 1);
}

void StatusPanel::SetStateText(const QString& text) {
    m_pState->setText(text);
}

QString StatusPanel::StateText() const {
    return m_pState->text();
}

void StatusPanel::SetHintText(const QString& text) {
    m_pHint->setText(text);
}

QString StatusPanel::HintText() const {
    return m_pHint->text();
}

int StatusPanel::Tag() const {
    return m_pIndicator->Tag();
}

void StatusPanel::SetTag(int tag) {
    m_pIndicator->SetTag(tag);
}

void StatusPanel::RepaintIndicator() {
    m_pIndicator->repaint();
}

} // namespace ombrix
