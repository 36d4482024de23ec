#pragma once
// A timed series as the time graph benchmarks draw it: µT values in a sawtooth
// with a flagged sample now and then, as a live series has them.

#include "datasets/OrvAutoDataset.h"
#include "datasets/TransferLines.h"

#include <memory>
#include <string>

namespace ombrix::bench {

inline std::string SampleLine(int n) {
    const char* valid = n % 97 == 0 ? "!O" : (n % 89 == 0 ? "!A" : "OK");
    return std::to_string(n) + ";" + std::to_string(2 + (n % 50) * 0.01) + "E-06;" + valid + ";50";
}

// Samples 1..samples of MEM# 7; the transfer separator must be ';'.
inline std::unique_ptr<OrvAutoDataset> Series(int samples) {
    const TransferLines record = {
        "MEM#;D;PROBE;CHN;MODE;DATE;TIME;STEP;FILTER;DET;MAX",
        "7;A;INT_PRB;ALL;FST;15/03/2024;10:00:00;00:00:01;5Hz..2KHz;RMS;LIVE",
        "N;VALUE[T];VALID;FREQ[HZ]", SampleLine(1)};
    auto series = std::make_unique<OrvAutoDataset>(7, eIntProbe, 0, eFST, 45366.0);
    int index = 0;
    series->ParseFrom(record, index);
    TransferLines more;
    for (int n = 2; n <= samples; ++n)
        more.push_back(SampleLine(n));
    series->AppendSamples(more);
    return series;
}

} // namespace ombrix::bench
