#include "core/TAboutDlg.h"

#include "core/Ombrix.h"
#include "core/ProgramPictures.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ombrix {

namespace {

QLabel* NamedLabel(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

TAboutDlg::TAboutDlg(QWidget* parent) : TOrvDialog(parent) {
    setObjectName(QStringLiteral("AboutDlg"));
    setWindowTitle(QStringLiteral("Info about Ombrix"));

    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    picture->setPixmap(EmblemPicture(96));
    picture->setAlignment(Qt::AlignTop);

    m_pProductName = NamedLabel("ProductName");
    QFont large = m_pProductName->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.6);
    m_pProductName->setFont(large);
    m_pVersion = NamedLabel("Version");
    m_pComments = NamedLabel("Comments");
    m_pComments->setWordWrap(true);
    m_pComments->setMinimumWidth(300);
    m_pCopyright = NamedLabel("Copyright");

    auto* texts = new QGridLayout;
    texts->addWidget(m_pProductName, 0, 0, 1, 2);
    texts->addWidget(new QLabel(QStringLiteral("Version")), 1, 0);
    texts->addWidget(m_pVersion, 1, 1);
    texts->addWidget(m_pComments, 2, 0, 1, 2);
    texts->addWidget(m_pCopyright, 3, 0, 1, 2);
    texts->setColumnStretch(1, 1);
    texts->setVerticalSpacing(10);

    auto* upper = new QHBoxLayout;
    upper->addWidget(picture, 0, Qt::AlignTop);
    upper->addSpacing(12);
    upper->addLayout(texts, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(MakeOkButton());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(upper);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    FixSizeToLayout();
    FillFromVersionInfo();
}

void TAboutDlg::showEvent(QShowEvent* event) {
    FillFromVersionInfo();
    TOrvDialog::showEvent(event);
}

void TAboutDlg::FillFromVersionInfo() {
    const VersionInfo info = ProgramVersionInfo();
    m_pProductName->setText(QString::fromLatin1(info.productName));
    m_pVersion->setText(QString::fromLatin1(AboutVersionText(info.productVersion)));
    m_pComments->setText(QString::fromLatin1(info.fileDescription));
    m_pCopyright->setText(QString::fromLatin1(info.legalCopyright));
}

} // namespace ombrix
