#include "config/OrvConfiguration.h"

#include "config/UserSetupsFile.h"
#include "core/HostWindow.h"
#include "core/NumberFormat.h"
#include "core/Ombrix.h"
#include "core/ProgramFolder.h"
#include "core/SafeFile.h"
#include "core/SettingsStore.h"
#include "datasets/DemoSections.h"
#include "datasets/OrvDataset.h"
#include "link/OrvCommunication.h"
#include "link/SimulatedAnalyser.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace ombrix {

namespace fs = std::filesystem;

namespace {

constexpr int kNoSubFunction = -1;
constexpr const char* kCurrentSetupName = "actual";
constexpr const char* kSimulatedStandardName = "ICN98GNPUB";
constexpr const char* kLineBreak = "\r\n";

struct RangeLimit {
    double min;
    double max;
};

// By RANGE_E code, entry 0 for Auto and every unknown code; V/m.
constexpr RangeLimit kElectricRanges[] = {
    {0.1, 100}, {0.02, 20},   {0.0632, 63.2}, {0.2, 200},    {0.632, 632},
    {2, 2000},  {6.32, 6320}, {20, 20000},    {63.2, 63200}, {200, 200000},
};

// By RANGE_B code, entry 0 for Auto and every unknown code; tesla.
constexpr RangeLimit kMagneticRanges[] = {
    {1e-8, 0.1},        {2e-10, 2e-7}, {6.32e-10, 6.32e-7}, {2e-9, 2e-6},
    {6.32e-9, 6.32e-6}, {2e-8, 2e-5},  {6.32e-8, 6.32e-5},  {2e-7, 2e-4},
    {6.32e-7, 6.32e-4}, {2e-6, 2e-3},  {6.32e-6, 6.32e-3},  {2e-5, 0.02},
    {6.32e-5, 0.0632},
};

constexpr RangeLimit kPercentRange{0.2, 200};

template <std::size_t N> RangeLimit RangeOf(const RangeLimit (&table)[N], Code code) {
    return code < N ? table[code] : table[0];
}

// The order in which a user setup reaches the analyser: the mode first, since
// it decides which of the other items mean anything.
constexpr ConfigItem kApplyBeforeFrequencies[] = {ConfigItem::RANGE_F, ConfigItem::RANGE_E,
                                                  ConfigItem::RANGE_B, ConfigItem::FILTER};
constexpr ConfigItem kApplyFrequencyLists[] = {ConfigItem::BSFRQ, ConfigItem::BPFRQ,
                                               ConfigItem::FUNDFRQ};
constexpr ConfigItem kApplyAfterFrequencies[] = {
    ConfigItem::FUNDINDEX, ConfigItem::BPINDEX, ConfigItem::BSINDEX, ConfigItem::BBINDEX,
    ConfigItem::DECFFT,    ConfigItem::DECHAR,  ConfigItem::DECFST,  ConfigItem::STDINDEX,
    ConfigItem::SPECNORM,  ConfigItem::NAVG,    ConfigItem::CHANNEL, ConfigItem::LIVE};

std::size_t IdOf(ConfigItem item) {
    return static_cast<std::size_t>(item);
}

bool UseAmUnit() {
    return ReadRegInt(reg::kUseAmUnit, reg::kUseAmUnitDefault) != 0;
}

std::string FullPath(const fs::path& file) {
    std::error_code ec;
    const fs::path full = fs::absolute(file, ec);
    return (ec ? file : full).string();
}

// The selected frequency, then the whole list: "50 Hz  [16.7 Hz, 50 Hz, ...]".
std::string FrequencyListText(const FrequencyList& list, int selected) {
    std::string text = FormatValue(FrequencyAt(list, selected), "Hz") + "  [";
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0) text += ", ";
        text += FormatValue(list[i], "Hz");
    }
    return text + "]";
}

std::string NumberText(long long value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

void ShowError(const std::string& text) {
    Host().ShowMessage(kErrorCaption, text, MessageButtons::Ok, MessageKind::Error);
}

} // namespace

OrvConfiguration::OrvConfiguration(OrvCommunication& communication)
    : m_pCommunication(communication) {
    DemoAnalyser().LoadTemplates(ProgramFile(kDemoDataFileName));
}

