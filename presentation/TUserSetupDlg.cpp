#include "presentation/TUserSetupDlg.h"

#include "config/ConfigDataStruct.h"
#include "config/OrvConfiguration.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ombrix {

namespace {

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TUserSetupDlg::TUserSetupDlg(QWidget* parent) : TOrvDialog(parent) {
    setObjectName(QStringLiteral("UserSetupDlg"));
    setWindowTitle(QStringLiteral("User setup"));
    SetHelpContext(kHelpContext);

    m_pListViewUserSetupList = new QTreeWidget;
    m_pListViewUserSetupList->setObjectName(QStringLiteral("ListViewUserSetupList"));
    m_pListViewUserSetupList->setHeaderLabels({QStringLiteral("User setups")});
    m_pListViewUserSetupList->setRootIsDecorated(false);
    m_pListViewUserSetupList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pListViewUserSetupList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pListViewUserSetupList->header()->setSectionsMovable(false);
    m_pListViewUserSetupList->setMinimumSize(200, 220);

    m_pMemoDesc = new QPlainTextEdit;
    m_pMemoDesc->setObjectName(QStringLiteral("MemoDesc"));
    m_pMemoDesc->setReadOnly(true);
    m_pMemoDesc->setMinimumWidth(300);

    m_pEditUserSetupName = new QLineEdit;
    m_pEditUserSetupName->setObjectName(QStringLiteral("EditUserSetupName"));
    // The setup's name field of the file and the analyser holds 30 characters.
    m_pEditUserSetupName->setMaxLength(static_cast<int>(kSetupLabelLength));
    auto* nameLabel = new QLabel(QStringLiteral("Name"));
    nameLabel->setBuddy(m_pEditUserSetupName);

    m_pButtonErase = new QPushButton(QStringLiteral("Erase"));
    m_pButtonErase->setObjectName(QStringLiteral("ButtonErase"));
    m_pButtonErase->setAutoDefault(false);

    auto* available = new QGroupBox(QStringLiteral("List of available user setups"));
    auto* availableLayout = new QGridLayout(available);
    availableLayout->addWidget(m_pListViewUserSetupList, 0, 0, 3, 1);
    availableLayout->addWidget(m_pMemoDesc, 0, 1, 1, 3);
    availableLayout->addWidget(nameLabel, 1, 1);
    availableLayout->addWidget(m_pEditUserSetupName, 1, 2);
    availableLayout->addWidget(m_pButtonErase, 1, 3);
    availableLayout->setRowStretch(0, 1);
    availableLayout->setColumnStretch(2, 1);

    m_pButtonSave = new QPushButton(QStringLiteral("with actual settings"));
    m_pButtonSave->setObjectName(QStringLiteral("ButtonSave"));
    m_pButtonSave->setAutoDefault(false);
    auto* create = new QGroupBox(QStringLiteral("Create new user setup"));
    auto* createLayout = new QHBoxLayout(create);
    createLayout->addWidget(m_pButtonSave);
    createLayout->addStretch(1);

    auto* recall = new QGroupBox(QStringLiteral("Recall selected user setup"));
    auto* recallLayout = new QHBoxLayout(recall);
    recallLayout->addStretch(1);
    recallLayout->addWidget(MakeOkButton());
    recallLayout->addWidget(MakeCancelButton());

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(create, 1);
    bottom->addWidget(recall, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(available, 1);
    layout->addLayout(bottom);

    connect(m_pListViewUserSetupList, &QTreeWidget::itemSelectionChanged, this,
            &TUserSetupDlg::ListViewUserSetupListSelectItem);
    connect(m_pEditUserSetupName, &QLineEdit::textEdited, this,
            &TUserSetupDlg::EditUserSetupNameChange);
    connect(m_pButtonSave, &QPushButton::clicked, this, &TUserSetupDlg::ButtonSaveClick);
    connect(m_pButtonErase, &QPushButton::clicked, this, &TUserSetupDlg::ButtonEraseClick);
    resize(sizeHint());
}

int TUserSetupDlg::SelectedSetup() const {
    for (int i = 0; i < m_pListViewUserSetupList->topLevelItemCount(); ++i)
        if (m_pListViewUserSetupList->topLevelItem(i)->isSelected()) return i;
    return -1;
}

void TUserSetupDlg::showEvent(QShowEvent* event) {
    FormShow();
    TOrvDialog::showEvent(event);
}

void TUserSetupDlg::FormShow() {
    FillList();
    m_pListViewUserSetupList->setFocus();
}

void TUserSetupDlg::FillList() {
    m_pListViewUserSetupList->clear();
    m_pEditUserSetupName->clear();
    m_pMemoDesc->clear();
    m_pButtonErase->setEnabled(false);
    m_pEditUserSetupName->setReadOnly(true);
    if (!m_pConfiguration) return;
    for (int i = 0; i < m_pConfiguration->UserSetupCount(); ++i)
        new QTreeWidgetItem(m_pListViewUserSetupList, {Latin1(m_pConfiguration->UserSetupName(i))});
    const int count = m_pListViewUserSetupList->topLevelItemCount();
    if (count > 0) {
        QTreeWidgetItem* last = m_pListViewUserSetupList->topLevelItem(count - 1);
        m_pListViewUserSetupList->setCurrentItem(last);
        m_pListViewUserSetupList->scrollToItem(last);
    }
}

QString TUserSetupDlg::DescriptionOf(int index) const {
    // The description ends its lines with CR LF as a text file does.
    QString text = Latin1(m_pConfiguration->SetupDescription(index));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

void TUserSetupDlg::ListViewUserSetupListSelectItem() {
    const int index = SelectedSetup();
    if (!m_pConfiguration || index < 0) {
        m_pButtonErase->setEnabled(false);
        m_pEditUserSetupName->setReadOnly(true);
        return;
    }
    m_pEditUserSetupName->setText(Latin1(m_pConfiguration->UserSetupName(index)));
    m_pMemoDesc->setPlainText(DescriptionOf(index));
    m_pButtonErase->setEnabled(index >= OrvConfiguration::kPermanentSetupCount);
    m_pEditUserSetupName->setReadOnly(!m_pButtonErase->isEnabled());
}

void TUserSetupDlg::EditUserSetupNameChange(const QString& name) {
    const int index = SelectedSetup();
    if (!m_pConfiguration || index < OrvConfiguration::kPermanentSetupCount) return;
    m_pConfiguration->RenameUserSetup(index, name.toLatin1().toStdString());
    m_pListViewUserSetupList->topLevelItem(index)->setText(
        0, Latin1(m_pConfiguration->UserSetupName(index)));
    m_pMemoDesc->setPlainText(DescriptionOf(index));
}

void TUserSetupDlg::ButtonSaveClick() {
    if (!m_pConfiguration) return;
    m_pConfiguration->AddUserSetup();
    FillList();
}

void TUserSetupDlg::ButtonEraseClick() {
    const int index = SelectedSetup();
    if (!m_pConfiguration || index < 0) return;
    m_pConfiguration->DeleteUserSetup(index);
    FillList();
}

} // namespace ombrix
