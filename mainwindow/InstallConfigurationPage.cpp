#include "mainwindow/InstallConfigurationPage.h"

#include "config/OrvConfiguration.h"
#include "core/OrvMainObject.h"
#include "mainwindow/ConfigurationPage.h"
#include "mainwindow/TOrvMainForm.h"
#include "presentation/TUserSetupDlg.h"

#include <QFrame>
#include <QScrollArea>
#include <QVBoxLayout>

namespace ombrix {

namespace {

OrvConfiguration* CurrentConfiguration() {
    OrvMainObject* main = MainObject();
    return main ? &main->Configuration() : nullptr;
}

// "User setup...": recall a setup on OK, and keep the setups in "OrvConf.dat"
// whatever the answer, since the dialog may have added, renamed or erased some.
void ConfigUserSetupExecute(TOrvMainForm& form, TUserSetupDlg& dialog) {
    OrvConfiguration* config = CurrentConfiguration();
    if (!config) return;
    dialog.SetConfiguration(config);
    if (dialog.exec() == QDialog::Accepted) {
        const int setup = dialog.SelectedSetup();
        if (setup >= 0) {
            config->ApplyUserSetup(setup);
            form.ApplyFunctionMode(config->GetMODE());
        }
    }
    config->SaveUserSetups();
}

} // namespace

void InstallConfigurationPage(TOrvMainForm& form) {
    QWidget* host = form.ConfigurationPageHost();
    auto* page = new ConfigurationPage(&CurrentConfiguration);
    page->SetReloadRequest([&form] { form.RequestConfigurationReload(); });

    // A short window still reaches every control.
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("ScrollBoxConfiguration"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(page);
    auto* layout = new QVBoxLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);

    form.Hooks().configurationPage = [page](int mode) { page->ApplyFunctionMode(mode); };
    form.Hooks().configurationOffline = [page] { page->ClearConfigControls(); };

    auto* dialog = new TUserSetupDlg(&form);
    form.Hooks().userSetup = [&form, dialog] { ConfigUserSetupExecute(form, *dialog); };
}

} // namespace ombrix
