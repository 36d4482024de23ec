#include "print/TPrintOptionDlg.h"

#include "core/SettingsStore.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace ombrix {

namespace {

QCheckBox* MakeCheckBox(const char* caption, const char* name) {
    auto* box = new QCheckBox(QString::fromLatin1(caption));
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

bool ReadOption(const char* name, int defaultValue) {
    return ReadRegInt(name, defaultValue) != 0;
}

} // namespace

TPrintOptionDlg::TPrintOptionDlg(QWidget* parent) : TOrvDialog(parent) {
    setObjectName(QStringLiteral("PrintOptionDlg"));
    setWindowTitle(QStringLiteral("Print / clipboard options"));

    m_pCheckBoxInfoBlock = MakeCheckBox("info-header", "CheckBoxInfoBlock");
    m_pCheckBoxComment = MakeCheckBox("customer input", "CheckBoxComment");
    m_pCheckBoxShow = MakeCheckBox("Show this dialog every time", "CheckBoxShow");

    auto* include = new QGroupBox(QStringLiteral("Include..."));
    include->setObjectName(QStringLiteral("GroupBoxInclude"));
    auto* includeLayout = new QVBoxLayout(include);
    includeLayout->addWidget(m_pCheckBoxInfoBlock);
    includeLayout->addWidget(m_pCheckBoxComment);

    QPushButton* ok = MakeOkButton(false);
    connect(ok, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(MakeCancelButton());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(include);
    layout->addWidget(m_pCheckBoxShow);
    layout->addLayout(buttons);
    FixSizeToLayout();
}

void TPrintOptionDlg::showEvent(QShowEvent* event) {
    TOrvDialog::showEvent(event);
    FormShow();
}

void TPrintOptionDlg::FormShow() {
    m_pCheckBoxShow->setChecked(ReadOption(reg::kShowPrnOptDlg, reg::kShowPrnOptDlgDefault));
    m_pCheckBoxInfoBlock->setChecked(ReadOption(reg::kPrnOptInfo, reg::kPrnOptInfoDefault));
    m_pCheckBoxComment->setChecked(ReadOption(reg::kPrnOptComment, reg::kPrnOptCommentDefault));
}

void TPrintOptionDlg::OKBtnClick() {
    WriteRegInt(reg::kShowPrnOptDlg, m_pCheckBoxShow->isChecked() ? 1 : 0);
    WriteRegInt(reg::kPrnOptInfo, m_pCheckBoxInfoBlock->isChecked() ? 1 : 0);
    WriteRegInt(reg::kPrnOptComment, m_pCheckBoxComment->isChecked() ? 1 : 0);
    accept();
}

} // namespace ombrix
