// The measurement configuration: which items mean something in which mode,
// what each setter sends to the analyser and when, the mode rules, the A/m
// presentation and the display limits of the measuring ranges.

#include "TestSupport.h"

#include "config/OrvConfiguration.h"
#include "core/HostWindow.h"
#include "core/ProgramFolder.h"
#include "link/OrvCommunication.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace ombrix {
namespace {

namespace fs = std::filesystem;

// What the analyser received: one item (value) or one frequency list entry.
struct Sent {
    int command;
    int subFunction;
    double value;
    bool operator==(const Sent&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Sent& s) {
    return out << "{" << s.command << ", " << s.subFunction << ", " << s.value << "}";
}

class RecordingConnection : public OrvCommunication {
public:
    bool WriteConfigItem(int command, int subFunction, int value) override {
        sent.push_back({command, subFunction, static_cast<double>(value)});
        return accept;
    }
    bool WriteConfigFrequency(int command, int listIndex, float frequency) override {
        sent.push_back({command, listIndex, static_cast<double>(frequency)});
        return accept;
    }
    std::vector<Sent> sent;
    bool accept = true;
};

// A configuration whose analyser measures with the E-field probe.
class EFieldConfiguration : public OrvConfiguration {
public:
    using OrvConfiguration::OrvConfiguration;
    Code Probe() const override { return eEFieldProbe; }
};

class RecordingHost : public SilentHostWindow {
public:
    MessageAnswer ShowMessage(const std::string& caption, const std::string& text,
                              MessageButtons buttons, MessageKind kind) override {
        messages.push_back(caption + "|" + text);
        return SilentHostWindow::ShowMessage(caption, text, buttons, kind);
    }
    std::vector<std::string> messages;
};

// A settings store that counts how often each integer is written.
class CountingSettings : public MemorySettingsStore {
public:
    void WriteInt(const std::string& name, int value) override {
        ++writes[name];
        MemorySettingsStore::WriteInt(name, value);
    }
    std::map<std::string, int> writes;
};

// A program folder holding the shipped setups file; the configuration is
// initialised from it, so the current record is the permanent FST setup.
class ConfigTest : public test::ModelTest {
protected:
    void SetUp() override {
        test::ModelTest::SetUp();
        InstallHost(&m_host);
        m_savedFolder = ProgramFolder();
        std::string pattern = (fs::temp_directory_path() / "ombrix-config-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
        fs::copy_file(fs::path(OMBRIX_DATA_DIR) / "OrvConf.dat", m_folder / "OrvConf.dat");
        SetProgramFolder(m_folder);
    }
    void TearDown() override {
        SetProgramFolder(m_savedFolder);
        std::error_code ec;
        fs::remove_all(m_folder, ec);
        InstallHost(nullptr);
        test::ModelTest::TearDown();
    }
    // Ready in mode FST with every device option and nothing sent yet.
    void Start(OrvConfiguration& config, bool optSTD = true, bool optFFT = true,
               bool optExtFrq = true) {
        ASSERT_TRUE(config.Initialise(optSTD, optFFT, optExtFrq));
        ASSERT_EQ(config.GetMODE(), eFST);
        m_link.sent.clear();
    }

    RecordingHost m_host;
    RecordingConnection m_link;
    fs::path m_folder;
    fs::path m_savedFolder;
};

using ConfigSetters = ConfigTest;
using ConfigMode = ConfigTest;
using ConfigUnit = ConfigTest;
using ConfigRangeLimits = ConfigTest;
using ConfigInitialise = ConfigTest;

TEST(ConfigItemTable, CommandNumbersAndModesOfEveryItem) {
    struct Row {
        ConfigItem item;
        int command;
        const char* modes; // F S T H for FST STD FFT HAR
    };
    const Row rows[] = {
        {ConfigItem::MODE, 142, "FSTH"},     {ConfigItem::RANGE_E, 140, "F-TH"},
        {ConfigItem::RANGE_B, 138, "F-TH"},  {ConfigItem::RANGE_F, 160, "--T-"},
        {ConfigItem::FILTER, 146, "F---"},   {ConfigItem::BPFRQ, 132, "F---"},
        {ConfigItem::BPINDEX, 150, "F---"},  {ConfigItem::BSFRQ, 134, "F---"},
        {ConfigItem::BSINDEX, 152, "F---"},  {ConfigItem::BBINDEX, 148, "F---"},
        {ConfigItem::FUNDFRQ, 136, "---H"},  {ConfigItem::FUNDINDEX, 164, "---H"},
        {ConfigItem::SPECNORM, 156, "--T-"}, {ConfigItem::NAVG, 120, "--TH"},
        {ConfigItem::CHANNEL, 118, "FSTH"},  {ConfigItem::LIVE, 36, "FSTH"},
        {ConfigItem::BUNIT, 58, "F-TH"},     {ConfigItem::DECFFT, 158, "--T-"},
        {ConfigItem::DECHAR, 162, "---H"},   {ConfigItem::DECFST, 144, "F---"},
        {ConfigItem::Reserved20, 0, "FSTH"}, {ConfigItem::Reserved21, 0, "-ST-"},
        {ConfigItem::STDINDEX, 116, "-ST-"},
    };
    const Code modes[] = {eFST, eSTD, eFFT, eHAR};
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.item));
        EXPECT_EQ(ItemCommand(row.item), row.command);
        for (int m = 0; m < 4; ++m)
            EXPECT_EQ(IsItemValid(row.item, modes[m]), row.modes[m] != '-');
        for (Code unknownMode : {Code{2}, Code{5}, Code{255}})
            EXPECT_FALSE(IsItemValid(row.item, unknownMode));
    }
    EXPECT_FALSE(IsItemValid(static_cast<ConfigItem>(23), eFST));
}