OrvConfiguration::~OrvConfiguration() = default;

bool OrvConfiguration::Initialise(bool optSTD, bool optFFT, bool optExtFrq) {
    m_bOptSTD = optSTD;
    m_bOptFFT = optFFT;
    m_bOptExtFrq = optExtFrq;
    MarkUnread();
    if (!LoadUserSetups()) return false;
    if (!m_pUserSetups.empty()) m_Current = m_pUserSetups.front();
    // The simulated analyser answers the read-back of every item with the value
    // held here, so the record stands as it is.
    return true;
}

void OrvConfiguration::MarkUnread() {
    m_bConfirmed.fill(false);
    m_bChanged = true;
}

bool OrvConfiguration::IsConfirmed(ConfigItem item) const {
    const std::size_t id = IdOf(item);
    return id < m_bConfirmed.size() && m_bConfirmed[id];
}

void OrvConfiguration::SetDiscardLiveHandler(std::function<void()> handler) {
    m_DiscardLive = std::move(handler);
}

void OrvConfiguration::DiscardLive() {
    if (m_DiscardLive) m_DiscardLive();
}

bool OrvConfiguration::IsModeAvailable(int mode) const {
    switch (mode) {
    case eFST:
        return true;
    case eSTD:
        return m_bOptSTD;
    case eFFT:
    case eHAR:
        return m_bOptFFT;
    default:
        return false;
    }
}

int OrvConfiguration::GetItem(ConfigItem item) const {
    return ItemValue(m_Current, item);
}

bool OrvConfiguration::SetItem(ConfigItem item, int value) {
    if (item == ConfigItem::MODE) return SetMODE(value);
    return IsIntegerItem(item) && SetCheckedItem(item, value);
}

bool OrvConfiguration::PreconditionHolds(ConfigItem item, int value) const {
    switch (item) {
    case ConfigItem::RANGE_E:
        return Probe() == eEFieldProbe;
    case ConfigItem::RANGE_B:
    case ConfigItem::BUNIT:
        return Probe() != eEFieldProbe;
    case ConfigItem::RANGE_F:
        return value != 1 || m_bOptExtFrq;
    default:
        return true;
    }
}

bool OrvConfiguration::SetCheckedItem(ConfigItem item, int value) {
    if (!IsItemValid(item, m_Current.MODE)) return false;
    if (!ItemValueFits(item, value) || !PreconditionHolds(item, value)) return false;
    bool& confirmed = m_bConfirmed[IdOf(item)];
    if (confirmed && ItemValue(m_Current, item) == value) return true;
    if (!m_pCommunication.WriteConfigItem(ItemCommand(item), kNoSubFunction,
                                          ItemValueSent(item, value))) {
        confirmed = false;
        return false;
    }
    SetItemValue(m_Current, item, value);
    confirmed = true;
    m_bChanged = true;
    return true;
}

bool OrvConfiguration::SetMODE(int mode) {
    if (!IsModeAvailable(mode)) return false;
    const Code code = static_cast<Code>(mode);
    bool& confirmed = m_bConfirmed[IdOf(ConfigItem::MODE)];
    bool accepted = true;
    if (code != m_Current.MODE || !confirmed) {
        accepted =
            m_pCommunication.WriteConfigItem(ItemCommand(ConfigItem::MODE), kNoSubFunction, code);
        confirmed = accepted;
        if (accepted) m_bChanged = true;
        DiscardLive();
    }
    // The program follows the chosen mode even when the analyser refused it.
    m_Current.MODE = code;
    return accepted;
}

bool OrvConfiguration::SetFrequency(ConfigItem list, int index, double hz) {
    if (!IsFrequencyItem(list) || !IsItemValid(list, m_Current.MODE)) return false;
    // The analyser takes a 32-bit float.
    if (index < 0 || index >= kFrequencyListSize || !std::isfinite(hz) ||
        std::fabs(hz) > std::numeric_limits<float>::max())
        return false;
    double& stored = FrequencyListOf(m_Current, list)[static_cast<std::size_t>(index)];
    bool& confirmed = m_bConfirmed[IdOf(list)];
    if (hz != stored &&
        m_pCommunication.WriteConfigFrequency(ItemCommand(list), index, static_cast<float>(hz))) {
        stored = hz;
        confirmed = true;
        m_bChanged = true;
        return true;
    }
    confirmed = false;
    return hz == stored;
}

