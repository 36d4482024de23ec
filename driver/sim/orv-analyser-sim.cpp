// orv-analyser-sim: a scripted analyser on a pseudo-terminal, for trying a host by hand.
#include <csignal>
#include <cstdio>
#include <exception>
#include <iostream>
#include <span>
#include <sys/stat.h>
#include <unistd.h>

#include "ScriptedAnalyser.h"
#include "SimOptions.h"

namespace {

orvsim::ScriptedAnalyser* g_analyser = nullptr;

extern "C" void OnStopSignal(int) {
    if (g_analyser != nullptr) g_analyser->RequestStop();
}

void CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
}

// Replaces an old link of ours; never anything that is not a link.
bool MakeLink(const std::string& port, const std::string& link) {
    struct stat old {};
    if (::lstat(link.c_str(), &old) == 0) {
        if (!S_ISLNK(old.st_mode)) return false;
        ::unlink(link.c_str());
    }
    return ::symlink(port.c_str(), link.c_str()) == 0;
}

} // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options = orvsim::ParseSimOptions(
        std::span<const char* const>(argv + 1, static_cast<std::size_t>(argc - 1)), error);
    if (!options) {
        std::cerr << "orv-analyser-sim: " << error << "\n\n" << orvsim::kSimUsage;
        return 2;
    }
    if (options->help) {
        std::cout << orvsim::kSimUsage;
        return 0;
    }
    try {
        auto analyserOptions = options->analyser;
        if (options->verbose) analyserOptions.log = &std::cerr;
        orvsim::ScriptedAnalyser analyser(analyserOptions);
        for (const auto& [line, response] : options->rules)
            analyser.On(line, response);
        if (!options->link.empty() && !MakeLink(analyser.PortName(), options->link)) {
            std::cerr << "orv-analyser-sim: cannot make the link " << options->link << "\n";
            return 1;
        }
        g_analyser = &analyser;
        CatchStopSignals();
        std::cout << analyser.PortName() << std::endl;
        std::cerr << "orv-analyser-sim: analyser at " << analyserOptions.baud << " baud"
                  << (analyserOptions.remote ? ", in remote operation" : "") << std::endl;
        analyser.Run();
        g_analyser = nullptr;
        if (!options->link.empty()) ::unlink(options->link.c_str());
        if (analyser.HungUp()) std::cerr << "orv-analyser-sim: the analyser hung up\n";
    } catch (const std::exception& e) {
        std::cerr << "orv-analyser-sim: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
