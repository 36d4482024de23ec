#pragma once
// One measurement configuration of the analyser, and the configuration items
// that the program sends one at a time: each with its analyser command number
// and the measurement modes in which it means anything. The same record holds
// a named user setup.

#include "config/Listendecl.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace ombrix {

inline constexpr int kFrequencyListSize = 6;
// The analyser keeps setup names in 31 bytes with their terminating zero.
inline constexpr std::size_t kSetupLabelLength = 30;

using FrequencyList = std::array<double, kFrequencyListSize>;

struct ConfigDataStruct {
    std::string Label; // at most kSetupLabelLength characters
    Code MODE = 0;
    Code RANGE_E = 0;
    Code RANGE_B = 0;
    Code RANGE_F = 0;
    Code FILTER = 0;
    FrequencyList BPFRQ{};
    std::int32_t BPINDEX = 0;
    FrequencyList BSFRQ{};
    std::int32_t BSINDEX = 0;
    Code BBINDEX = 0;
    FrequencyList FUNDFRQ{};
    std::int32_t FUNDINDEX = 0;
    Code DECFFT = 0;
    Code DECHAR = 0;
    Code DECFST = 0;
    std::int32_t STDINDEX = 0;
    Code SPECNORM = 0;
    Code NAVG = 0;
    Code CHANNEL = 0;
    Code LIVE = 0;
    Code BUNIT = 0; // the analyser's unit: T or G only

    bool operator==(const ConfigDataStruct&) const = default;
};

// Item ids; 20 and 21 are reserved ids with a validity rule but no field.
enum class ConfigItem : int {
    MODE = 0,
    RANGE_E = 1,
    RANGE_B = 2,
    RANGE_F = 3,
    FILTER = 4,
    BPFRQ = 5,
    BPINDEX = 6,
    BSFRQ = 7,
    BSINDEX = 8,
    BBINDEX = 9,
    FUNDFRQ = 10,
    FUNDINDEX = 11,
    SPECNORM = 12,
    NAVG = 13,
    CHANNEL = 14,
    LIVE = 15,
    BUNIT = 16,
    DECFFT = 17,
    DECHAR = 18,
    DECFST = 19,
    Reserved20 = 20,
    Reserved21 = 21,
    STDINDEX = 22,
};
inline constexpr int kConfigItemCount = 23;

// True when the item means something in the measurement mode; false for every
// item in a mode code outside FST, STD, FFT and HAR, and for an unknown id.
bool IsItemValid(ConfigItem item, Code mode);

// The analyser command that carries the item; 0 for the reserved ids.
int ItemCommand(ConfigItem item);

// The three frequency lists travel one entry at a time; every other item with a
// field is one integer.
bool IsFrequencyItem(ConfigItem item);
bool IsIntegerItem(ConfigItem item);

// What the analyser receives for an integer value: list and standard indices
// count from 1 on the analyser.
int ItemValueSent(ConfigItem item, int value);

// Whether `value` is a value the item's field can hold: 0..255 for the byte
// codes, 0..5 for the frequency list indices, not negative for the standard.
bool ItemValueFits(ConfigItem item, int value);

// The integer field of an item; 0 for the frequency lists and reserved ids.
int ItemValue(const ConfigDataStruct& record, ConfigItem item);
// Sets the integer field of an item; the value must fit (ItemValueFits).
void SetItemValue(ConfigDataStruct& record, ConfigItem item, int value);

// The list behind BPFRQ, BSFRQ or FUNDFRQ.
const FrequencyList& FrequencyListOf(const ConfigDataStruct& record, ConfigItem item);
FrequencyList& FrequencyListOf(ConfigDataStruct& record, ConfigItem item);

// The entry at `index`; 0 for an index outside the list.
double FrequencyAt(const FrequencyList& list, int index);

} // namespace ombrix
