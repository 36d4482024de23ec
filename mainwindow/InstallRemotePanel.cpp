#include "mainwindow/InstallRemotePanel.h"

#include "mainwindow/StoringPage.h"
#include "mainwindow/TOrvMainForm.h"

#include <QVBoxLayout>

namespace ombrix {

void InstallRemotePanel(TOrvMainForm& form) {
    QWidget* host = form.StoringPageHost();
    auto* layout = new QVBoxLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* page = new StoringPage(form, host);
    layout->addWidget(page);

    MainFormHooks& hooks = form.Hooks();
    hooks.remoteTick = [page] { page->Tick(); };
    hooks.storingTab = [page](int tab) { page->SelectTab(tab); };
    hooks.storingTimes = [page] { page->ShowStoringTimes(); };
}

} // namespace ombrix
