// ombrix-cli-views: the commands of ombrix-cli that draw views with the
// program's own windows, off screen. ombrix-cli hands render and report over
// to it, so that its other commands need not load the windows' libraries.

#include "cli/CliSupport.h"
#include "cli/CommandMain.h"
#include "cli/Commands.h"

#include <iostream>
#include <map>

using namespace ombrix;

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    const char* usage = "usage: ombrix-cli render|report FILE --mem N --view V [options] -o OUT\n"
                        "(see ombrix-cli --help)\n";
    if (words.empty()) {
        std::cerr << usage;
        return cli::kExitUsage;
    }
    const std::map<std::string, cli::Command> commands = {
        {"render", cli::RenderCommand},
        {"report", cli::ReportCommand},
    };
    return cli::RunCommand("ombrix-cli", commands, words, usage);
}
