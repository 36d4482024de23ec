#include "mainwindow/ConfigPageRules.h"

#include "config/OrvConfiguration.h"
#include "core/Ombrix.h"

namespace ombrix {

namespace {

// The nominal B measuring ranges in tesla, in the order of their codes 1..12.
constexpr std::array<double, 12> kBRangesTesla = {1e-7, 3.16e-7, 1e-6, 3.16e-6, 1e-5, 3.16e-5,
                                                  1e-4, 3.16e-4, 1e-3, 3.16e-3, 1e-2, 3.16e-2};

struct UnitPresentation {
    int code;
    double factor;
    const char* unit;
};
constexpr UnitPresentation kBUnits[] = {
    {eUnitT, 1.0, "T"},
    {eUnitG, OrvConfiguration::kGaussPerTesla, "G"},
    {eUnitAm, OrvConfiguration::kAmperePerMetrePerTesla, "A/m"},
};

// Band-pass and band-stop filters work inside the analyser's 2 kHz band; the
// fundamental of a harmonics analysis may lie up to 10 kHz.
constexpr FrequencyLimits kFilterLimits{15, 2000};
constexpr FrequencyLimits kFundamentalLimits{10, 10000};

} // namespace

ConfigPageStates ConfigPageStatesFor(int mode, bool eFieldProbe, bool has32k) {
    const bool fst = mode == eFST, std = mode == eSTD, fft = mode == eFFT, har = mode == eHAR;
    ConfigPageStates s;
    s[ConfigControl::EMeasRange] = {eFieldProbe, !std};
    s[ConfigControl::BMeasRange] = {!eFieldProbe, !std};
    s[ConfigControl::Unit] = {true, !std && !eFieldProbe};
    s[ConfigControl::FSTDetection] = {fst, fst};
    s[ConfigControl::FFTDetection] = {fft, fft};
    s[ConfigControl::HarmonicsDetection] = {har, har};
    s[ConfigControl::FSTFilterControls] = {true, fst};
    s[ConfigControl::FSTFilterGroup] = {fst || std, true};
    s[ConfigControl::FFTFilter] = {fft || har, fft && has32k};
    s[ConfigControl::Normalized] = {fft || har, fft};
    s[ConfigControl::NAVG] = {true, fft || har};
    s[ConfigControl::Fund] = {true, har};
    s[ConfigControl::Standard] = {true, std || fft};
    return s;
}

SpectrumDependentStates NormalizedStates(int mode, bool eFieldProbe, bool normalized) {
    const bool normalizedSpectrum = mode == eFFT && normalized;
    SpectrumDependentStates s;
    s.rangeEnabled = mode != eSTD && !normalizedSpectrum;
    s.unitEnabled = mode != eSTD && !eFieldProbe && !normalizedSpectrum;
    s.standardEnabled = !s.unitEnabled;
    return s;
}

const std::vector<FillStep>& ConfigFillOrder() {
    static const std::vector<FillStep> order = {
        {ConfigControl::Display, false},
        {ConfigControl::EMeasRange, true},
        {ConfigControl::BMeasRange, true},
        {ConfigControl::Unit, false},
        {ConfigControl::FSTDetection, true},
        {ConfigControl::FFTDetection, true},
        {ConfigControl::HarmonicsDetection, true},
        {ConfigControl::Channel, false},
        {ConfigControl::NAVG, false},
        {ConfigControl::FFTFilter, false},
        {ConfigControl::Normalized, false},
        {ConfigControl::FSTFilterGroup, true},
        {ConfigControl::Standard, false},
        {ConfigControl::Fund, false},
    };
    return order;
}

std::vector<ConfigControl> FillSequence(const ConfigPageStates& states) {
    std::vector<ConfigControl> sequence;
    for (const FillStep& step : ConfigFillOrder()) {
        const ControlState& state = states[step.control];
        if (step.whenVisible ? state.visible : state.enabled) sequence.push_back(step.control);
    }
    return sequence;
}

std::vector<std::string> BRangeTexts(int unitCode) {
    UnitPresentation presentation = kBUnits[0];
    for (const UnitPresentation& u : kBUnits)
        if (u.code == unitCode) presentation = u;
    std::vector<std::string> texts{"AUTO"};
    for (double tesla : kBRangesTesla)
        texts.push_back(FormatValue(tesla * presentation.factor, presentation.unit));
    return texts;
}

FrequencyLimits FrequencyLimitsOf(ConfigItem list) {
    return list == ConfigItem::FUNDFRQ ? kFundamentalLimits : kFilterLimits;
}

ConfigItem IndexItemOf(ConfigItem list) {
    switch (list) {
    case ConfigItem::BPFRQ:
        return ConfigItem::BPINDEX;
    case ConfigItem::BSFRQ:
        return ConfigItem::BSINDEX;
    default:
        return ConfigItem::FUNDINDEX;
    }
}

std::optional<int> LastEntryOf(const FrequencyList& list, double hz) {
    for (int i = kFrequencyListSize - 1; i >= 0; --i)
        if (list[static_cast<std::size_t>(i)] == hz) return i;
    return std::nullopt;
}

std::string FrequencyItemText(double hz) {
    return FormatValue(hz, "Hz");
}

} // namespace ombrix
