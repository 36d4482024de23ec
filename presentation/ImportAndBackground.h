#pragma once
// The current import and the plane view's background picture as the view setup
// dialog starts them (its services are set on installation): "import current
// data" on the Graph sheet, "..." (load) and "scale background image" on the
// Plane sheet, and the "Visible" tick of the background. They act on the main
// window these were installed for; before that they do nothing and report
// nothing done.

#include <QString>

#include <string>
#include <vector>

class QImage;
class QWidget;

namespace ombrix {

class TDlgCurrentImport;
class TOrvMainForm;

// Furnishes `form` with the current import dialog and the background pipeline.
void InstallImportAndBackground(TOrvMainForm& form);

// "import current data" with the lines of the file the user chose: fewer than
// 6 lines are refused with "Format Error", otherwise the import dialog shows
// them. True when the curves were filled (OK).
bool ImportCurrentLines(std::vector<std::string> lines, QWidget* parent);
// The dialog created once for the window (null before installation).
TDlgCurrentImport* CurrentImportDialog();

// "...": proposes "Demo_station.pcx" in the program folder and loads the chosen
// picture, shown unscaled. The file name loaded, or an empty text when the
// picture could not be imported (or the user cancelled).
QString LoadBackgroundPicture(QWidget* parent);
// Loads `path` without asking; same result.
QString LoadBackgroundPictureFile(const QString& path);
// "scale background image": the scaling dialog, created for this showing.
void ScaleBackgroundPicture(QWidget* parent);
// The "Visible" tick: the plane chart shows the picture or none at once.
void ShowBackgroundPicture(bool visible);

} // namespace ombrix
