#pragma once
// Helpers of the UI tests: answering the next modal window from inside its
// exec(), what a message box showed, and data lists built in memory.

#include <QMessageBox>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ombrix {
class OrvDataList;
}

namespace uitest {

struct ModalWatch {
    bool answered = false;
    bool cancelled = false; // set by the test: stop watching
};
// Runs `answer` with the next modal window that opens (another one than the
// modal window open now) as soon as it is shown. When none opens within
// `timeoutMs`, the modal window open then is closed, so that a test never
// hangs, and the test fails unless `mustOpen` is false.
std::shared_ptr<ModalWatch> AnswerNextModal(std::function<void(QWidget*)> answer,
                                            int timeoutMs = 5000, bool mustOpen = true);

struct SeenMessage {
    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};
// Answers the next message box with `press` and records what it showed.
std::shared_ptr<ModalWatch> AnswerNextMessageBox(QMessageBox::StandardButton press,
                                                 std::shared_ptr<SeenMessage> seen,
                                                 int timeoutMs = 5000, bool mustOpen = true);

// Shows `window` and waits until it is the active window (keyboard focus and
// window shortcuts need that).
bool ShowActive(QWidget* window);

// A data list with datasets of the given memory numbers and kinds
// ('N', 'A', 'M', 'L', 'V'), mode FST, one minute apart.
std::unique_ptr<ombrix::OrvDataList>
MakeDataList(const std::vector<std::pair<int, char>>& datasets);

// Removes every stored setting.
void ClearSettings();

} // namespace uitest
