#include "UiTestSupport.h"

#include "core/SettingsStore.h"
#include "datasets/OrvDataList.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace uitest {

namespace {

constexpr int kPollMs = 5;

struct PendingAnswer {
    std::shared_ptr<ModalWatch> watch = std::make_shared<ModalWatch>();
    bool mustOpen = true;
    QPointer<QWidget> before;
    std::function<void(QWidget*)> answer;
    QElapsedTimer clock;
    int timeoutMs = 0;
};

void Poll(std::shared_ptr<PendingAnswer> pending) {
    if (pending->watch->cancelled) return;
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != pending->before && modal->isVisible()) {
        pending->watch->answered = true;
        pending->answer(modal);
        return;
    }
    if (pending->clock.elapsed() > pending->timeoutMs) {
        if (pending->mustOpen)
            ADD_FAILURE() << "no modal window opened within " << pending->timeoutMs << " ms";
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        return;
    }
    QTimer::singleShot(kPollMs, [pending] { Poll(pending); });
}

} // namespace

std::shared_ptr<ModalWatch> AnswerNextModal(std::function<void(QWidget*)> answer, int timeoutMs,
                                            bool mustOpen) {
    auto pending = std::make_shared<PendingAnswer>();
    pending->mustOpen = mustOpen;
    pending->before = QApplication::activeModalWidget();
    pending->answer = std::move(answer);
    pending->timeoutMs = timeoutMs;
    pending->clock.start();
    QTimer::singleShot(0, [pending] { Poll(pending); });
    return pending->watch;
}

std::shared_ptr<ModalWatch> AnswerNextMessageBox(QMessageBox::StandardButton press,
                                                 std::shared_ptr<SeenMessage> seen, int timeoutMs,
                                                 bool mustOpen) {
    return AnswerNextModal(
        [press, seen](QWidget* window) {
            auto* box = qobject_cast<QMessageBox*>(window);
            if (!box) {
                ADD_FAILURE() << "expected a message box, got "
                              << window->metaObject()->className();
                if (auto* dialog = qobject_cast<QDialog*>(window)) dialog->reject();
                return;
            }
            if (seen) {
                seen->seen = true;
                seen->title = box->windowTitle();
                seen->text = box->text();
                seen->icon = box->icon();
                seen->buttons = box->standardButtons();
            }
            if (QAbstractButton* button = box->button(press))
                button->click();
            else
                box->reject();
        },
        timeoutMs, mustOpen);
}

bool ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

std::unique_ptr<ombrix::OrvDataList>
MakeDataList(const std::vector<std::pair<int, char>>& datasets) {
    auto list = std::make_unique<ombrix::OrvDataList>();
    const std::string letters = "NAMLV"; // kinds 1 to 5
    double when = 45000.5;
    for (const auto& [number, kind] : datasets) {
        const auto code = static_cast<ombrix::Code>(letters.find(kind) + 1);
        list->Append(ombrix::CreateDataset(code, number, ombrix::eIntProbe, 0, ombrix::eFST, when));
        when += 1.0 / 1440;
    }
    return list;
}

void ClearSettings() {
    QSettings settings(QString::fromLocal8Bit(qgetenv("OMBRIX_SETTINGS")), QSettings::IniFormat);
    settings.clear();
    settings.sync();
}

} // namespace uitest
