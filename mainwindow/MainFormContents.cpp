#include "mainwindow/MainFormContents.h"

#include "mainwindow/TOrvMainForm.h"

namespace ombrix {

void InstallMainFormContents(TOrvMainForm& form) {
    (void)form;
    // -- contents (one line each)
}

} // namespace ombrix
