#pragma once
// The main window as ombrix-cli plays it: message boxes go to standard error
// with their caption and take their default answer; nothing else is shown.

#include "core/HostWindow.h"

namespace ombrix::cli {

class CliHostWindow : public SilentHostWindow {
public:
    MessageAnswer ShowMessage(const std::string& caption, const std::string& text,
                              MessageButtons buttons, MessageKind kind) override;
};

} // namespace ombrix::cli
