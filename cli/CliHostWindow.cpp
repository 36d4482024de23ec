#include "cli/CliHostWindow.h"

#include "cli/CliSupport.h"

#include <iostream>

namespace ombrix::cli {

MessageAnswer CliHostWindow::ShowMessage(const std::string& caption, const std::string& text,
                                         MessageButtons buttons, MessageKind kind) {
    std::cerr << Utf8(caption) << ": " << Utf8(text) << "\n";
    return SilentHostWindow::ShowMessage(caption, text, buttons, kind);
}

} // namespace ombrix::cli
