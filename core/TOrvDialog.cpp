#include "core/TOrvDialog.h"

#include "core/HelpSystem.h"

#include <QLayout>
#include <QPushButton>

namespace ombrix {

TOrvDialog::TOrvDialog(QWidget* parent) : QDialog(parent) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    ombrix::SetHelpContext(this, 0);
    InstallHelpKey(this);
}

void TOrvDialog::SetHelpContext(int context) {
    ombrix::SetHelpContext(this, context);
}

int TOrvDialog::HelpContext() const {
    return HelpContextOf(this);
}

QPushButton* TOrvDialog::MakeOkButton(bool closesDialog, const QString& caption) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QStringLiteral("OKBtn"));
    button->setDefault(true);
    if (closesDialog) connect(button, &QPushButton::clicked, this, &QDialog::accept);
    return button;
}

QPushButton* TOrvDialog::MakeCancelButton(const QString& caption) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QStringLiteral("CancelBtn"));
    connect(button, &QPushButton::clicked, this, &QDialog::reject);
    return button;
}

void TOrvDialog::FixSizeToLayout() {
    if (layout()) layout()->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace ombrix
