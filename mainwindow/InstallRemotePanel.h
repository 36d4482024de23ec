#pragma once
// The REMOTE panel's share of the main window: the storing page and its part
// of the one-second tick.

namespace ombrix {

class TOrvMainForm;

void InstallRemotePanel(TOrvMainForm& form);

} // namespace ombrix
