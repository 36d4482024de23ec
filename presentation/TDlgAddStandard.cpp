#include "presentation/TDlgAddStandard.h"

#include "core/MessageBoxes.h"
#include "core/Ombrix.h"
#include "core/ProgramFolder.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace ombrix {

TDlgAddStandard::TDlgAddStandard(ViewSetupStruct& setup, QWidget* parent)
    : TOrvDialog(parent), m_Setup(setup), m_pListBoxStandards(new QListWidget) {
    setObjectName(QStringLiteral("DlgAddStandard"));
    setWindowTitle(QStringLiteral("Add new standard"));
    SetHelpContext(kHelpContext);

    m_pListBoxStandards->setObjectName(QStringLiteral("ListBoxStandards"));
    m_pListBoxStandards->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pListBoxStandards->setMinimumSize(320, 200);

    auto* add = new QPushButton(QStringLiteral("Add new"));
    add->setObjectName(QStringLiteral("ButtonAdd"));
    add->setAutoDefault(false);
    connect(add, &QPushButton::clicked, this, &TDlgAddStandard::ButtonAddClick);
    auto* remove = new QPushButton(QStringLiteral("Delete"));
    remove->setObjectName(QStringLiteral("ButtonDelete"));
    remove->setAutoDefault(false);
    connect(remove, &QPushButton::clicked, this, &TDlgAddStandard::ButtonDeleteClick);

    auto* group = new QGroupBox(QStringLiteral("Available standards"));
    auto* groupLayout = new QHBoxLayout(group);
    groupLayout->addWidget(m_pListBoxStandards, 1);
    auto* groupButtons = new QVBoxLayout;
    groupButtons->addWidget(add);
    groupButtons->addWidget(remove);
    groupButtons->addStretch(1);
    groupLayout->addLayout(groupButtons);

    auto* ok = MakeOkButton(false);
    connect(ok, &QPushButton::clicked, this, &TDlgAddStandard::OKBtnClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(MakeCancelButton());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
}

TDlgAddStandard::~TDlgAddStandard() = default;

void TDlgAddStandard::showEvent(QShowEvent* event) {
    FormShow();
    TOrvDialog::showEvent(event);
}

void TDlgAddStandard::done(int result) {
    TOrvDialog::done(result);
    FormClose();
}

void TDlgAddStandard::FormShow() {
    m_Working.Fill(m_Setup.GetStandards());
    m_pListBoxStandards->clear();
    for (int i = 0; i < m_Working.GetCount(); ++i)
        m_pListBoxStandards->addItem(QString::fromLatin1(m_Working.Get(i)->GetName()));
    m_pListBoxStandards->setCurrentRow(-1);
    m_pListBoxStandards->clearSelection();
}

bool TDlgAddStandard::AddStandardFile(const QString& path) {
    StandardList read;
    const StandardFileResult result = ReadStandardFile(read, path.toStdString());
    if (result == eStandardFileMissing) {
        ShowPlainError(this, "Cannot open file \"" + path.toLatin1().toStdString() + "\".");
        return false;
    }
    // The standards completed before a faulty line are kept.
    if (result == eStandardFormatError) ShowPlainError(this, kFormatErrorText);
    for (auto& standard : read) {
        m_pListBoxStandards->addItem(QString::fromLatin1(standard->GetName()));
        m_Working.Append(std::move(standard));
    }
    return true;
}

void TDlgAddStandard::ButtonAddClick() {
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("OpenDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("Standard data files (*.dat *.DAT)"));
    dialog.setDirectory(QString::fromStdString(ProgramFolder().string()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    AddStandardFile(dialog.selectedFiles().first());
}

void TDlgAddStandard::ButtonDeleteClick() {
    // From the last entry to the first, so the positions of those still to
    // remove stay valid.
    for (int row = m_pListBoxStandards->count() - 1; row >= 0; --row) {
        if (!m_pListBoxStandards->item(row)->isSelected()) continue;
        delete m_pListBoxStandards->takeItem(row);
        m_Working.RemoveAt(row);
    }
}

void TDlgAddStandard::OKBtnClick() {
    m_Setup.ReplaceStandards(m_Working);
    accept();
}

void TDlgAddStandard::FormClose() {
    // Standards added and then cancelled are destroyed here.
    m_Working.Clear();
}

} // namespace ombrix