TEST_F(ConfigSetters, ItemsThatMeanNothingInTheModeAreNeitherSentNorStored) {
    OrvConfiguration config(m_link);
    Start(config);
    struct Case {
        Code mode;
        ConfigItem item;
        int value;
    };
    const Case cases[] = {
        {eFST, ConfigItem::RANGE_F, 0},  {eFST, ConfigItem::STDINDEX, 2},
        {eFST, ConfigItem::NAVG, 2},     {eSTD, ConfigItem::RANGE_B, 3},
        {eSTD, ConfigItem::BUNIT, 1},    {eFFT, ConfigItem::FILTER, 1},
        {eFFT, ConfigItem::DECHAR, 1},   {eHAR, ConfigItem::SPECNORM, 1},
        {eHAR, ConfigItem::STDINDEX, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.item));
        ASSERT_TRUE(config.SetMODE(c.mode));
        m_link.sent.clear();
        const int before = config.GetItem(c.item);
        EXPECT_FALSE(config.SetItem(c.item, c.value));
        EXPECT_EQ(config.GetItem(c.item), before);
        EXPECT_TRUE(m_link.sent.empty());
    }
    ASSERT_TRUE(config.SetMODE(eFFT));
    m_link.sent.clear();
    EXPECT_FALSE(config.SetBPFRQ(1, 75.0));
    EXPECT_EQ(config.GetBPFRQ(1), 50.0);
    EXPECT_TRUE(m_link.sent.empty());
}

TEST_F(ConfigSetters, SameValueIsSentOnceUntilMarkedUnread) {
    OrvConfiguration config(m_link);
    Start(config);
    EXPECT_TRUE(config.SetCHANNEL(2));
    EXPECT_TRUE(config.SetCHANNEL(2));
    EXPECT_EQ(m_link.sent, (std::vector<Sent>{{118, -1, 2}}));

    config.MarkUnread();
    EXPECT_TRUE(config.SetCHANNEL(2));
    EXPECT_EQ(m_link.sent.size(), 2u);

    // An unchanged value that was never confirmed goes out as well.
    EXPECT_TRUE(config.SetLIVE(config.GetLIVE()));
    EXPECT_EQ(m_link.sent.back(), (Sent{36, -1, 0}));
}

TEST_F(ConfigSetters, ListAndStandardIndicesCountFromOneOnTheAnalyser) {
    OrvConfiguration config(m_link);
    Start(config);
    EXPECT_TRUE(config.SetBPINDEX(2));
    ASSERT_TRUE(config.SetMODE(eHAR));
    EXPECT_TRUE(config.SetFUNDINDEX(2));
    ASSERT_TRUE(config.SetMODE(eSTD));
    EXPECT_TRUE(config.SetSTDINDEX(0));
    EXPECT_EQ(m_link.sent,
              (std::vector<Sent>{
                  {150, -1, 2}, {142, -1, eHAR}, {164, -1, 3}, {142, -1, eSTD}, {116, -1, 1}}));
    EXPECT_EQ(config.GetFUNDINDEX(), 2);
    EXPECT_EQ(config.GetSTDINDEX(), 0);
}

