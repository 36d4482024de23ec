// The analyser's side of the line protocol: its own answers, and answers a test or the user
// scripts in their place.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "AnalyserResponse.h"

namespace orvsim {

struct AnalyserState {
    int baud = 9600;     // the rate the analyser's own line runs at
    bool remote = false; // in remote operation
};

class AnalyserScript {
public:
    // Lines matching pattern (exactly, or by prefix when it ends in '*') get response in place
    // of the analyser's own answer, without any change of state. The latest matching rule wins.
    void On(std::string pattern, Response response);

    // The answer to one line (its line end removed). The analyser's own answers:
    //   "REMOTE?"  "REMOTE 1" in remote operation, "REMOTE 0" otherwise
    //   "REMOTE"   enters remote operation, "OK"
    //   "LOCAL"    leaves remote operation, "OK"
    //   "C100 1"   switches to 19200 baud ("C100 0": 9600) and answers nothing
    //   "C<n> ..." "OK" in remote operation, "FAILED: command ignored" otherwise
    //   anything else (the blank wake-up line too) "ERROR CMD"
    Response Respond(std::string_view line, AnalyserState& state) const;

    // What the host hears when the two sides run at different rates: the analyser could not
    // make out the line and its error answer arrives as noise with no line end in it.
    static Response Misheard();

private:
    std::vector<std::pair<std::string, Response>> m_rules;
};

} // namespace orvsim
