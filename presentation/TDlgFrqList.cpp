#include "presentation/TDlgFrqList.h"

#include "core/CheckRange.h"
#include "core/Ombrix.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ombrix {

namespace {

constexpr const char* kUnit = "Hz";

QString LabelOf(int index) {
    return index == kFrequencyListSize - 1 ? QStringLiteral("var. frequency")
                                           : QStringLiteral("List index %1").arg(index);
}

} // namespace

TDlgFrqList::TDlgFrqList(QWidget* parent) : TOrvDialog(parent) {
    setObjectName(QStringLiteral("DlgFrqList"));
    setWindowTitle(QStringLiteral("Frequency List"));
    SetHelpContext(kHelpContext);

    auto* fields = new QFormLayout;
    for (int i = 0; i < kFrequencyListSize; ++i) {
        auto* edit = new QLineEdit;
        edit->setObjectName(QStringLiteral("EditFrq%1").arg(i));
        edit->setMinimumWidth(110);
        m_pEditFrq[static_cast<std::size_t>(i)] = edit;
        connect(edit, &QLineEdit::editingFinished, this, [this, i] { EditFrqExit(i); });
        auto* label = new QLabel(LabelOf(i));
        label->setBuddy(edit);
        fields->addRow(label, edit);
    }

    auto* ok = MakeOkButton(false);
    connect(ok, &QPushButton::clicked, this, &TDlgFrqList::OKBtnClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(MakeCancelButton());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    FixSizeToLayout();
}

void TDlgFrqList::SetBounds(double lower, double upper) {
    m_dLower = lower;
    m_dUpper = upper;
}

void TDlgFrqList::showEvent(QShowEvent* event) {
    FormShow();
    TOrvDialog::showEvent(event);
}

void TDlgFrqList::FormShow() {
    for (std::size_t i = 0; i < m_pEditFrq.size(); ++i) {
        const std::string text = FormatValue(m_Frequencies[i], kUnit);
        m_ShownTexts[i] = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
        m_pEditFrq[i]->setText(m_ShownTexts[i]);
    }
    m_pEditFrq[0]->setFocus();
    m_pEditFrq[0]->selectAll();
}

bool TDlgFrqList::EditFrqExit(int index) {
    return CheckRange(m_pEditFrq[static_cast<std::size_t>(index)], m_dLower, m_dUpper, kUnit, false,
                      0);
}

void TDlgFrqList::OKBtnClick() {
    // OK pressed with Enter never leaves the field: every entry is checked
    // here as well, so no frequency outside the bounds reaches the analyser.
    for (int i = 0; i < kFrequencyListSize; ++i)
        if (!EditFrqExit(i)) return;
    for (std::size_t i = 0; i < m_pEditFrq.size(); ++i) {
        const QString text = m_pEditFrq[i]->text();
        if (text != m_ShownTexts[i])
            m_Frequencies[i] = ParseValue(text.toLatin1().toStdString(), false);
    }
    accept();
}

} // namespace ombrix
