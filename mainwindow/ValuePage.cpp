#include "mainwindow/ValuePage.h"

#include "core/UnassociatedFont.h"
#include "datasets/OrvDataList.h"
#include "datasets/OrvNormalDataset.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QProgressBar>

namespace ombrix {

namespace {

constexpr int kScaleWidth = 301;
constexpr int kScaleHeight = 33;
constexpr int kBarRange = 300;

QLabel* BoldLabel(const char* name, int pixelSize, Qt::Alignment alignment = Qt::AlignLeft) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setBold(true);
    font.setPixelSize(pixelSize);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

} // namespace

ValuePage::ValuePage(RangeLimits rangeLimits) : m_RangeLimits(std::move(rangeLimits)) {
    m_pPanel = new QWidget;
    m_pPanel->setObjectName(QStringLiteral("PanelValueGraph"));

    m_pLabelValueFieldType = BoldLabel("LabelValueFieldType", 32);
    m_pLabelValueChannel = BoldLabel("LabelValueChannel", 16);
    m_pLabelValueVal = BoldLabel("LabelValueVal", 32, Qt::AlignRight);
    m_pLabelValueVal->setFont(UnassociatedFont(m_pLabelValueVal->font()));
    m_pLabelValueVal->setMinimumWidth(kScaleWidth);

    m_pProgressBarValue = new QProgressBar;
    m_pProgressBarValue->setObjectName(QStringLiteral("ProgressBarValue"));
    m_pProgressBarValue->setRange(0, kBarRange);
    m_pProgressBarValue->setTextVisible(false);
    m_pProgressBarValue->setFixedSize(kBarRange, 16);

    m_pImageValueScale = new QLabel;
    m_pImageValueScale->setObjectName(QStringLiteral("ImageValueScale"));
    m_pImageValueScale->setFixedSize(kScaleWidth, kScaleHeight);

    m_pLabelValueFrq = new QLabel(QStringLiteral("Frequency:"));
    m_pLabelValueFrq->setObjectName(QStringLiteral("LabelValueFrq"));
    m_pLabelFrqVal = BoldLabel("LabelFrqVal", 16, Qt::AlignRight);

    // The value sits in a block of its own in the upper part of the page, the
    // quantity and channel beside it, the bar and scale below.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->addWidget(m_pLabelValueFieldType, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(m_pLabelValueChannel, 0, 1, Qt::AlignBottom);
    grid->addWidget(m_pLabelValueVal, 0, 2, 2, 1);
    grid->addWidget(m_pProgressBarValue, 2, 2, Qt::AlignLeft);
    grid->addWidget(m_pImageValueScale, 3, 2, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(m_pLabelValueFrq, 4, 1);
    grid->addWidget(m_pLabelFrqVal, 4, 2);

    auto* outer = new QGridLayout(m_pPanel);
    outer->setContentsMargins(24, 24, 24, 24);
    outer->addLayout(grid, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    outer->setRowStretch(1, 1);
    outer->setColumnStretch(1, 1);
}

void ValuePage::Fill(OrvDataList& list, OrvDataset& dataset) {
    const Code kind = dataset.GetDataType();
    if (kind != eNormal && kind != eAuto) return;
    ShowValue(list, static_cast<OrvNormalDataset&>(dataset));
}

void ValuePage::ShowValue(OrvDataList& list, OrvNormalDataset& dataset) {
    const ValueTexts texts = ValueTextsOf(dataset);
    m_pLabelValueFieldType->setText(QString::fromLatin1(texts.fieldType));
    m_pLabelValueChannel->setText(QString::fromLatin1(texts.channel));
    m_pLabelValueVal->setText(QString::fromLatin1(texts.value));
    m_pLabelValueFrq->setVisible(texts.showFrequency);
    m_pLabelFrqVal->setText(QString::fromLatin1(texts.frequency));

    const bool live = &dataset == list.GetLive();
    m_pProgressBarValue->setVisible(live);
    m_pImageValueScale->setVisible(live);
    if (live && m_RangeLimits) {
        double min = 0, max = 0;
        m_RangeLimits(min, max);
        DrawValueScale(min, max, dataset.GetValue());
    }
}

void ValuePage::DrawValueScale(double min, double max, double value) {
    const ValueScaleDrawing drawing = ValueScaleFor(min, max, value, kScaleWidth);
    QPixmap picture(kScaleWidth, kScaleHeight);
    picture.fill(QApplication::palette().color(QPalette::Button));
    {
        QPainter painter(&picture);
        painter.setPen(Qt::black);
        QFont font = m_pImageValueScale->font();
        font.setPixelSize(11);
        painter.setFont(font);
        const int textTop = kLongTickLength;
        for (const ScaleTick& tick : drawing.ticks) {
            const int length = tick.longTick ? kLongTickLength : kShortTickLength;
            painter.drawLine(tick.x, 0, tick.x, length - 1);
            if (tick.longTick)
                painter.drawText(QRect(tick.x - kTickLabelOffset, textTop, kScaleWidth, 20),
                                 Qt::AlignLeft | Qt::AlignTop, QString::fromLatin1(tick.label));
        }
    }
    m_pImageValueScale->setPixmap(picture);
    m_pProgressBarValue->setRange(0, drawing.barMaximum);
    m_pProgressBarValue->setFixedWidth(std::max(drawing.barMaximum, 1));
    m_pProgressBarValue->setValue(drawing.barPosition);
}

} // namespace ombrix
