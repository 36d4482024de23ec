#include "core/MessageBoxes.h"

#include "core/Ombrix.h"

#include <QPushButton>

namespace ombrix {

QMessageBox::StandardButtons ButtonsFor(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon IconFor(MessageKind kind) {
    switch (kind) {
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer AnswerFor(MessageButtons buttons, int pressed) {
    switch (pressed) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        break;
    }
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::OkCancel:
        return MessageAnswer::Cancel;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    }
    return MessageAnswer::Cancel;
}

namespace {

int Run(QWidget* parent, const std::string& caption, const std::string& text,
        QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, QString::fromLatin1(caption), QString::fromLatin1(text), buttons, parent);
    box.setObjectName(QStringLiteral("OmbrixMessageBox"));
    box.setTextFormat(Qt::PlainText);
    if (buttons.testFlag(QMessageBox::Cancel))
        box.setEscapeButton(QMessageBox::Cancel);
    else if (buttons.testFlag(QMessageBox::No))
        box.setEscapeButton(QMessageBox::No);
    return box.exec();
}

} // namespace

MessageAnswer ShowMessageBox(QWidget* parent, const std::string& caption, const std::string& text,
                             MessageButtons buttons, MessageKind kind) {
    return AnswerFor(buttons, Run(parent, caption, text, IconFor(kind), ButtonsFor(buttons)));
}

void ShowPlainError(QWidget* parent, const std::string& text) {
    Run(parent, kErrorCaption, text, QMessageBox::NoIcon, QMessageBox::Ok);
}

} // namespace ombrix
