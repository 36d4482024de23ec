// render and report in a build without the program's windows: they have
// nothing to draw with.

#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include <iostream>

namespace ombrix::cli {

namespace {

int Unavailable(const char* command) {
    std::cerr << "ombrix-cli " << command
              << ": not available in this build (it has no windows to draw the views with)\n";
    return kExitUsage;
}

} // namespace

int RenderCommand(const std::vector<std::string>&) {
    return Unavailable("render");
}

int ReportCommand(const std::vector<std::string>&) {
    return Unavailable("report");
}

} // namespace ombrix::cli
