#pragma once
// A captioned group of radio buttons with one item index: -1 when no item is
// chosen, which a plain exclusive button group cannot show once an item was
// checked. Item buttons are named after the group with "Item<n>".

#include <QGroupBox>
#include <QStringList>

#include <vector>

class QButtonGroup;
class QRadioButton;

namespace ombrix {

class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TRadioGroup(const QString& caption, const QStringList& items,
                         QWidget* parent = nullptr);

    int ItemIndex() const;
    // -1 (or any index outside the items) clears the choice.
    void SetItemIndex(int index);
    int Count() const { return static_cast<int>(m_Buttons.size()); }
    QString ItemText(int index) const;
    QRadioButton* Button(int index) const;

    // Refreshes the names of the item buttons after the group was named.
    void NameItems();

signals:
    // The user chose an item (not emitted for SetItemIndex).
    void ItemClicked(int index);

private:
    QButtonGroup* m_pGroup;
    std::vector<QRadioButton*> m_Buttons;
};

} // namespace ombrix
