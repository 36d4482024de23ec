#include "print/InstallPrinting.h"

#include "mainwindow/TOrvMainForm.h"
#include "print/Preview.h"
#include "print/TPrintOptionDlg.h"

namespace ombrix {

void InstallPrinting(TOrvMainForm& form) {
    auto* options = new TPrintOptionDlg(&form);
    new TPreviewForm(&form);
    // Whatever the dialog answers, the print goes on with the stored options.
    form.Hooks().printOptions = [options] { options->exec(); };
}

} // namespace ombrix
