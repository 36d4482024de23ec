#pragma once
// Furnishes the main window with the print / clipboard options dialog and the
// print preview window, both created once and kept for the program's life.

namespace ombrix {

class TOrvMainForm;

void InstallPrinting(TOrvMainForm& form);

} // namespace ombrix
