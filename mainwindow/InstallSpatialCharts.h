#pragma once
// Installs the spectrum, peak list, harmonics, axis and plane pages and the
// grid selection groups into the main window.

namespace ombrix {

class TOrvMainForm;

void InstallSpatialCharts(TOrvMainForm& form);

} // namespace ombrix