TEST_F(ConfigSetters, RefusedItemKeepsItsValueAndIsSentAgainNextTime) {
    OrvConfiguration config(m_link);
    Start(config);
    ASSERT_TRUE(config.SetDECFST(1));
    config.SetChanged(false);

    m_link.accept = false;
    EXPECT_FALSE(config.SetDECFST(0));
    EXPECT_EQ(config.GetDECFST(), 1);
    EXPECT_FALSE(config.IsConfirmed(ConfigItem::DECFST));
    EXPECT_FALSE(config.IsChanged());

    m_link.accept = true;
    m_link.sent.clear();
    EXPECT_TRUE(config.SetDECFST(1));
    EXPECT_EQ(m_link.sent.size(), 1u);
    EXPECT_TRUE(config.IsChanged());
}

TEST_F(ConfigSetters, PreconditionsOfProbeAndFrequencyRangeOption) {
    OrvConfiguration internal(m_link);
    Start(internal, true, true, false);
    ASSERT_TRUE(internal.SetMODE(eFFT));
    m_link.sent.clear();
    EXPECT_FALSE(internal.SetRANGE_F(1)); // no extended frequency range
    EXPECT_FALSE(internal.SetRANGE_E(3)); // no E-field probe
    EXPECT_TRUE(internal.SetRANGE_B(3));
    EXPECT_TRUE(internal.SetBUNIT(1));
    EXPECT_EQ(m_link.sent, (std::vector<Sent>{{138, -1, 3}, {58, -1, 1}}));
    EXPECT_EQ(internal.GetRANGE_F(), 0);

    RecordingConnection eLink;
    EFieldConfiguration efield(eLink);
    ASSERT_TRUE(efield.Initialise(true, true, true));
    ASSERT_TRUE(efield.SetMODE(eFFT));
    eLink.sent.clear();
    EXPECT_TRUE(efield.SetRANGE_F(1));
    EXPECT_TRUE(efield.SetRANGE_E(3));
    EXPECT_FALSE(efield.SetRANGE_B(3));
    EXPECT_FALSE(efield.SetBUNIT(1));
    EXPECT_EQ(eLink.sent, (std::vector<Sent>{{160, -1, 1}, {140, -1, 3}}));
}

// A list index past the six entries would make every reader of the selected
// frequency read past the list; a code past a byte would wrap.
TEST_F(ConfigSetters, ValuesTheFieldCannotHoldAreRefusedUnsent) {
    OrvConfiguration config(m_link);
    Start(config);
    EXPECT_FALSE(config.SetBPINDEX(6));
    EXPECT_FALSE(config.SetBSINDEX(-1));
    EXPECT_FALSE(config.SetCHANNEL(256));
    EXPECT_FALSE(config.SetBPFRQ(6, 50.0));
    EXPECT_FALSE(config.SetBPFRQ(0, 1e300));
    EXPECT_TRUE(m_link.sent.empty());
    EXPECT_EQ(config.GetBPINDEX(), 1);
}

TEST_F(ConfigSetters, FrequencyIsSentAsFloatWhenItDiffers) {
    OrvConfiguration config(m_link);
    Start(config);
    config.SetChanged(false);
    EXPECT_TRUE(config.SetBPFRQ(2, 75.3));
    EXPECT_EQ(m_link.sent, (std::vector<Sent>{{132, 2, static_cast<double>(75.3f)}}));
    EXPECT_EQ(config.GetBPFRQ(2), 75.3);
    EXPECT_TRUE(config.IsConfirmed(ConfigItem::BPFRQ));
    EXPECT_TRUE(config.IsChanged());

    // The same frequency is not sent again, but no longer counts as confirmed.
    EXPECT_TRUE(config.SetBPFRQ(2, 75.3));
    EXPECT_EQ(m_link.sent.size(), 1u);
    EXPECT_FALSE(config.IsConfirmed(ConfigItem::BPFRQ));

    m_link.accept = false;
    EXPECT_FALSE(config.SetBSFRQ(0, 20.0));
    EXPECT_EQ(config.GetBSFRQ(0), 16.7);
    EXPECT_EQ(m_link.sent.back(), (Sent{134, 0, 20.0}));
}

