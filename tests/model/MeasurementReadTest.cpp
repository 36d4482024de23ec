#include "LinkTestSupport.h"
#include "TestSupport.h"

#include "config/OrvConfiguration.h"
#include "core/DateTime.h"
#include "core/FormatSettings.h"
#include "core/NumberFormat.h"
#include "core/ProgramFolder.h"
#include "core/SettingsStore.h"
#include "datasets/OrvAutoDataset.h"
#include "datasets/OrvDataList.h"
#include "datasets/OrvListDataset.h"
#include "datasets/OrvVectorDataset.h"
#include "link/OrvCommunication.h"
#include "link/SimulatedAnalyser.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace ombrix;
namespace fs = std::filesystem;

namespace {

const DateTime kNow = EncodeDate(2026, 11, 30) + EncodeTime(9, 15, 30, 0);
const std::string kStep = "00:00:01";

using Lines = std::vector<std::string>;

// A live section whose values are easy to follow: 1 µT and 2 µT in FST, 11 %
// and 12 % in STD, one harmonics list of 2.41 µT and one short spectrum.
Lines SmallTemplates() {
    return {
        "Field analyser demo",
        "",
        "Demo data",
        "<REMOTE DEMO DATA>",
        "MEM# D PROBE      CHN MODE DATE     TIME     STEP     FILTER      DET",
        "1    A INT_PRB    ALL FST  26-11-30 08:00:00 00:00:01 5Hz..2KHz   RMS",
        "VALUE[T] VALID FREQ[HZ]",
        "1.000E-06 OK 50",
        "2.000E-06 OK 50",
        "MEM# D PROBE      CHN MODE STANDARD     DATE     TIME     STEP",
        "2    A INT_PRB    ALL STD  ICNIRP2010   26-11-30 08:00:00 00:00:01",
        "VALUE[%] VALID",
        "11.000 OK",
        "12.000 OK",
        "MEM# D PROBE      CHN MODE DATE     TIME     DET  MAX  VALID",
        "3    L INT_PRB    ALL HAR  26-11-30 08:00:00 ACT  LIVE OK",
        "F1[Hz] 50.02",
        "V1[T] 2.4100E-06",
        "MEM# D PROBE      CHN MODE DATE     TIME     F_RANGE     DET  MAX  VALID DF[HZ]",
        "4    V INT_PRB    ALL FFT  26-11-30 08:00:00 5Hz..2KHz   ACT  LIVE OK    1",
        "N VALUE[T]",
        "0 1.0000E-09",
        "1 2.0000E-09",
    };
}

// The configuration with a probe and an analyser standard the test chooses.
class TestConfiguration : public OrvConfiguration {
public:
    using OrvConfiguration::OrvConfiguration;
    Code Probe() const override { return probe; }
    std::string StandardName(int index) const override {
        return standardName.empty() ? OrvConfiguration::StandardName(index) : standardName;
    }
    Code probe = eIntProbe;
    std::string standardName;
};

// The conventions the main object sets around every acquisition.
void UseTransferFormats() {
    FormatSettings& fs = CurrentFormat();
    fs.DecimalSeparator = '.';
    fs.ShortDateFormat = "yy-mm-dd";
    fs.DateSeparator = '-';
    fs.TimeSeparator = ':';
}

class MeasurementRead : public test::ModelTest {
protected:
    void SetUp() override {
        test::ModelTest::SetUp();
        UseFormats(test::GermanFormats());
        m_savedFolder = ProgramFolder();
        std::string pattern = (fs::temp_directory_path() / "ombrix-measurement-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
        fs::copy_file(fs::path(OMBRIX_DATA_DIR) / "OrvConf.dat", m_folder / "OrvConf.dat");
        SetProgramFolder(m_folder);
        Restart();
    }
    void TearDown() override {
        m_config.reset();
        SetProgramFolder(m_savedFolder);
        std::error_code ec;
        fs::remove_all(m_folder, ec);
        test::ModelTest::TearDown();
    }

    // A configuration as REMOTE mode starts it, with the small templates and
    // the conventions of an acquisition; nothing left of an earlier case.
    void Restart() {
        m_settings.Clear();
        m_config = std::make_unique<TestConfiguration>(m_link);
        ASSERT_TRUE(m_config->Initialise(true, true, true));
        ASSERT_EQ(m_config->GetMODE(), eFST) << "the first setup of the shipped file";
        m_config->SetDiscardLiveHandler([this] { ++m_discards; });
        m_memNumber = 7;
        m_discards = 0;
        DemoAnalyser().LoadTemplatesFromLines(SmallTemplates());
        UseTransferFormats();
    }

    TransferLines Read(bool newDataset) {
        TransferLines lines;
        m_config->ReadMeasurement(lines, m_memNumber, kStep, newDataset);
        return lines;
    }

    static Lines ToLines(const TransferLines& lines) { return lines.ToVector(); }

    test::InstalledLinkFakes m_fakes{kNow};
    test::LinkHostWindow& m_host = m_fakes.host;
    OrvCommunication m_link;
    std::unique_ptr<TestConfiguration> m_config;
    int m_memNumber = 7;
    int m_discards = 0;
    fs::path m_folder;
    fs::path m_savedFolder;
};

TEST_F(MeasurementRead, RecordHeaderOfEveryMode) {
    struct Case {
        const char* name;
        std::function<void(TestConfiguration&)> setup;
        Lines header;
    };
    const Case cases[] = {
        {"FST broadband",
         [](TestConfiguration&) {},
         {"MEM# D PROBE CHN MODE DATE TIME STEP FILTER DET MAX",
          "7 A INT_PRB ALL FST 26-11-30 09:15:30 00:00:01 5Hz..2KHz RMS LIVE",
          "N VALUE[T] VALID FREQ[HZ]"}},
        {"FST bandpass on an axis, maximum hold, peak detector",
         [](TestConfiguration& c) {
             c.SetFILTER(1);
             c.SetCHANNEL(2);
             c.SetLIVE(1);
             c.SetDECFST(1);
         },
         {"MEM# D PROBE CHN MODE DATE TIME STEP FILTER DET MAX",
          "7 A INT_PRB Y FST 26-11-30 09:15:30 00:00:01 BP50Hz PEAK MAX", "N VALUE[T] VALID"}},
        {"FST bandstop at a fractional frequency",
         [](TestConfiguration& c) {
             c.SetFILTER(2);
             c.SetBSINDEX(0);
         },
         {"MEM# D PROBE CHN MODE DATE TIME STEP FILTER DET MAX",
          "7 A INT_PRB ALL FST 26-11-30 09:15:30 00:00:01 BS16.7Hz RMS LIVE", "N VALUE[T] VALID"}},
        {"STD",
         [](TestConfiguration& c) { c.SetMODE(eSTD); },
         {"MEM# D PROBE CHN MODE STANDARD DATE TIME STEP MAX",
          "7 A INT_PRB ALL STD ICN98GNPUB 26-11-30 09:15:30 00:00:01 LIVE", "N VALUE[%] VALID"}},
        {"FFT up to 2 kHz",
         [](TestConfiguration& c) { c.SetMODE(eFFT); },
         {"MEM# D PROBE CHN MODE DATE TIME F_RANGE DET MAX VALID DF[HZ]",
          "7 V INT_PRB ALL FFT 26-11-30 09:15:30 5Hz..2KHz ACT LIVE OK 1", "N VALUE[T]"}},
        {"FFT up to 32 kHz, averaged, normalized",
         [](TestConfiguration& c) {
             c.SetMODE(eFFT);
             c.SetRANGE_F(1);
             c.SetDECFFT(1);
             c.SetSPECNORM(1);
         },
         {"MEM# D PROBE CHN MODE DATE TIME F_RANGE DET MAX VALID DF[HZ]",
          "7 V INT_PRB ALL FFT 26-11-30 09:15:30 40Hz..32KHz AVG LIVE OK 10", "N VALUE[%]"}},
        {"HAR",
         [](TestConfiguration& c) {
             c.SetMODE(eHAR);
             c.SetDECHAR(2);
         },
         {"MEM# D PROBE CHN MODE DATE TIME DET MAX VALID",
          "7 L INT_PRB ALL HAR 26-11-30 09:15:30 PEAK LIVE OK"}},
        {"E-field probe",
         [](TestConfiguration& c) { c.probe = eEFieldProbe; },
         {"MEM# D PROBE CHN MODE DATE TIME STEP FILTER DET MAX",
          "7 A EF_PRB ALL FST 26-11-30 09:15:30 00:00:01 5Hz..2KHz RMS LIVE",
          "N VALUE[V/m] VALID FREQ[HZ]"}},
    };
    for (const Case& c : cases) {
        Restart();
        c.setup(*m_config);
        const Lines lines = ToLines(Read(true));
        ASSERT_GE(lines.size(), c.header.size()) << c.name;
        EXPECT_EQ(Lines(lines.begin(), lines.begin() + static_cast<long>(c.header.size())),
                  c.header)
            << c.name;
        EXPECT_EQ(m_memNumber, 8) << c.name;
    }
}

TEST_F(MeasurementRead, SampleCounterFollowsTheDatasetAndTheChangedMark) {
    EXPECT_EQ(ToLines(Read(true)).back(), "1 1.000E-06 OK 50");
    EXPECT_EQ(m_discards, 1) << "a new dataset drops the live one";
    EXPECT_FALSE(m_config->IsChanged());

    EXPECT_EQ(ToLines(Read(false)), Lines{"2 2.000E-06 OK 50"})
        << "a following line comes without header";
    EXPECT_EQ(ToLines(Read(false)), Lines{"3 1.000E-06 OK 50"})
        << "the block wraps, the counter goes on";
    EXPECT_EQ(m_memNumber, 8);
    EXPECT_EQ(m_discards, 1);

    m_config->MarkChanged();
    EXPECT_EQ(ToLines(Read(false)), Lines{"1 2.000E-06 OK 50"});
    EXPECT_TRUE(m_config->IsChanged()) << "only a written header clears the mark";

    TransferLines kept = {"earlier"};
    m_config->ReadMeasurement(kept, m_memNumber, kStep, false);
    EXPECT_EQ(ToLines(kept), (Lines{"earlier", "1 1.000E-06 OK 50"}))
        << "restarted again while the mark stands";

    const Lines fresh = ToLines(Read(true));
    EXPECT_EQ(fresh.size(), 4u);
    EXPECT_EQ(fresh[1].substr(0, 2), "8 ");
    EXPECT_EQ(fresh.back(), "1 2.000E-06 OK 50");
    EXPECT_EQ(m_memNumber, 9);
}

TEST_F(MeasurementRead, WithoutTemplatesAValueDatasetIsItsHeaderAndASpectrumNothing) {
    DemoAnalyser().LoadTemplatesFromLines({});
    EXPECT_EQ(Read(true).size(), 3u);
    EXPECT_EQ(m_memNumber, 8);
    EXPECT_TRUE(Read(false).empty());

    m_config->SetMODE(eFFT);
    m_host.log.clear();
    m_discards = 0;
    TransferLines lines = {"earlier"};
    m_config->ReadMeasurement(lines, m_memNumber, kStep, true);
    EXPECT_EQ(ToLines(lines), Lines{"earlier"});
    EXPECT_EQ(m_memNumber, 8);
    EXPECT_EQ(m_discards, 0);
    EXPECT_EQ(m_host.StatusText(), "Demo mode: Read meas. data");
    EXPECT_EQ(m_host.log, (Lines{"status Demo mode: Read meas. data", "not ready", "ready"}));
}

TEST_F(MeasurementRead, SpectrumReadKeepsTheWindowBusyAndShowsItsState) {
    m_config->SetMODE(eFFT);
    m_host.log.clear();
    const Lines lines = ToLines(Read(true));
    EXPECT_EQ(Lines(lines.end() - 2, lines.end()), (Lines{"0 1.0000E-09", "1 2.0000E-09"}));

    Lines outline;
    for (const std::string& entry : m_host.log)
        if (entry != "events" && entry != "pause 100") outline.push_back(entry);
    const Lines expected = {"status Demo mode: Read meas. data", "not ready", "busy",       "idle",
                            "status Demo mode: Remote mode",     "ready",     "fft state 1"};
    EXPECT_EQ(outline, expected);
    EXPECT_EQ(m_host.CountOf("pause 100"), 150);

    // Every spectrum or harmonics list starts a new dataset.
    EXPECT_FALSE(m_config->IsChanged());
    m_config->SetMODE(eHAR);
    Read(true);
    EXPECT_FALSE(m_config->IsChanged());
    m_host.log.clear();
    Read(false);
    EXPECT_TRUE(m_config->IsChanged());
    EXPECT_EQ(m_host.CountOf("pause 100"), 10);
}

TEST_F(MeasurementRead, ValuesInAmperePerMetreAndGauss) {
    struct Case {
        const char* name;
        Code mode;
        Code bunit;
        bool amUnit;
        Lines samples;
    };
    const Case cases[] = {
        {"FST in A/m", eFST, eUnitT, true, {"N VALUE[A/m] VALID FREQ[HZ]", "1 7.958E-01 OK 50"}},
        {"FST in G", eFST, eUnitG, false, {"N VALUE[G] VALID FREQ[HZ]", "1 1.0000E-02 OK 50"}},
        {"FST in A/m from an analyser set to G",
         eFST,
         eUnitG,
         true,
         {"N VALUE[A/m] VALID FREQ[HZ]", "1 7.958E-01 OK 50"}},
        {"STD stays in percent", eSTD, eUnitT, true, {"N VALUE[%] VALID", "1 11.000 OK"}},
        {"FFT in A/m", eFFT, eUnitT, true, {"N VALUE[A/m]", "0 7.958E-04", "1 1.592E-03"}},
        {"FFT in G", eFFT, eUnitG, false, {"N VALUE[G]", "0 1.0000E-05", "1 2.0000E-05"}},
        {"HAR in A/m: the fundamental only, with its unit",
         eHAR,
         eUnitT,
         true,
         {"F1[Hz] 50.02", "V1[A/m] 1.918E+00"}},
        {"HAR in G", eHAR, eUnitG, false, {"F1[Hz] 50.02", "V1[G] 2.4100E-02"}},
        {"HAR in A/m from G", eHAR, eUnitG, true, {"F1[Hz] 50.02", "V1[A/m] 1.918E+00"}},
    };
    for (const Case& c : cases) {
        Restart();
        m_config->SetMODE(c.mode);
        if (c.mode != eSTD) ASSERT_TRUE(m_config->SetBUNIT(c.bunit)) << c.name;
        WriteRegInt(reg::kUseAmUnit, c.amUnit ? 1 : 0);
        const Lines lines = ToLines(Read(true));
        EXPECT_EQ(Lines(lines.begin() + 2, lines.end()), c.samples) << c.name;
    }
}

TEST_F(MeasurementRead, AmperePerMetreConversionKeepsTheSampleLine) {
    WriteRegInt(reg::kUseAmUnit, 1);
    Lines twelfth;
    for (int i = 0; i < 12; ++i)
        twelfth = ToLines(Read(i == 0));
    EXPECT_EQ(twelfth, Lines{"12 1.592E+00 OK 50"});

    // A template line whose value does not read is passed on as it is.
    Lines lines = SmallTemplates();
    lines[7] = "n/a OK 50";
    DemoAnalyser().LoadTemplatesFromLines(lines);
    EXPECT_EQ(ToLines(Read(true)).back(), "1 n/a OK 50");
}

TEST_F(MeasurementRead, StandardNameWithBlanksStaysOneColumn) {
    m_config->SetMODE(eSTD);
    m_config->standardName = "ICNIRP 2010 general public";
    const Lines lines = ToLines(Read(true));
    EXPECT_EQ(lines[1],
              "7 A INT_PRB ALL STD ICNIRP_2010_general_public 26-11-30 09:15:30 00:00:01 LIVE");
}

TEST_F(MeasurementRead, WideRangeSpectrumStepsTenHertz) {
    Lines lines = SmallTemplates();
    lines.resize(lines.size() - 2);
    for (int n = 0; n < 25; ++n)
        lines.push_back(std::to_string(n) + (n == 10  ? " 5.0000E-06"
                                             : n == 4 ? " 3.0000E-09"
                                                      : " 1.0000E-09"));
    DemoAnalyser().LoadTemplatesFromLines(lines);
    m_config->SetMODE(eFFT);
    m_config->SetRANGE_F(1);
    const Lines read = ToLines(Read(true));
    EXPECT_EQ(Lines(read.begin() + 2, read.end()),
              (Lines{"N VALUE[T]", "0 3.0000E-09", "1 5.0000E-06", "2 1.0000E-09"}));
}

// ---- what the main object does with the blocks ----------------------------------

double TemplateValue(const std::string& line) {
    return ParseFloat(line.substr(0, line.find(' ')), '.');
}

class MeasurementReadRoundTrip : public MeasurementRead {
protected:
    // The shipped templates, and a data list that has read the device header
    // as the first acquisition of REMOTE mode does.
    void StartList() {
        DemoAnalyser().LoadTemplates(fs::path(OMBRIX_DATA_DIR) / "DemoDat.dat");
        m_list = std::make_unique<OrvDataList>();
        TransferLines header;
        ASSERT_TRUE(m_link.ReadDeviceHeader(header));
        ASSERT_TRUE(m_list->ResetAndReadHeader(header));
    }
    void SetUp() override {
        MeasurementRead::SetUp();
        StartList();
    }

