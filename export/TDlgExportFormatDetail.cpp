#include "export/TDlgExportFormatDetail.h"

#include "core/TRadioGroup.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace ombrix {

namespace {

struct FormatItem {
    const char* text;
    const char* stored;
};
using FormatItems = std::array<FormatItem, 2>;

// Item index to stored text: the one place where the order of the items matters.
constexpr FormatItems kColumnItems = {{
    {"Comma         (,)      ASCII-Value 44 (2CH)", ","},
    {"Semicolun    (;)      ASCII-Value 59 (3BH)", ";"},
}};
constexpr FormatItems kDecimalItems = {{
    {"Comma         (,)      ASCII-Value 44 (2CH)", ","},
    {"Point             (.)      ASCII-Value 46 (2EH)", "."},
}};
constexpr FormatItems kTimeDateItems = {{
    {"yy-mm-dd hh:mm:ss", "yy-mm-dd hh:mm:ss"},
    {"dd.mm.yy hh:mm:ss", "dd.mm.yy hh:mm:ss"},
}};

TRadioGroup* MakeGroup(const char* name, const char* caption, const FormatItems& items) {
    QStringList texts;
    for (const auto& item : items)
        texts << QString::fromLatin1(item.text);
    auto* group = new TRadioGroup(QString::fromLatin1(caption), texts);
    group->setObjectName(QString::fromLatin1(name));
    group->NameItems();
    return group;
}

std::string StoredOf(const TRadioGroup* group, const FormatItems& items) {
    const int index = group->ItemIndex();
    return index >= 0 && index < static_cast<int>(items.size())
               ? items[static_cast<size_t>(index)].stored
               : "";
}

void SelectStored(TRadioGroup* group, const FormatItems& items, const std::string& text) {
    int found = -1;
    for (size_t i = 0; i < items.size() && found < 0; ++i)
        if (text == items[i].stored) found = static_cast<int>(i);
    group->SetItemIndex(found);
}

} // namespace

TDlgExportFormatDetail::TDlgExportFormatDetail(QWidget* parent) : TOrvDialog(parent) {
    setObjectName(QStringLiteral("DlgExportFormatDetail"));
    setWindowTitle(QStringLiteral("Export file format"));
    SetHelpContext(kHelpContext);

    m_pRadioGroupDistCol = MakeGroup("RadioGroupDistCol", "Distinguish colums", kColumnItems);
    m_pRadioGroupDecPoint = MakeGroup("RadioGroupDecPoint", "Decimal point", kDecimalItems);
    m_pRadioGroupTimeDate = MakeGroup("RadioGroupTimeDate", "Time / Date format", kTimeDateItems);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(MakeOkButton());
    buttons->addWidget(MakeCancelButton());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pRadioGroupDistCol);
    layout->addWidget(m_pRadioGroupDecPoint);
    layout->addWidget(m_pRadioGroupTimeDate);
    layout->addLayout(buttons);
    FixSizeToLayout();
}

std::string TDlgExportFormatDetail::SelectedColumnSeparator() const {
    return StoredOf(m_pRadioGroupDistCol, kColumnItems);
}

std::string TDlgExportFormatDetail::SelectedDecimalSeparator() const {
    return StoredOf(m_pRadioGroupDecPoint, kDecimalItems);
}

std::string TDlgExportFormatDetail::SelectedTimeDate() const {
    return StoredOf(m_pRadioGroupTimeDate, kTimeDateItems);
}

void TDlgExportFormatDetail::SelectColumnSeparator(const std::string& text) {
    SelectStored(m_pRadioGroupDistCol, kColumnItems, text);
}

void TDlgExportFormatDetail::SelectDecimalSeparator(const std::string& text) {
    SelectStored(m_pRadioGroupDecPoint, kDecimalItems, text);
}

void TDlgExportFormatDetail::SelectTimeDate(const std::string& text) {
    SelectStored(m_pRadioGroupTimeDate, kTimeDateItems, text);
}

} // namespace ombrix
