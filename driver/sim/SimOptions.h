// The command line of orv-analyser-sim.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "AnalyserResponse.h"
#include "ScriptedAnalyser.h"

namespace orvsim {

struct SimOptions {
    ScriptedAnalyser::Options analyser;
    std::vector<std::pair<std::string, Response>> rules; // in the order given
    std::string link;                                    // a symbolic link to the port, if any
    bool verbose = false;
    bool help = false;
};

extern const char* const kSimUsage;

// Reads the arguments after the program name; nothing, with error set, when they are wrong.
std::optional<SimOptions> ParseSimOptions(std::span<const char* const> args, std::string& error);

} // namespace orvsim