    // A new live dataset from a block with its header.
    OrvDataset* ReadNewLive() {
        TransferLines lines = Read(true);
        EXPECT_TRUE(m_list->ParseTransfer(lines, true));
        return m_list->GetLive();
    }

    std::unique_ptr<OrvDataList> m_list;
};

TEST_F(MeasurementReadRoundTrip, ValueModesGrowOneLiveSeries) {
    struct Case {
        const char* name;
        Code mode;
        int filter;
        bool amUnit;
        size_t block;
        double factor;
        ValueClass valueClass;
    };
    const Case cases[] = {
        {"FST", eFST, 0, false, 0, 1.0, eTesla},
        {"FST bandpass", eFST, 1, false, 0, 1.0, eTesla},
        {"STD", eSTD, 0, false, 1, 1.0, ePercent},
        {"FST in A/m", eFST, 0, true, 0, OrvConfiguration::kAmperePerMetrePerTesla,
         eAmperePerMetre},
    };
    for (const Case& c : cases) {
        Restart();
        StartList();
        m_config->SetMODE(c.mode);
        if (c.filter != 0) ASSERT_TRUE(m_config->SetFILTER(c.filter)) << c.name;
        WriteRegInt(reg::kUseAmUnit, c.amUnit ? 1 : 0);
        const TemplateBlock& block = DemoAnalyser().ValueTemplates()[c.block];

        auto* series = dynamic_cast<OrvAutoDataset*>(ReadNewLive());
        ASSERT_NE(series, nullptr) << c.name;
        EXPECT_EQ(series->GetMemNumber(), 7) << c.name;
        EXPECT_EQ(series->GetMode(), c.mode) << c.name;
        EXPECT_DOUBLE_EQ(series->GetDateTime(), kNow) << c.name;
        EXPECT_DOUBLE_EQ(series->GetStep(), EncodeTime(0, 0, 1, 0)) << c.name;
        EXPECT_EQ(series->GetValueClass(), c.valueClass) << c.name;

        for (int i = 0; i < 2; ++i)
            ASSERT_TRUE(series->AppendSamples(Read(false))) << c.name;
        ASSERT_EQ(series->GetSampleCount(), 3) << c.name;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(series->GetSample(i).m_nNumber, i + 1) << c.name;
            EXPECT_NEAR(series->GetSampleValue(i) /
                            (TemplateValue(block[static_cast<size_t>(i)]) * c.factor),
                        1.0, 1e-3)
                << c.name;
            EXPECT_EQ(series->GetSampleValid(i), eValidOK) << c.name;
        }
    }
}

TEST_F(MeasurementReadRoundTrip, SpectraReadWithTheirMainsLineAt50Hz) {
    struct Case {
        const char* name;
        Code range;
        bool amUnit;
        int elements;
        int df;
        ValueClass valueClass;
    };
    const Case cases[] = {
        {"up to 2 kHz", 0, false, 2048, 1, eTesla},
        {"up to 32 kHz", 1, false, 205, 10, eTesla},
        {"in A/m", 0, true, 2048, 1, eAmperePerMetre},
    };
    for (const Case& c : cases) {
        Restart();
        StartList();
        m_config->SetMODE(eFFT);
        m_config->SetRANGE_F(c.range);
        WriteRegInt(reg::kUseAmUnit, c.amUnit ? 1 : 0);
        auto* spectrum = dynamic_cast<OrvVectorDataset*>(ReadNewLive());
        ASSERT_NE(spectrum, nullptr) << c.name;
        EXPECT_EQ(spectrum->GetElementCount(), c.elements) << c.name;
        EXPECT_EQ(spectrum->GetDF(), c.df) << c.name;
        EXPECT_EQ(spectrum->GetValueClass(), c.valueClass) << c.name;
        double frequency = 0, value = 0;
        spectrum->GetLastPoint(frequency, value);
        EXPECT_EQ(frequency, 50.0) << c.name;
    }
}

TEST_F(MeasurementReadRoundTrip, HarmonicsListKeepsItsUnit) {
    struct Case {
        const char* name;
        bool amUnit;
        double factor;
        Code unit;
    };
    const Case cases[] = {
        {"in T", false, 1.0, eUnitT},
        {"in A/m", true, OrvConfiguration::kAmperePerMetrePerTesla, eUnitAm},
    };
    for (const Case& c : cases) {
        Restart();
        StartList();
        m_config->SetMODE(eHAR);
        WriteRegInt(reg::kUseAmUnit, c.amUnit ? 1 : 0);
        const std::string v1 = DemoAnalyser().HarmonicsTemplates()[0][1];
        auto* list = dynamic_cast<OrvListDataset*>(ReadNewLive());
        ASSERT_NE(list, nullptr) << c.name;
        EXPECT_EQ(list->GetUnit(), c.unit) << c.name;
        EXPECT_NEAR(list->GetV1() / (ParseFloat(v1.substr(v1.find(' ') + 1), '.') * c.factor), 1.0,
                    1e-3)
            << c.name;
        EXPECT_NEAR(list->GetF1(), 50.0, 0.1) << c.name;
    }
}

TEST_F(MeasurementReadRoundTrip, ShippedTemplatesPlayBackReadably) {
    // Every template line of the shipped file, played back once around.
    m_config->SetMODE(eFST);
    auto* series = dynamic_cast<OrvAutoDataset*>(ReadNewLive());
    ASSERT_NE(series, nullptr);
    const int lines = static_cast<int>(DemoAnalyser().ValueTemplates()[0].size());
    for (int i = 1; i < lines + 1; ++i)
        series->AppendSamples(Read(false));
    EXPECT_EQ(series->GetSampleCount(), lines + 1);
    EXPECT_EQ(series->GetSample(lines).m_nNumber, lines + 1);
    EXPECT_DOUBLE_EQ(series->GetSampleValue(lines), series->GetSampleValue(0))
        << "the block wrapped";

    m_config->SetMODE(eHAR);
    for (size_t i = 0; i < DemoAnalyser().HarmonicsTemplates().size(); ++i)
        EXPECT_NE(dynamic_cast<OrvListDataset*>(ReadNewLive()), nullptr) << i;
    m_config->SetMODE(eFFT);
    for (size_t i = 0; i < DemoAnalyser().SpectrumTemplates().size(); ++i)
        EXPECT_NE(dynamic_cast<OrvVectorDataset*>(ReadNewLive()), nullptr) << i;
}

} // namespace
