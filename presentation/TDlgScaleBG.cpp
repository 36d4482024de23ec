#include "presentation/TDlgScaleBG.h"

#include "core/NumberFormat.h"
#include "datasets/LoadData.h"
#include "presentation/BackgroundPipeline.h"
#include "presentation/ViewSetupStruct.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace ombrix {

namespace {

// The hourglass while a picture is resampled or turned.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

int FieldOf(const QLineEdit* edit, int fallback) {
    return ScaleFieldInteger(edit->text().toLatin1().toStdString(), fallback);
}

} // namespace

TDlgScaleBG::TDlgScaleBG(BackgroundPipeline& pipeline, ViewSetupStruct& settings, QWidget* parent)
    : TOrvDialog(parent), m_Pipeline(pipeline), m_Settings(settings) {
    setObjectName(QStringLiteral("DlgScaleBG"));
    setWindowTitle(QStringLiteral("Scale backgroung image"));
    SetHelpContext(kHelpContext);

    // One edit with its up-down; leaving the edit or clicking an arrow applies it.
    const auto field = [this](QGridLayout* grid, int row, const char* caption, const char* name,
                              int min, int max, const char* initial, void (TDlgScaleBG::*apply)()) {
        auto* edit = new QLineEdit(QString::fromLatin1(initial));
        edit->setObjectName(QStringLiteral("Edit") + QString::fromLatin1(name));
        edit->setMaximumWidth(70);
        auto* upDown = new TUpDown(edit);
        upDown->setObjectName(QStringLiteral("UpDown") + QString::fromLatin1(name));
        upDown->SetRange(min, max);
        if (caption) grid->addWidget(new QLabel(QString::fromLatin1(caption)), row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(upDown, row, 2);
        connect(edit, &QLineEdit::editingFinished, this, apply);
        for (auto* arrow : upDown->findChildren<QToolButton*>())
            connect(arrow, &QToolButton::clicked, this, apply);
        return edit;
    };
    const auto group = [](const char* caption) {
        auto* box = new QGroupBox(QString::fromLatin1(caption));
        return std::pair{box, new QGridLayout(box)};
    };

    auto [vertical, vGrid] = group("Vertical");
    m_pEditVOffset = field(vGrid, 0, "Offset", "VOffset", -kOffsetLimit, kOffsetLimit, "0",
                           &TDlgScaleBG::StretchImage);
    m_pEditVStretch = field(vGrid, 1, "Stretch", "VStretch", kStretchMin, kStretchMax, "100",
                            &TDlgScaleBG::StretchImage);
    auto [horizontal, hGrid] = group("Horizontal");
    m_pEditHOffset = field(hGrid, 0, "Offset", "HOffset", -kOffsetLimit, kOffsetLimit, "0",
                           &TDlgScaleBG::StretchImage);
    m_pEditHStretch = field(hGrid, 1, "Stretch", "HStretch", kStretchMin, kStretchMax, "100",
                            &TDlgScaleBG::StretchImage);
    auto [rotate, rGrid] = group("Rotate");
    m_pEditRotate = field(rGrid, 0, nullptr, "Rotate", -kRotationLimit, kRotationLimit, "0",
                          &TDlgScaleBG::RotateImage);

    auto* groups = new QHBoxLayout;
    groups->addWidget(horizontal);
    groups->addWidget(vertical);
    groups->addWidget(rotate);

    auto* ok = MakeOkButton(false);
    auto* cancel = MakeCancelButton();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);
    FixSizeToLayout();
    connect(ok, &QPushButton::clicked, this, &TDlgScaleBG::OKBtnClick);
}

ScaleValues TDlgScaleBG::Fields() const {
    return {FieldOf(m_pEditHOffset, 0), FieldOf(m_pEditHStretch, kNoStretch),
            FieldOf(m_pEditVOffset, 0), FieldOf(m_pEditVStretch, kNoStretch)};
}

int TDlgScaleBG::RotationField() const {
    return FieldOf(m_pEditRotate, 0);
}

void TDlgScaleBG::showEvent(QShowEvent* event) {
    TOrvDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TDlgScaleBG::FormShow() {
    m_pEditHStretch->setText(QString::fromLatin1(FloatToStr(m_Settings.GetBGStretch(0))));
    m_pEditVStretch->setText(QString::fromLatin1(FloatToStr(m_Settings.GetBGStretch(1))));
    m_pEditHOffset->setText(QString::number(m_Settings.GetBGOffset(0)));
    m_pEditVOffset->setText(QString::number(m_Settings.GetBGOffset(1)));
    m_pEditRotate->setText(QString::number(m_Settings.GetBGRotation()));
}

void TDlgScaleBG::StretchImage() {
    if (!m_Pipeline.LastApplied().Take(Fields())) return;
    BusyCursor busy;
    m_Pipeline.Stretch(m_Pipeline.LastApplied().Values());
    RotateImage();
}

void TDlgScaleBG::RotateImage() {
    BusyCursor busy;
    m_Pipeline.Rotate(RotationField());
}

void TDlgScaleBG::OKBtnClick() {
    const ScaleValues fields = Fields();
    m_Settings.SetBGStretch(0, fields.hStretch);
    m_Settings.SetBGStretch(1, fields.vStretch);
    m_Settings.SetBGOffset(0, fields.hOffset);
    m_Settings.SetBGOffset(1, fields.vOffset);
    m_Settings.SetBGRotation(RotationField());
    accept();
}

} // namespace ombrix
