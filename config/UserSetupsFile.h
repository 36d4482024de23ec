#pragma once
// The text of the user setups file "OrvConf.dat": three lines per setup (name,
// keyword line, values), setups one after the other. Numbers are written and
// read with "." as decimal separator, whatever the user's conventions.

#include "config/ConfigDataStruct.h"

#include <string>
#include <vector>

namespace ombrix {

inline constexpr const char* kUserSetupsFileName = "OrvConf.dat";

// The keyword line written for every setup.
inline constexpr const char* kUserSetupKeywordLine =
    "MODE;   RANGE_B;    BUNIT;  RANGE_E;  RANGE_F;  LIVE;   CHANNEL;    FILTER; BBINDEX;    "
    "BPINDEX;    BSINDEX;    DECFST; DECFFT; DECHAR; FUNDINDEX;  STDINDEX;   NAVG;   SPECNORM;   "
    "BPFRQ0; BPFRQ1; BPFRQ2; BPFRQ3; BPFRQ4; BPFRQ5; BSFRQ0; BSFRQ1; BSFRQ2; BSFRQ3; BSFRQ4; "
    "BSFRQ5; FUNDFRQ0;   FUNDFRQ1; FUNDFRQ2;   FUNDFRQ3; FUNDFRQ4;   FUNDFRQ5";

// The three lines of each setup, in list order.
std::vector<std::string> UserSetupLines(const std::vector<ConfigDataStruct>& setups);

// Appends every setup read from the lines until the first format error (an
// unknown keyword or a frequency that is not a number); the setups before it
// stay. False at a format error. Keywords may stand in any order; a missing
// keyword leaves its field 0; an integer that is unreadable or that its field
// cannot hold reads as 0 (NAVG as 1).
bool ReadUserSetupLines(const std::vector<std::string>& lines,
                        std::vector<ConfigDataStruct>& setups);

} // namespace ombrix
