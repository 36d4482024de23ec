#pragma once
// The program's message boxes: caption, Latin-1 text, the buttons of the model's
// question and the answer given.

#include "core/HostWindow.h"

#include <QMessageBox>

#include <string>

class QWidget;

namespace ombrix {

QMessageBox::StandardButtons ButtonsFor(MessageButtons buttons);
QMessageBox::Icon IconFor(MessageKind kind);
// The answer for the button pressed; closing the box without a button counts
// as the refusing answer (Cancel or No).
MessageAnswer AnswerFor(MessageButtons buttons, int pressed);

MessageAnswer ShowMessageBox(QWidget* parent, const std::string& caption, const std::string& text,
                             MessageButtons buttons, MessageKind kind);
// "Ombrix Error" with an OK button and no icon (range messages, "Format Error").
void ShowPlainError(QWidget* parent, const std::string& text);

} // namespace ombrix
