#pragma once
// The rules of the REMOTE configuration page that need no screen: which
// controls a measurement mode shows and enables, the order in which the page
// fills its controls from the configuration, the B-range texts of each unit and
// the frequency lists behind the three frequency drop-downs.

#include "config/ConfigDataStruct.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace ombrix {

// The controls whose state follows the measurement mode. FSTFilterControls are
// the filter radio buttons, the broadband, band-pass and band-stop drop-downs
// and their "..." buttons inside the FST filter group.
enum class ConfigControl : int {
    Display,
    EMeasRange,
    BMeasRange,
    Unit,
    FSTDetection,
    FFTDetection,
    HarmonicsDetection,
    Channel,
    NAVG,
    FFTFilter,
    Normalized,
    FSTFilterGroup,
    FSTFilterControls,
    Standard,
    Fund,
};
inline constexpr int kConfigControlCount = 15;

struct ControlState {
    bool visible = true;
    bool enabled = true;
};

class ConfigPageStates {
public:
    ControlState& operator[](ConfigControl control) {
        return m_States[static_cast<std::size_t>(control)];
    }
    const ControlState& operator[](ConfigControl control) const {
        return m_States[static_cast<std::size_t>(control)];
    }

private:
    std::array<ControlState, kConfigControlCount> m_States{};
};

// Visibility and enabling for a measurement mode, before the spectrum choice
// adjusts ranges, unit and standard (NormalizedStates).
ConfigPageStates ConfigPageStatesFor(int mode, bool eFieldProbe, bool has32k);

// What the spectrum choice decides: with a normalised FFT spectrum there is no
// measuring range and no unit to choose, and the standard takes their place.
struct SpectrumDependentStates {
    bool rangeEnabled = false;
    bool unitEnabled = false;
    bool standardEnabled = false;
};
SpectrumDependentStates NormalizedStates(int mode, bool eFieldProbe, bool normalized);

// One step of filling the page from the configuration: the control's handler
// runs only while the control is visible (or enabled) at that moment. The
// spectrum step changes the enabling of later steps, so the page judges each
// step when it comes to it.
struct FillStep {
    ConfigControl control;
    bool whenVisible; // otherwise: when enabled
};
const std::vector<FillStep>& ConfigFillOrder();

// The controls filled for fixed states, in fill order.
std::vector<ConfigControl> FillSequence(const ConfigPageStates& states);

// "AUTO" and the twelve B measuring ranges written in the presented unit
// (unit code 0 T, 1 G, 4 A/m; any other code gives tesla).
std::vector<std::string> BRangeTexts(int unitCode);

// Permitted range of the entries of a frequency list (BPFRQ, BSFRQ, FUNDFRQ).
struct FrequencyLimits {
    double min = 0;
    double max = 0;
};
FrequencyLimits FrequencyLimitsOf(ConfigItem list);

// The index item of a frequency list and the list's entry that holds the
// variable frequency, which a typed value that is not in the list replaces.
ConfigItem IndexItemOf(ConfigItem list);
inline constexpr int kVariableFrequencyEntry = kFrequencyListSize - 1;

// The last entry whose frequency equals `hz` exactly, if any.
std::optional<int> LastEntryOf(const FrequencyList& list, double hz);

// The text a frequency drop-down shows for an entry ("50 Hz", "1.5 kHz").
std::string FrequencyItemText(double hz);

} // namespace ombrix
