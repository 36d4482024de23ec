#pragma once
// Furnishes the main window's REMOTE page "Configuration" and its user setups.

namespace ombrix {

class TOrvMainForm;

void InstallConfigurationPage(TOrvMainForm& form);

} // namespace ombrix
