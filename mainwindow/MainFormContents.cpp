#include "mainwindow/MainFormContents.h"

#include "mainwindow/InstallConfigurationPage.h"
#include "mainwindow/InstallRemotePanel.h"
#include "mainwindow/InstallSpatialCharts.h"
#include "mainwindow/InstallTimeCharts.h"
#include "mainwindow/TOrvMainForm.h"
#include "presentation/ImportAndBackground.h"
#include "presentation/InstallViewSetup.h"
#include "print/InstallPrinting.h"

namespace ombrix {

void InstallMainFormContents(TOrvMainForm& form) {
    (void)form;
    // -- contents (one line each)
    InstallViewSetup(form);
    InstallConfigurationPage(form);
    InstallSpatialCharts(form);
    InstallTimeCharts(form);
    InstallImportAndBackground(form);
    InstallRemotePanel(form);
    InstallPrinting(form);
}

} // namespace ombrix
