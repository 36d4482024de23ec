#include "presentation/InstallViewSetup.h"

#include "core/OrvMainObject.h"
#include "datasets/OrvDataList.h"
#include "mainwindow/TOrvMainForm.h"
#include "presentation/CurrentCurves.h"
#include "presentation/TDlgSetup.h"
#include "presentation/ViewSetupStruct.h"

namespace ombrix {

namespace {

// The dataset the main window shows, and whether it is the one being recorded.
SetupDataset ShownDataset() {
    OrvMainObject* main = MainObject();
    OrvDataList* list = main ? main->CurrentDataList() : nullptr;
    OrvDataset* dataset = list ? list->GetCurrent() : nullptr;
    return SetupDatasetOf(dataset, dataset && dataset == list->GetLive());
}

} // namespace

TDlgSetup& ViewSetupDialogOf(TOrvMainForm& form) {
    auto* dialog =
        form.findChild<TDlgSetup*>(QStringLiteral("DlgSetup"), Qt::FindDirectChildrenOnly);
    if (!dialog) {
        dialog = new TDlgSetup(ViewSetup(), &form);
        dialog->Services().shiftCurrents = [](double oldOffset, double newOffset) {
            PhaseCurrents().ShiftTime(ShiftedCurrentTime(0, oldOffset, newOffset));
        };
    }
    return *dialog;
}

void InstallViewSetup(TOrvMainForm& form) {
    TDlgSetup& dialog = ViewSetupDialogOf(form);
    form.Hooks().viewSetup = [&dialog](int sheet) {
        dialog.SetViewIndex(sheet);
        dialog.SetDataset(ShownDataset());
        if (!dialog.Execute()) return false;
        // Written at once, so that settings confirmed here survive a crash;
        // the file is replaced whole or not at all.
        SaveViewSettings();
        return true;
    };
}

} // namespace ombrix
