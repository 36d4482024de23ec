// ombrix-cli: inspect, export and summarise analyser data without a screen,
// on the same model as the program.

#include "cli/CliSupport.h"
#include "cli/CommandMain.h"
#include "cli/Commands.h"
#include "core/Ombrix.h"

#include <iostream>
#include <map>

using namespace ombrix;

namespace {

const char* kUsage =
    "usage: ombrix-cli COMMAND [options]\n"
    "\n"
    "commands:\n"
    "  info [--json] [--values] FILE\n"
    "      the header and one line per dataset of FILE (an analyser memory, an\n"
    "      exported .csv or .txt, or the demo data file)\n"
    "  export FILE -o OUT [--select MEM#[,MEM#...]] [--list-sep ,|;] [--decimal ,|.]\n"
    "         [--date PICTURE] [--time PICTURE]\n"
    "      write the chosen datasets (all by default) as CSV when OUT ends in .csv,\n"
    "      else as blank-separated text; parts OUT_0, OUT_1, ... past 65535 lines\n"
    "  stats FILE --mem N [--axis X|Y|Z --at A,B | --plane XY|XZ|YZ --at K] [--json]\n"
    "      the statistic of a timed series or a grid (a line, a plane or the whole\n"
    "      grid; --at gives the fixed indices in X, Y, Z order)\n"
    "  histogram FILE --mem N [--axis ... | --plane ...] [--json]\n"
    "      the eleven classes of the values against the histogram reference\n"
    "  peaks FILE --mem N [--count C] [--json]\n"
    "      the largest peaks of a spectrum, frequency and value\n"
    "      (stats, histogram and peaks use the stored view settings, OrvView.dat)\n"
    "  remote --mode FST|STD|FFT|HAR --ticks N [--store stop|immd|pgmd] [--start S --stop S]\n"
    "         [--interval hh:mm:ss] [--asap] [--load-cont] [--fast] [-o OUT] [--json]\n"
    "      operate the simulated analyser live for N ticks, one a second (--fast: a\n"
    "      clock that moves one second per tick, no waits), storing as chosen; then\n"
    "      stop storing, run one more tick and write the data list (-o as export does,\n"
    "      --json as info --json); each tick's live value goes to standard error\n"
    "  setups [--json]\n"
    "      the user setups of OrvConf.dat with their descriptions\n"
    "  render FILE --mem N --view "
    "value|graph|fft|peaklist|axis|plane|statistic|histogram|harmonics\n"
    "         [--size WxH] -o OUT.png|.pdf|.svg\n"
    "      that view of the dataset, drawn by the program's own windows (off screen)\n"
    "  report FILE --mem N --view V -o OUT.pdf\n"
    "      the one page that Print prints of that view, with the print options\n"
    "      (render and report use the stored view settings, OrvView.dat)\n"
    "\n"
    "exit codes: 0 success, 1 the file does not read (\"Format Error\"), 2 usage or file errors\n"
    "environment: OMBRIX_HOME program folder, OMBRIX_SETTINGS settings file\n";

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty() || words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        std::cout << kUsage;
        return words.empty() ? cli::kExitUsage : cli::kExitOk;
    }
    if (words[0] == "--version") {
        std::cout << "ombrix-cli " << ProgramVersionInfo().productVersion << "\n";
        return cli::kExitOk;
    }
    const std::map<std::string, cli::Command> commands = {
        {"info", cli::InfoCommand},     {"export", cli::ExportCommand},
        {"stats", cli::StatsCommand},   {"histogram", cli::HistogramCommand},
        {"peaks", cli::PeaksCommand},   {"remote", cli::RemoteCommand},
        {"setups", cli::SetupsCommand}, {"render", cli::RenderCommand},
        {"report", cli::ReportCommand},
    };
    return cli::RunCommand("ombrix-cli", commands, words, kUsage);
}
