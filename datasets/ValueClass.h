#pragma once
// The quantity of a dataset's values: the index of every per-quantity view
// setting (thresholds, ranges, colour scales).

#include <cstdint>

namespace ombrix {

enum ValueClass : std::uint8_t {
    eBField = 0,         // magnetic, before the unit is looked at
    eEField = 1,         // V/m
    ePercent = 2,        // percent of an exposure standard
    eTesla = 3,          // T
    eGauss = 4,          // G
    eAmperePerMetre = 5, // A/m
};

inline constexpr int kValueClassCount = 6;

} // namespace ombrix