Code OrvConfiguration::BUnit() const {
    return UseAmUnit() ? Code{eUnitAm} : m_Current.BUNIT;
}

bool OrvConfiguration::SetBUnit(int unit) {
    const bool amUnit = UseAmUnit();
    if (unit == eUnitAm) {
        if (!amUnit) {
            WriteRegInt(reg::kUseAmUnit, 1);
            m_bChanged = true;
        }
        return true;
    }
    if (amUnit) {
        WriteRegInt(reg::kUseAmUnit, 0);
        m_bChanged = true;
    }
    return SetBUNIT(unit);
}

Code OrvConfiguration::Probe() const {
    return eIntProbe;
}

std::string OrvConfiguration::StandardName(int /*index*/) const {
    return kSimulatedStandardName;
}

void OrvConfiguration::RangeLimits(double& min, double& max) const {
    RangeLimit limit = kPercentRange;
    double factor = 1.0;
    if (m_Current.MODE != eSTD && Probe() == eEFieldProbe) {
        limit = RangeOf(kElectricRanges, m_Current.RANGE_E);
    } else if (m_Current.MODE != eSTD) {
        limit = RangeOf(kMagneticRanges, m_Current.RANGE_B);
        const Code unit = BUnit();
        if (unit == eUnitG) factor = kGaussPerTesla;
        if (unit == eUnitAm) factor = kAmperePerMetrePerTesla;
    }
    min = limit.min * factor;
    max = limit.max * factor;
}

// --- User setups

std::string OrvConfiguration::UserSetupName(int index) const {
    if (index < 0 || index >= UserSetupCount()) return kCurrentSetupName;
    return m_pUserSetups[static_cast<std::size_t>(index)].Label;
}

