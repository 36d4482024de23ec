#pragma once
// The contents the main window is furnished with once its frame stands: the
// chart pages, the REMOTE left pages, the view setup, the user setups and the
// print options. Each part of the program installs its own; this is the one
// place that calls them all.

namespace ombrix {

class TOrvMainForm;

void InstallMainFormContents(TOrvMainForm& form);

} // namespace ombrix