TEST_F(ConfigMode, EachModeNeedsItsDeviceOption) {
    struct Case {
        bool optSTD, optFFT;
        int mode;
        bool taken;
    };
    const Case cases[] = {
        {false, false, eSTD, false}, {false, false, eFFT, false}, {false, false, eHAR, false},
        {true, false, eSTD, true},   {true, false, eFFT, false},  {false, true, eHAR, true},
        {false, true, eFFT, true},   {true, true, 2, false},      {true, true, 5, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        RecordingConnection link;
        OrvConfiguration config(link);
        ASSERT_TRUE(config.Initialise(c.optSTD, c.optFFT, false));
        link.sent.clear();
        EXPECT_EQ(config.SetMODE(c.mode), c.taken);
        EXPECT_EQ(int{config.GetMODE()}, c.taken ? c.mode : int{eFST});
        EXPECT_EQ(link.sent.size(), c.taken ? 1u : 0u);
    }
}

TEST_F(ConfigMode, ModeSentOnChangeOrWhenUnconfirmedAndLiveDataDropped) {
    OrvConfiguration config(m_link);
    int discarded = 0;
    config.SetDiscardLiveHandler([&] { ++discarded; });
    Start(config);
    config.SetChanged(false);

    EXPECT_TRUE(config.SetMODE(eFFT));
    EXPECT_EQ(m_link.sent, (std::vector<Sent>{{142, -1, eFFT}}));
    EXPECT_EQ(discarded, 1);
    EXPECT_TRUE(config.IsChanged());

    EXPECT_TRUE(config.SetMODE(eFFT));
    EXPECT_EQ(m_link.sent.size(), 1u);
    EXPECT_EQ(discarded, 1);

    config.MarkUnread();
    EXPECT_TRUE(config.SetMODE(eFFT));
    EXPECT_EQ(m_link.sent.size(), 2u);
    EXPECT_EQ(discarded, 2);
}

TEST_F(ConfigMode, RefusedModeIsStillFollowedButUnconfirmed) {
    OrvConfiguration config(m_link);
    int discarded = 0;
    config.SetDiscardLiveHandler([&] { ++discarded; });
    Start(config);
    config.SetChanged(false);
    m_link.accept = false;

    EXPECT_FALSE(config.SetMODE(eHAR));
    EXPECT_EQ(config.GetMODE(), eHAR);
    EXPECT_FALSE(config.IsConfirmed(ConfigItem::MODE));
    EXPECT_FALSE(config.IsChanged());
    EXPECT_EQ(discarded, 1);

    m_link.accept = true;
    EXPECT_TRUE(config.SetMODE(eHAR));
    EXPECT_EQ(m_link.sent.size(), 2u);
    // The items of the new mode are now the valid ones.
    EXPECT_TRUE(config.SetFUNDINDEX(0));
    EXPECT_FALSE(config.SetFILTER(1));
}

TEST_F(ConfigUnit, AmperePerMetreIsAPresentationThatIsNeverSent) {
    CountingSettings settings;
    InstallSettingsStore(&settings);
    OrvConfiguration config(m_link);
    Start(config);
    config.SetChanged(false);

    EXPECT_TRUE(config.SetBUnit(eUnitAm));
    EXPECT_TRUE(config.IsChanged());
    config.SetChanged(false);
    EXPECT_TRUE(config.SetBUnit(eUnitAm));
    EXPECT_FALSE(config.IsChanged());

    EXPECT_EQ(settings.writes[reg::kUseAmUnit], 1);
    EXPECT_EQ(ReadRegInt(reg::kUseAmUnit, 0), 1);
    EXPECT_TRUE(m_link.sent.empty());
    EXPECT_EQ(config.BUnit(), eUnitAm);
    EXPECT_EQ(config.GetBUNIT(), eUnitT);

    // Back to an analyser unit: the presentation goes off and the unit is sent.
    EXPECT_TRUE(config.SetBUnit(eUnitG));
    EXPECT_EQ(ReadRegInt(reg::kUseAmUnit, 0), 0);
    EXPECT_EQ(m_link.sent, (std::vector<Sent>{{58, -1, eUnitG}}));
    EXPECT_EQ(config.BUnit(), eUnitG);
}

TEST_F(ConfigRangeLimits, LimitsOfTheMeasuringRangeInThePresentedUnit) {
    struct Case {
        const char* name;
        bool eField;
        Code mode;
        int range; // RANGE_B, or RANGE_E with the E-field probe
        int unit;  // SetBUnit argument; ignored with the E-field probe
        double min, max;
    };
    const Case cases[] = {
        {"B 316 nT in G", false, eFST, 2, eUnitG, 6.32e-6, 6.32e-3},
        {"B 316 nT in T", false, eFST, 2, eUnitT, 6.32e-10, 6.32e-7},
        {"B 31.6 mT in A/m", false, eFFT, 12, eUnitAm, 6.32e-5 * 795774.8, 0.0632 * 795774.8},
        {"B auto", false, eFST, 0, eUnitT, 1e-8, 0.1},
        {"B unknown range", false, eHAR, 13, eUnitT, 1e-8, 0.1},
        {"E 1 kV/m", true, eFST, 5, eUnitT, 2, 2000},
        {"E auto", true, eFFT, 0, eUnitT, 0.1, 100},
        {"E unknown range", true, eFST, 10, eUnitT, 0.1, 100},
        {"STD is percent", false, eSTD, 0, eUnitT, 0.2, 200},
        {"STD with E probe", true, eSTD, 0, eUnitT, 0.2, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingConnection link;
        std::unique_ptr<OrvConfiguration> config = c.eField
                                                       ? std::make_unique<EFieldConfiguration>(link)
                                                       : std::make_unique<OrvConfiguration>(link);
        ASSERT_TRUE(config->Initialise(true, true, true));
        if (c.mode != eSTD) {
            ASSERT_TRUE(c.eField ? config->SetRANGE_E(c.range) : config->SetRANGE_B(c.range));
            if (!c.eField) ASSERT_TRUE(config->SetBUnit(c.unit));
        }
        ASSERT_TRUE(config->SetMODE(c.mode));
        double min = 0, max = 0;
        config->RangeLimits(min, max);
        EXPECT_DOUBLE_EQ(min, c.min);
        EXPECT_DOUBLE_EQ(max, c.max);
    }
}

// Every fixed range spans three decades below twice its nominal value.
TEST_F(ConfigRangeLimits, FixedRangesSpanThreeDecades) {
    for (bool eField : {false, true}) {
        RecordingConnection link;
        std::unique_ptr<OrvConfiguration> config = eField
                                                       ? std::make_unique<EFieldConfiguration>(link)
                                                       : std::make_unique<OrvConfiguration>(link);
        ASSERT_TRUE(config->Initialise(true, true, true));
        double previousMax = 0;
        for (int range = 1; range <= (eField ? 9 : 12); ++range) {
            SCOPED_TRACE(range);
            ASSERT_TRUE(eField ? config->SetRANGE_E(range) : config->SetRANGE_B(range));
            double min = 0, max = 0;
            config->RangeLimits(min, max);
            EXPECT_NEAR(max / min, 1000.0, 1e-9);
            if (previousMax > 0)
                EXPECT_NEAR(max / previousMax, range % 2 ? 3.16455696 : 3.16, 1e-6);
            previousMax = max;
        }
    }
}

TEST_F(ConfigInitialise, TakesTheFirstSetupWithoutSendingAndForgetsConfirmations) {
    OrvConfiguration config(m_link);
    EXPECT_TRUE(config.IsChanged());
    ASSERT_TRUE(config.Initialise(true, true, true));
    ASSERT_TRUE(config.SetCHANNEL(3));
    config.SetChanged(false);
    m_link.sent.clear();

    ASSERT_TRUE(config.Initialise(true, false, false));
    EXPECT_TRUE(m_link.sent.empty());
    EXPECT_EQ(config.GetData(), config.UserSetups().front());
    EXPECT_EQ(config.GetData().Label, config.UserSetupName(0));
    EXPECT_TRUE(config.IsChanged());
    EXPECT_FALSE(config.IsConfirmed(ConfigItem::CHANNEL));
    EXPECT_FALSE(config.OptionFFT());
    EXPECT_TRUE(m_host.messages.empty());
}

TEST_F(ConfigInitialise, MissingSetupsFileAbandonsTheStartAndSaysSo) {
    fs::remove(m_folder / "OrvConf.dat");
    OrvConfiguration config(m_link);
    EXPECT_FALSE(config.Initialise(true, true, true));
    ASSERT_EQ(m_host.messages.size(), 1u);
    const std::string& message = m_host.messages.front();
    EXPECT_EQ(message.rfind("Ombrix Error|Cannot open file \"", 0), 0u) << message;
    EXPECT_NE(message.find((m_folder / "OrvConf.dat").string()), std::string::npos) << message;
    EXPECT_EQ(config.UserSetupCount(), 0);
}

} // namespace
} // namespace ombrix
