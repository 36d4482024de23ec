#pragma once
// The main window's "ViewSetup" action: the view setup dialog for the view
// shown, in the quantity of the dataset shown; after OK the settings are saved.

namespace ombrix {

class TDlgSetup;
class TOrvMainForm;

void InstallViewSetup(TOrvMainForm& form);

// The window's one view setup dialog, created on first use, so that other
// parts of the program can supply its services whatever the install order.
TDlgSetup& ViewSetupDialogOf(TOrvMainForm& form);

} // namespace ombrix
