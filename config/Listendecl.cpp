#include "config/Listendecl.h"

#include "core/FormatSettings.h"

#include <span>
#include <stdexcept>

namespace ombrix {

namespace {

struct Entry {
    Code code;
    const char* text;
};

constexpr const char* kInvalidValue = "invalid Value";
constexpr const char* kInvalidValueSmall = "invalid value";

constexpr Entry kDataTypes[] = {{1, "N"}, {2, "A"}, {3, "M"}, {4, "L"}, {5, "V"}};
constexpr Entry kProbes[] = {{1, "EXT_PRB_1"}, {2, "EXT_PRB_2"}, {8, "EF_PRB"}, {9, "INT_PRB"}};
constexpr Entry kChannels[] = {{0, "ALL"}, {1, "X"}, {2, "Y"}, {3, "Z"}};
constexpr Entry kModes[] = {{0, "FST"}, {1, "STD"}, {3, "FFT"}, {4, "HAR"}};
constexpr Entry kUnits[] = {{0, "T"}, {1, "G"}, {2, "V/m"}, {3, "%"}, {4, "A/m"}};
// The order in which unit texts are recognised when read.
constexpr Code kUnitReadOrder[] = {0, 1, 4, 2, 3};
constexpr Entry kValids[] = {{0, "OK"}, {1, "!A"}, {2, "!O"}};
constexpr Entry kDetectionsFFT[] = {{0, "ACT"}, {1, "AVG"}, {2, "PEAK"}};
constexpr Entry kDetectionsFIL[] = {{0, "RMS"}, {1, "PEAK"}};
constexpr Entry kMax[] = {{0, "LIVE"}, {1, "MAX"}};
constexpr Entry kFilterTypes[] = {{0, "Broadband"}, {1, "Bandpass"}, {2, "Bandstop"}};
constexpr Entry kRangesE[] = {{0, "Auto"},     {1, "10 V/m"},    {2, "31.6 V/m"}, {3, "100 V/m"},
                              {4, "316 V/m"},  {5, "1 kV/m"},    {6, "3.16 kV/m"}, {7, "10 kV/m"},
                              {8, "31.6 kV/m"}, {9, "100 kV/m"}};
constexpr Entry kRangesB[] = {{0, "Auto"},          {1, "100 nT"},       {2, "316 nT"},
                              {3, "1 \xB5T"},       {4, "3.16 \xB5T"},   {5, "10 \xB5T"},
                              {6, "31.6 \xB5T"},    {7, "100 \xB5T"},    {8, "316 \xB5T"},
                              {9, "1 mT"},          {10, "3.16 mT"},     {11, "10 mT"},
                              {12, "31.6 mT"}};
constexpr Entry kNavg[] = {{0, "4"}, {1, "8"}, {2, "16"}, {3, "32"}};
constexpr Entry kSpecNorm[] = {{0, "absolute"}, {1, "normalized"}};

struct Band {
    Code code;
    const char* lower;
    const char* upper;
};
constexpr Band kFilterBands[] = {{0, "5Hz", "2KHz"}, {1, "30Hz", "2KHz"}, {2, "5Hz", "32KHz"}, {3, "30Hz", "32KHz"}};
constexpr Band kFRangeBands[] = {{0, "5Hz", "2KHz"}, {1, "40Hz", "32KHz"}};

std::string TextOf(std::span<const Entry> table, Code code, const char* invalid) {
    for (const auto& e : table)
        if (e.code == code) return e.text;
    return invalid;
}

Code CodeOf(std::span<const Entry> table, const std::string& text, const char* keyword) {
    for (const auto& e : table)
        if (text == e.text) return e.code;
    throw std::invalid_argument(keyword);
}

std::string BandText(const Band& band, char separator) {
    return std::string(band.lower) + separator + separator + band.upper;
}

std::string BandTextOf(std::span<const Band> table, Code code, char separator, const char* invalid) {
    for (const auto& b : table)
        if (b.code == code) return BandText(b, separator);
    return invalid;
}

Code BandCodeOf(std::span<const Band> table, const std::string& text, const char* keyword) {
    const char separator = CurrentFormat().DecimalSeparator;
    for (const auto& b : table)
        if (text == BandText(b, separator)) return b.code;
    throw std::invalid_argument(keyword);
}

bool IsBlank(char c) { return c == ' '; }

} // namespace

std::string ProbeText(Code code) { return TextOf(kProbes, code, kInvalidValue); }
std::string ChannelText(Code code) { return TextOf(kChannels, code, kInvalidValue); }
std::string ModeText(Code code) { return TextOf(kModes, code, kInvalidValue); }
std::string UnitText(Code code, bool bracketed) {
    const std::string text = TextOf(kUnits, code, kInvalidValue);
    return bracketed ? "[" + text + "]" : text;
}
std::string ValidText(Code code) { return TextOf(kValids, code, kInvalidValueSmall); }
std::string DetectionFFTText(Code code) { return TextOf(kDetectionsFFT, code, kInvalidValueSmall); }
std::string DetectionFILText(Code code) { return TextOf(kDetectionsFIL, code, kInvalidValueSmall); }
std::string MaxText(Code code) { return TextOf(kMax, code, kInvalidValueSmall); }
std::string FilterText(Code code, char separator) {
    return BandTextOf(kFilterBands, code, separator, kInvalidValueSmall);
}
std::string FRangeText(Code code, char separator) {
    return BandTextOf(kFRangeBands, code, separator, kInvalidValue);
}
std::string FilterTypeText(Code code) { return TextOf(kFilterTypes, code, kInvalidValue); }
std::string RangeEText(Code code) { return TextOf(kRangesE, code, kInvalidValue); }
std::string RangeBText(Code code) { return TextOf(kRangesB, code, kInvalidValue); }
std::string NavgText(Code code) { return TextOf(kNavg, code, kInvalidValue); }
std::string SpecNormText(Code code) { return TextOf(kSpecNorm, code, kInvalidValue); }

Code ParseOrvDataType(const std::string& text) { return CodeOf(kDataTypes, text, "OrvDataType"); }
Code ParseProbe(const std::string& text) { return CodeOf(kProbes, text, "Probe"); }
Code ParseChannel(const std::string& text) { return CodeOf(kChannels, text, "Channel"); }
Code ParseMode(const std::string& text) { return CodeOf(kModes, text, "Mode"); }
Code ParseValid(const std::string& text) { return CodeOf(kValids, text, "Valid"); }
Code ParseDetectionFFT(const std::string& text) { return CodeOf(kDetectionsFFT, text, "DetectionFFT"); }
Code ParseDetectionFIL(const std::string& text) { return CodeOf(kDetectionsFIL, text, "DetectionFIL"); }
Code ParseMax(const std::string& text) { return CodeOf(kMax, text, "Max"); }
Code ParseFilter(const std::string& text) { return BandCodeOf(kFilterBands, text, "Filter"); }
Code ParseFRange(const std::string& text) { return BandCodeOf(kFRangeBands, text, "FRange"); }

Code ParseUnit(const std::string& text) {
    for (Code code : kUnitReadOrder) {
        if (text == UnitText(code, true) || text == UnitText(code, false)) return code;
    }
    throw std::invalid_argument("Unit");
}

Code ParseFilterShort(const std::string& text) {
    if (text == "BP") return 1;
    if (text == "BS") return 2;
    return 0;
}

std::string SplitToken(std::string& rest, char delimiter) {
    const auto pos = rest.find(delimiter);
    std::string token = pos == std::string::npos ? rest : rest.substr(0, pos);
    if (pos != std::string::npos) rest.erase(0, pos + 1);
    size_t blanks = 0;
    while (blanks < rest.size() && IsBlank(rest[blanks])) ++blanks;
    rest.erase(0, blanks);
    // Like every trim of the program, blanks and control characters go.
    auto isSpace = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    size_t first = 0, last = token.size();
    while (first < last && isSpace(token[first])) ++first;
    while (last > first && isSpace(token[last - 1])) --last;
    return token.substr(first, last - first);
}

} // namespace ombrix
