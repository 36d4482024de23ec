#include "core/TRadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ombrix {

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), m_pGroup(new QButtonGroup(this)) {
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        m_pGroup->addButton(button, i);
        m_Buttons.push_back(button);
        layout->addWidget(button);
    }
    connect(m_pGroup, &QButtonGroup::idClicked, this, &TRadioGroup::ItemClicked);
}

int TRadioGroup::ItemIndex() const {
    return m_pGroup->checkedId();
}

void TRadioGroup::SetItemIndex(int index) {
    if (index >= 0 && index < Count()) {
        m_Buttons[static_cast<size_t>(index)]->setChecked(true);
        return;
    }
    m_pGroup->setExclusive(false);
    for (auto* button : m_Buttons)
        button->setChecked(false);
    m_pGroup->setExclusive(true);
}

QString TRadioGroup::ItemText(int index) const {
    return index >= 0 && index < Count() ? m_Buttons[static_cast<size_t>(index)]->text()
                                         : QString();
}

QRadioButton* TRadioGroup::Button(int index) const {
    return index >= 0 && index < Count() ? m_Buttons[static_cast<size_t>(index)] : nullptr;
}

void TRadioGroup::NameItems() {
    for (int i = 0; i < Count(); ++i)
        m_Buttons[static_cast<size_t>(i)]->setObjectName(objectName() + QStringLiteral("Item") +
                                                         QString::number(i));
}

} // namespace ombrix