bool OrvConfiguration::RenameUserSetup(int index, const std::string& name) {
    if (index < 0 || index >= UserSetupCount()) return false;
    std::string label = name.substr(0, kSetupLabelLength);
    std::replace_if(
        label.begin(), label.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    m_pUserSetups[static_cast<std::size_t>(index)].Label = std::move(label);
    return true;
}

void OrvConfiguration::AddUserSetup() {
    const std::string modeText = ModeText(m_Current.MODE);
    // Wide enough for one more than the largest int a name may carry.
    long long largest = 0;
    for (const ConfigDataStruct& setup : m_pUserSetups) {
        if (setup.Label.find(modeText) == std::string::npos) continue;
        int number = 0;
        if (!TryParseInt(std::string_view(setup.Label).substr(modeText.size()), number)) number = 0;
        largest = std::max<long long>(largest, number);
    }
    ConfigDataStruct setup = m_Current;
    setup.Label = modeText + " " + NumberText(largest + 1);
    if (setup.Label.size() > kSetupLabelLength) setup.Label.resize(kSetupLabelLength);
    m_pUserSetups.push_back(std::move(setup));
}

bool OrvConfiguration::DeleteUserSetup(int index) {
    if (index < kPermanentSetupCount || index >= UserSetupCount()) return false;
    m_pUserSetups.erase(m_pUserSetups.begin() + index);
    return true;
}

bool OrvConfiguration::ApplyUserSetup(int index) {
    if (index < 0 || index >= UserSetupCount()) return false;
    const ConfigDataStruct setup = m_pUserSetups[static_cast<std::size_t>(index)];
    if (!IsModeAvailable(setup.MODE)) return false;
    SetMODE(setup.MODE);
    for (ConfigItem item : kApplyBeforeFrequencies)
        SetItem(item, ItemValue(setup, item));
    for (int i = 0; i < kFrequencyListSize; ++i)
        for (ConfigItem list : kApplyFrequencyLists)
            SetFrequency(list, i, FrequencyAt(FrequencyListOf(setup, list), i));
    for (ConfigItem item : kApplyAfterFrequencies)
        SetItem(item, ItemValue(setup, item));
    SetBUnit(setup.BUNIT);
    return true;
}

std::string OrvConfiguration::SetupDescription(int index) const {
    const ConfigDataStruct& setup = index >= 0 && index < UserSetupCount()
                                        ? m_pUserSetups[static_cast<std::size_t>(index)]
                                        : m_Current;
    auto valid = [&](ConfigItem item) { return IsItemValid(item, setup.MODE); };
    std::string text;
    auto line = [&](const char* key, const std::string& value) {
        text += OrvDataset::FormatField(key, value, 2);
        text += kLineBreak;
    };
    line("MODE", ModeText(setup.MODE));
    if (valid(ConfigItem::RANGE_E) || valid(ConfigItem::RANGE_B))
        line("RANGE", RangeBText(setup.RANGE_B) + " / " + RangeEText(setup.RANGE_E));
    if (valid(ConfigItem::CHANNEL)) line("CHN", ChannelText(setup.CHANNEL));
    if (valid(ConfigItem::LIVE)) line("MAX", MaxText(setup.LIVE));
    if (valid(ConfigItem::BUNIT)) line("UNIT", UnitText(setup.BUNIT, false));
    if (valid(ConfigItem::FILTER)) line("FILTER TYPE", FilterTypeText(setup.FILTER));
    if (valid(ConfigItem::BBINDEX)) line("BB", FilterText(setup.BBINDEX, '.'));
    if (valid(ConfigItem::BPINDEX) || valid(ConfigItem::BPFRQ))
        line("BP", FrequencyListText(setup.BPFRQ, setup.BPINDEX));
    if (valid(ConfigItem::BSINDEX) || valid(ConfigItem::BSFRQ))
        line("BS", FrequencyListText(setup.BSFRQ, setup.BSINDEX));
    if (valid(ConfigItem::RANGE_F)) line("F_RANGE", FRangeText(setup.RANGE_F, '.'));
    if (valid(ConfigItem::DECFST)) line("DET", DetectionFILText(setup.DECFST));
    if (valid(ConfigItem::DECFFT)) line("DET", DetectionFFTText(setup.DECFFT));
    if (valid(ConfigItem::DECHAR)) line("DET", DetectionFFTText(setup.DECHAR));
    if (valid(ConfigItem::FUNDINDEX) || valid(ConfigItem::FUNDFRQ))
        line("FUND", FrequencyListText(setup.FUNDFRQ, setup.FUNDINDEX));
    if (valid(ConfigItem::STDINDEX)) line("STANDARD", StandardName(setup.STDINDEX));
    if (valid(ConfigItem::NAVG)) line("NAVG", NavgText(setup.NAVG));
    if (valid(ConfigItem::SPECNORM)) line("SPECTRUM", SpecNormText(setup.SPECNORM));
    return text;
}

bool OrvConfiguration::LoadUserSetups() {
    return LoadUserSetups(ProgramFile(kUserSetupsFileName));
}

bool OrvConfiguration::LoadUserSetups(const fs::path& file) {
    m_pUserSetups.clear();
    errno = 0;
    const auto bytes = ReadWholeFile(file);
    if (!bytes) {
        const int error = errno;
        ShowError("Cannot open file \"" + FullPath(file) + "\". " +
                  (error != 0 ? std::strerror(error) : "The file cannot be read."));
        return false;
    }
    m_bUserSetupsDamaged = !ReadUserSetupLines(SplitLines(*bytes), m_pUserSetups);
    if (m_bUserSetupsDamaged) ShowError("Format error in file " + FullPath(file));
    return true;
}

bool OrvConfiguration::SaveUserSetups() const {
    return SaveUserSetups(ProgramFile(kUserSetupsFileName));
}

bool OrvConfiguration::SaveUserSetups(const fs::path& file) const {
    const std::vector<std::string> lines = UserSetupLines(m_pUserSetups);
    // Without the permanent setups the file would lose them for good.
    if (lines.size() < 3 * kPermanentSetupCount) return true;
    std::string error;
    // A file that did not read to its end still holds the setups after the
    // damaged one; they are kept beside it before the file is replaced.
    if (m_bUserSetupsDamaged) {
        std::error_code ec;
        fs::path backup = file;
        backup += ".bak";
        if (fs::exists(file, ec) && !fs::exists(backup, ec)) fs::copy_file(file, backup, ec);
    }
    if (WriteFileSafely(file, JoinLinesCrLf(lines), &error)) return true;
    ShowError("The user setups were not saved: " + error);
    return false;
}

} // namespace ombrix
