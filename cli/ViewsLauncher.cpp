// render and report draw with the program's own windows, whose libraries take
// longer to load than a data command takes to run and hold a score of
// megabytes. They live in a program of their own, ombrix-cli-views, so that the
// other commands start as quickly as a data tool should; ombrix-cli hands
// these two over to it, or says that this build has none.

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "core/ProgramFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <unistd.h>

namespace ombrix::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* kViewsProgram = "ombrix-cli-views";

// Beside ombrix-cli in a build, in libexec/ombrix beside bin/ when installed.
std::optional<fs::path> ViewsProgram() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error) return std::nullopt;
    const fs::path folder = self.parent_path();
    for (const fs::path& candidate :
         {folder / kViewsProgram, folder / ".." / "libexec" / "ombrix" / kViewsProgram})
        if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    return std::nullopt;
}

int HandOver(const char* command, const std::vector<std::string>& words) {
    const std::optional<fs::path> program = ViewsProgram();
    if (!program) {
        std::cerr << "ombrix-cli " << command
                  << ": not available in this build (it has no windows to draw the views with)\n";
        return kExitUsage;
    }
    std::vector<std::string> arguments = {program->string(), command};
    arguments.insert(arguments.end(), words.begin(), words.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    // The helper lives elsewhere when installed: it works in this program's
    // folder, where the view settings and the standards are.
    ::setenv("OMBRIX_HOME", ProgramFolder().c_str(), 1);
    std::cout.flush();
    ::execv(program->c_str(), argv.data());
    std::cerr << "ombrix-cli " << command << ": cannot start " << program->string() << ": "
              << std::strerror(errno) << "\n";
    return kExitUsage;
}

} // namespace

int RenderCommand(const std::vector<std::string>& words) {
    return HandOver("render", words);
}

int ReportCommand(const std::vector<std::string>& words) {
    return HandOver("report", words);
}

} // namespace ombrix::cli
