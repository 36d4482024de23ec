#include "core/HelpSystem.h"

#include "core/Ombrix.h"
#include "core/ProgramFolder.h"
#include "core/THelpWindow.h"

#include <QApplication>
#include <QKeySequence>
#include <QPointer>
#include <QShortcut>
#include <QVariant>
#include <QWidget>

namespace ombrix {

namespace {

constexpr const char* kHelpContextProperty = "helpContext";

QPointer<THelpWindow>& HelpWindowPointer() {
    static QPointer<THelpWindow> window;
    return window;
}

// While a modal dialog runs, every other top-level window is blocked; the help
// window becomes a window of that dialog so that it can be read and scrolled.
THelpWindow& PreparedHelpWindow() {
    QPointer<THelpWindow>& window = HelpWindowPointer();
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal == window.data()) modal = nullptr;
    if (!window)
        window = new THelpWindow(modal);
    else if (window->parentWidget() != modal) {
        window->setParent(modal, window->windowFlags() | Qt::Window);
    }
    if (!window->IsLoaded()) {
        const auto path = ProgramFile(kHelpFileName);
        window->Load(QString::fromStdString(path.string()));
    }
    return *window;
}

void Present(THelpWindow& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

void SetHelpContext(QWidget* window, int context) {
    if (window) window->setProperty(kHelpContextProperty, context);
}

int HelpContextOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant value = w->property(kHelpContextProperty);
        if (value.isValid()) return value.toInt();
    }
    return 0;
}

void InstallHelpKey(QWidget* window) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F1), window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window,
                     [window] { ShowHelpContext(HelpContextOf(window)); });
}

bool ShowHelpContext(int context) {
    THelpWindow& window = PreparedHelpWindow();
    const bool shown = window.ShowContext(context);
    Present(window);
    return shown;
}

bool ShowHelpContents() {
    THelpWindow& window = PreparedHelpWindow();
    const bool shown = window.ShowContents();
    Present(window);
    return shown;
}

bool ShowHelpSearch() {
    THelpWindow& window = PreparedHelpWindow();
    const bool shown = window.ShowSearch();
    Present(window);
    return shown;
}

bool ShowHelpOnHelp() {
    THelpWindow& window = PreparedHelpWindow();
    const bool shown = window.ShowHelpOnHelp();
    Present(window);
    return shown;
}

THelpWindow* HelpWindowInstance() {
    return HelpWindowPointer().data();
}

} // namespace ombrix
