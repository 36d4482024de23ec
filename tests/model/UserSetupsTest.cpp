// The user setups: the file "OrvConf.dat" (layout, lenient and failing reads,
// when it is written), and the list operations of the user-setup dialog.

#include "TestSupport.h"

#include "config/OrvConfiguration.h"
#include "config/UserSetupsFile.h"
#include "core/HostWindow.h"
#include "core/ProgramFolder.h"
#include "core/SafeFile.h"
#include "link/OrvCommunication.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace ombrix {
namespace {

namespace fs = std::filesystem;

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
        return true;
    }
    bool WriteConfigFrequency(int command, int listIndex, float frequency) override {
        sent.push_back({command, listIndex, static_cast<double>(frequency)});
        return true;
    }
    std::vector<Sent> sent;
};

struct Message {
    std::string caption;
    std::string text;
    MessageButtons buttons;
};

class RecordingHost : public SilentHostWindow {
public:
    MessageAnswer ShowMessage(const std::string& caption, const std::string& text,
                              MessageButtons buttons, MessageKind kind) override {
        messages.push_back({caption, text, buttons});
        return SilentHostWindow::ShowMessage(caption, text, buttons, kind);
    }
    std::vector<Message> messages;
};

const fs::path kShippedFile = fs::path(OMBRIX_DATA_DIR) / "OrvConf.dat";

std::string ReadBytes(const fs::path& file) {
    return ReadWholeFile(file).value_or(std::string());
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

ConfigDataStruct Record(const std::string& label, Code mode) {
    ConfigDataStruct setup;
    setup.Label = label;
    setup.MODE = mode;
    setup.NAVG = 1;
    setup.BPFRQ = {16.7, 50, 60, 150, 180, 100};
    setup.BSFRQ = setup.BPFRQ;
    setup.FUNDFRQ = {16.7, 50, 60, 400, 800, 1000};
    return setup;
}

// Setups in a program folder of their own; the folder goes at the end.
class UserSetupTest : public test::ModelTest {
protected:
    void SetUp() override {
        test::ModelTest::SetUp();
        InstallHost(&m_host);
        m_savedFolder = ProgramFolder();
        std::string pattern = (fs::temp_directory_path() / "ombrix-setups-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
        SetProgramFolder(m_folder);
    }
    void TearDown() override {
        SetProgramFolder(m_savedFolder);
        std::error_code ec;
        fs::remove_all(m_folder, ec);
        InstallHost(nullptr);
        test::ModelTest::TearDown();
    }
    fs::path File() const { return m_folder / "OrvConf.dat"; }
    void WriteSetups(const std::vector<std::string>& lines) const {
        WriteBytes(File(), JoinLinesCrLf(lines));
    }
    void WriteSetups(const std::vector<ConfigDataStruct>& setups) const {
        WriteSetups(UserSetupLines(setups));
    }

    RecordingHost m_host;
    RecordingConnection m_link;
    fs::path m_folder;
    fs::path m_savedFolder;
};

using UserSetupsFile = UserSetupTest;
using UserSetupsList = UserSetupTest;

TEST_F(UserSetupsFile, ShippedFileHoldsOnePermanentSetupPerModeAndRewritesItself) {
    OrvConfiguration config(m_link);
    ASSERT_TRUE(config.LoadUserSetups(kShippedFile));
    EXPECT_TRUE(m_host.messages.empty());
    ASSERT_EQ(config.UserSetupCount(), OrvConfiguration::kPermanentSetupCount);
    const Code modes[] = {eFST, eSTD, eFFT, eHAR};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(config.UserSetups()[i].MODE, modes[i]);

    ASSERT_TRUE(config.SaveUserSetups(File()));
    EXPECT_EQ(ReadBytes(File()), ReadBytes(kShippedFile));
}

TEST_F(UserSetupsFile, WrittenLinesHaveTheFileLayoutWhateverTheUsersDecimalSeparator) {
    UseFormats(test::GermanFormats());
    ConfigDataStruct setup = Record("Mine", eHAR);
    setup.FUNDINDEX = 2;
    setup.FUNDFRQ[5] = 1234.56789012345;
    const std::vector<std::string> lines = UserSetupLines({setup});
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Mine");
    EXPECT_EQ(
        lines[1],
        "MODE;   RANGE_B;    BUNIT;  RANGE_E;  RANGE_F;  LIVE;   CHANNEL;    FILTER; BBINDEX;    "
        "BPINDEX;    BSINDEX;    DECFST; DECFFT; DECHAR; FUNDINDEX;  STDINDEX;   NAVG;   "
        "SPECNORM;   BPFRQ0; BPFRQ1; BPFRQ2; BPFRQ3; BPFRQ4; BPFRQ5; BSFRQ0; BSFRQ1; BSFRQ2; "
        "BSFRQ3; BSFRQ4; BSFRQ5; FUNDFRQ0;   FUNDFRQ1; FUNDFRQ2;   FUNDFRQ3; FUNDFRQ4;   "
        "FUNDFRQ5");
    EXPECT_EQ(lines[2], "4;\t0;\t0;\t0;\t0;\t0;\t0;\t0;\t0;\t0;\t0;\t0;\t0;\t0;\t2;\t0;\t1;\t0;\t"
                        "16.7;\t50;\t60;\t150;\t180;\t100;\t16.7;\t50;\t60;\t150;\t180;\t100;\t"
                        "16.7;\t50;\t60;\t400;\t800;\t1234.56789012345");
    EXPECT_EQ(CurrentFormat().DecimalSeparator, ',');
}

// Each column lands in its own field: every value differs from every other.
TEST_F(UserSetupsFile, EveryKeywordReadsIntoItsField) {
    std::vector<std::string> lines = UserSetupLines({Record("x", eFST)});
    lines[2] = "4;\t12;\t6;\t9;\t7;\t11;\t13;\t14;\t15;\t1;\t2;\t16;\t17;\t18;\t3;\t19;\t20;\t21;\t"
               "11;\t12;\t13;\t14;\t15;\t16;\t21;\t22;\t23;\t24;\t25;\t26;\t"
               "31;\t32;\t33;\t34;\t35;\t36.5";
    std::vector<ConfigDataStruct> setups;
    ASSERT_TRUE(ReadUserSetupLines(lines, setups));
    ASSERT_EQ(setups.size(), 1u);
    ConfigDataStruct expected;
    expected.Label = "x";
    expected.MODE = 4;
    expected.RANGE_B = 12;
    expected.BUNIT = 6;
    expected.RANGE_E = 9;
    expected.RANGE_F = 7;
    expected.LIVE = 11;
    expected.CHANNEL = 13;
    expected.FILTER = 14;
    expected.BBINDEX = 15;
    expected.BPINDEX = 1;
    expected.BSINDEX = 2;
    expected.DECFST = 16;
    expected.DECFFT = 17;
    expected.DECHAR = 18;
    expected.FUNDINDEX = 3;
    expected.STDINDEX = 19;
    expected.NAVG = 20;
    expected.SPECNORM = 21;
    expected.BPFRQ = {11, 12, 13, 14, 15, 16};
    expected.BSFRQ = {21, 22, 23, 24, 25, 26};
    expected.FUNDFRQ = {31, 32, 33, 34, 35, 36.5};
    EXPECT_EQ(setups[0], expected);
}

TEST_F(UserSetupsFile, SaveThenLoadGivesTheSameSetups) {
    UseFormats(test::GermanFormats());
    std::vector<ConfigDataStruct> setups = {Record("FST", eFST), Record("STD", eSTD),
                                            Record("FFT", eFFT), Record("HAR", eHAR)};
    ConfigDataStruct odd = Record("odd values \xB5T", eFST);
    odd.BPFRQ = {0.001, 16.6666666666667, 1999.99, 1e-20, 123456789.123457, 0};
    odd.STDINDEX = 5;
    odd.BSINDEX = 5;
    odd.NAVG = 3;
    odd.RANGE_B = 255;
    setups.push_back(odd);
    WriteSetups(setups);

    OrvConfiguration first(m_link);
    ASSERT_TRUE(first.LoadUserSetups());
    ASSERT_EQ(first.UserSetups(), setups);
    fs::remove(File());
    ASSERT_TRUE(first.SaveUserSetups());

    OrvConfiguration second(m_link);
    ASSERT_TRUE(second.LoadUserSetups());
    EXPECT_EQ(second.UserSetups(), setups);
    EXPECT_TRUE(m_host.messages.empty());
    EXPECT_EQ(CurrentFormat().DecimalSeparator, ',');
}

TEST_F(UserSetupsFile, FormatErrorKeepsTheSetupsBeforeItAndSaysWhere) {
    struct Case {
        const char* name;
        std::function<void(std::vector<std::string>&)> spoil; // of the second setup
    };
    const Case cases[] = {
        {"unknown keyword", [](auto& l) { l[4].replace(l[4].find("NAVG"), 4, "NAVX"); }},
        {"frequency not a number", [](auto& l) { l[5].replace(l[5].rfind('\t') + 1, 4, "1k"); }},
        {"frequency with decimal comma",
         [](auto& l) { l[5].replace(l[5].find("16.7"), 4, "16,7"); }},
        {"frequency missing", [](auto& l) { l[5].resize(l[5].rfind(';') + 1); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_host.messages.clear();
        const std::vector<ConfigDataStruct> setups = {Record("A", eFST), Record("B", eSTD),
                                                      Record("C", eFFT)};
        std::vector<std::string> lines = UserSetupLines(setups);
        c.spoil(lines);
        WriteSetups(lines);

        OrvConfiguration config(m_link);
        EXPECT_TRUE(config.LoadUserSetups());
        ASSERT_EQ(config.UserSetupCount(), 1);
        EXPECT_EQ(config.UserSetups()[0], setups[0]);
        ASSERT_EQ(m_host.messages.size(), 1u);
        EXPECT_EQ(m_host.messages[0].caption, "Ombrix Error");
        EXPECT_EQ(m_host.messages[0].text, "Format error in file " + File().string());
        EXPECT_EQ(m_host.messages[0].buttons, MessageButtons::Ok);
    }
}

// Saving after a damaged load would drop the setups after the damage; the
// damaged file is kept beside the new one.
TEST_F(UserSetupsFile, SavingAfterAFormatErrorKeepsTheDamagedFile) {
    std::vector<ConfigDataStruct> setups;
    for (const char* name : {"A", "B", "C", "D", "E"}) setups.push_back(Record(name, eFST));
    std::vector<std::string> lines = UserSetupLines(setups);
    lines[13].replace(lines[13].find("NAVG"), 4, "NAVX"); // the fifth setup is damaged
    WriteSetups(lines);
    const std::string damaged = *ReadWholeFile(File());

    OrvConfiguration config(m_link);
    ASSERT_TRUE(config.LoadUserSetups());
    ASSERT_EQ(config.UserSetupCount(), 4);
    ASSERT_TRUE(config.SaveUserSetups());
    fs::path backup = File();
    backup += ".bak";
    ASSERT_TRUE(fs::exists(backup));
    EXPECT_EQ(*ReadWholeFile(backup), damaged);
    OrvConfiguration reread(m_link);
    ASSERT_TRUE(reread.LoadUserSetups());
    EXPECT_EQ(reread.UserSetupCount(), 4);
}

TEST_F(UserSetupsFile, LenientReadsOfNamesKeywordsAndIntegers) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        std::function<void(const ConfigDataStruct&)> check;
    };
    const Case cases[] = {
        {"keywords in any order, missing NAVG reads 0",
         {"n", "BPFRQ3; MODE", "12.5;\t3"},
         [](const ConfigDataStruct& s) {
             EXPECT_EQ(s.MODE, eFFT);
             EXPECT_EQ(s.BPFRQ[3], 12.5);
             EXPECT_EQ(s.NAVG, 0);
         }},
        {"unreadable NAVG reads 1, other integers 0",
         {"n", "NAVG;  CHANNEL ; LIVE", " x ;\ttwo;\t 1 "},
         [](const ConfigDataStruct& s) {
             EXPECT_EQ(s.NAVG, 1);
             EXPECT_EQ(s.CHANNEL, 0);
             EXPECT_EQ(s.LIVE, 1);
         }},
        // Read as they stand, these would index past a frequency list or wrap in a byte.
        {"integers their field cannot hold read as unreadable",
         {"n", "BPINDEX;BSINDEX;FUNDINDEX;LIVE;NAVG;STDINDEX", "6;\t-1;\t5;\t256;\t300;\t-2"},
         [](const ConfigDataStruct& s) {
             EXPECT_EQ(s.BPINDEX, 0);
             EXPECT_EQ(s.BSINDEX, 0);
             EXPECT_EQ(s.FUNDINDEX, 5);
             EXPECT_EQ(s.LIVE, 0);
             EXPECT_EQ(s.NAVG, 1);
             EXPECT_EQ(s.STDINDEX, 0);
         }},
        {"name ends at its first semicolon and is trimmed",
         {"  My setup ; note", "MODE", "1"},
         [](const ConfigDataStruct& s) {
             EXPECT_EQ(s.Label, "My setup");
             EXPECT_EQ(s.MODE, eSTD);
         }},
        {"name cut to 30 characters",
         {"123456789012345678901234567890123", "MODE", "0"},
         [](const ConfigDataStruct& s) { EXPECT_EQ(s.Label, "123456789012345678901234567890"); }},
        {"a cut name ending in a blank loses it, as it would when read back",
         {"12345678901234567890123456789 tail", "MODE", "0"},
         [](const ConfigDataStruct& s) { EXPECT_EQ(s.Label, "12345678901234567890123456789"); }},
        {"a last name without its other lines is ignored",
         {"n", "MODE", "4", "lonely"},
         [](const ConfigDataStruct& s) { EXPECT_EQ(s.MODE, eHAR); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteSetups(c.lines);
        OrvConfiguration config(m_link);
        ASSERT_TRUE(config.LoadUserSetups());
        ASSERT_EQ(config.UserSetupCount(), 1);
        c.check(config.UserSetups()[0]);
    }
    EXPECT_TRUE(m_host.messages.empty());
}

TEST_F(UserSetupsFile, WrittenOnlyWhileThePermanentSetupsAreThere) {
    const std::vector<ConfigDataStruct> four = {Record("1", eFST), Record("2", eSTD),
                                                Record("3", eFFT), Record("4", eHAR)};
    // LF line ends, so that a rewrite (CR LF) shows.
    auto lfFile = [](const std::vector<ConfigDataStruct>& setups) {
        std::string text;
        for (const std::string& line : UserSetupLines(setups))
            text += line + "\n";
        return text;
    };
    const std::vector<ConfigDataStruct> three(four.begin(), four.begin() + 3);
    WriteBytes(File(), lfFile(three));
    OrvConfiguration config(m_link);
    ASSERT_TRUE(config.LoadUserSetups());
    ASSERT_EQ(config.UserSetupCount(), 3);
    EXPECT_TRUE(config.SaveUserSetups());
    EXPECT_EQ(ReadBytes(File()), lfFile(three));

    WriteBytes(File(), lfFile(four));
    ASSERT_TRUE(config.LoadUserSetups());
    ASSERT_EQ(config.UserSetupCount(), 4);
    EXPECT_TRUE(config.SaveUserSetups());
    EXPECT_EQ(ReadBytes(File()), JoinLinesCrLf(UserSetupLines(four)));
    EXPECT_TRUE(m_host.messages.empty());

    EXPECT_FALSE(config.SaveUserSetups(m_folder / "missing" / "OrvConf.dat"));
    ASSERT_EQ(m_host.messages.size(), 1u);
    EXPECT_EQ(m_host.messages[0].caption, "Ombrix Error");
}

TEST_F(UserSetupsList, NewSetupIsNamedAfterItsModeWithTheNextNumber) {
    struct Case {
        Code mode;
        std::vector<std::string> names;
        const char* expected;
    };
    const Case cases[] = {
        {eFST, {}, "FST 1"},
        {eFST, {"FST 1", "FST 2"}, "FST 3"},
        {eFST, {"FST 7", "FFT 9", "FST 2"}, "FST 8"},
        {eFFT, {"FFT 5Hz..2KHz"}, "FFT 1"},
        {eFST, {"FST -5"}, "FST 1"},
        // The number is read behind as many characters as the mode text has.
        {eFST, {"My FST 5"}, "FST 1"},
        {eHAR, {"HAR 4", "FST 12"}, "HAR 5"},
        {eFST, {"FST 2147483647"}, "FST 2147483648"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        std::vector<ConfigDataStruct> setups;
        for (const std::string& name : c.names)
            setups.push_back(Record(name, c.mode));
        WriteSetups(setups);
        OrvConfiguration config(m_link);
        ASSERT_TRUE(config.Initialise(true, true, true));
        config.AddUserSetup();
        ASSERT_EQ(config.UserSetupCount(), static_cast<int>(c.names.size()) + 1);
        EXPECT_EQ(config.UserSetupName(config.UserSetupCount() - 1), c.expected);
        ConfigDataStruct copy = config.GetData();
        copy.Label = c.expected;
        EXPECT_EQ(config.UserSetups().back(), copy);
    }
}

TEST_F(UserSetupsList, SavingTwiceInFftNumbersOneAndTwo) {
    fs::copy_file(kShippedFile, File());
    OrvConfiguration config(m_link);
    ASSERT_TRUE(config.Initialise(true, true, true));
    ASSERT_TRUE(config.SetMODE(eFFT));
    config.AddUserSetup();
    config.AddUserSetup();
    EXPECT_EQ(config.UserSetupName(4), "FFT 1");
    EXPECT_EQ(config.UserSetupName(5), "FFT 2");
}

TEST_F(UserSetupsList, PermanentSetupsCannotBeDeleted) {
    fs::copy_file(kShippedFile, File());
    OrvConfiguration config(m_link);
    ASSERT_TRUE(config.Initialise(true, true, true));
    config.AddUserSetup();
    config.AddUserSetup();
    for (int index : {-1, 0, 1, 2, 3, 6})
        EXPECT_FALSE(config.DeleteUserSetup(index)) << index;
    ASSERT_EQ(config.UserSetupCount(), 6);
    EXPECT_TRUE(config.DeleteUserSetup(4));
    ASSERT_EQ(config.UserSetupCount(), 5);
    EXPECT_EQ(config.UserSetupName(4), "FST 2");
}

TEST_F(UserSetupsList, NamesOutsideTheListAndRenaming) {
    fs::copy_file(kShippedFile, File());
    OrvConfiguration config(m_link);
    ASSERT_TRUE(config.Initialise(true, true, true));
    EXPECT_EQ(config.UserSetupName(4), "actual");
    EXPECT_EQ(config.UserSetupName(-1), "actual");
    EXPECT_FALSE(config.RenameUserSetup(4, "x"));

    config.AddUserSetup();
    EXPECT_TRUE(config.RenameUserSetup(4, "Hall 3"));
    EXPECT_EQ(config.UserSetupName(4), "Hall 3");
    // A line break in a name would shift every later setup in the file.
    EXPECT_TRUE(config.RenameUserSetup(4, "two\r\nlines and far too long for a name"));
    EXPECT_EQ(config.UserSetupName(4), "two  lines and far too long fo");
    ASSERT_TRUE(config.SaveUserSetups());
    ASSERT_TRUE(config.LoadUserSetups());
    EXPECT_EQ(config.UserSetupCount(), 5);
    EXPECT_EQ(config.UserSetupName(4), "two  lines and far too long fo");
}

TEST_F(UserSetupsList, ApplyRunsTheSettersOfTheSetupsModeInOrder) {
    std::vector<ConfigDataStruct> setups = {Record("F", eFST), Record("S", eSTD), Record("T", eFFT),
                                            Record("H", eHAR)};
    ConfigDataStruct har = Record("mine", eHAR);
    har.RANGE_B = 4;
    har.RANGE_E = 3;   // internal probe: not sent
    har.RANGE_F = 1;   // FFT only
    har.FILTER = 1;    // FST only
    har.BPFRQ[0] = 20; // FST only
    har.FUNDFRQ[0] = 20;
    har.FUNDINDEX = 2;
    har.DECHAR = 2;
    har.DECFFT = 1;   // FFT only
    har.STDINDEX = 4; // STD and FFT only
    har.NAVG = 1;     // as in the current record, but not confirmed yet
    har.CHANNEL = 2;
    har.LIVE = 1;
    har.BUNIT = eUnitG;
    setups.push_back(har);
    WriteSetups(setups);

    OrvConfiguration config(m_link);
    ASSERT_TRUE(config.Initialise(true, true, true));
    ASSERT_TRUE(config.SetBUnit(eUnitAm));
    m_link.sent.clear();
    EXPECT_FALSE(config.ApplyUserSetup(5));
    EXPECT_TRUE(config.ApplyUserSetup(4));
    EXPECT_EQ(m_link.sent, (std::vector<Sent>{{142, -1, eHAR},
                                              {138, -1, 4},
                                              {136, 0, 20},
                                              {164, -1, 3},
                                              {162, -1, 2},
                                              {120, -1, 1},
                                              {118, -1, 2},
                                              {36, -1, 1},
                                              {58, -1, eUnitG}}));
    EXPECT_EQ(config.BUnit(), eUnitG);
    EXPECT_EQ(config.GetRANGE_F(), 0);
    EXPECT_EQ(config.GetBPFRQ(0), 16.7);

    // Without the spectrum option the setup is not applied at all.
    OrvConfiguration basic(m_link);
    ASSERT_TRUE(basic.Initialise(true, false, true));
    m_link.sent.clear();
    EXPECT_FALSE(basic.ApplyUserSetup(4));
    EXPECT_TRUE(m_link.sent.empty());
    EXPECT_EQ(basic.GetMODE(), eFST);
}

TEST_F(UserSetupsList, DescriptionShowsTheItemsOfTheSetupsMode) {
    fs::copy_file(kShippedFile, File());
    OrvConfiguration config(m_link);
    ASSERT_TRUE(config.Initialise(true, true, true));
    const char* bandList = "50 Hz  [16.7 Hz, 50 Hz, 60 Hz, 150 Hz, 180 Hz, 100 Hz]";
    const std::string fst = std::string("MODE: FST\r\nRANGE: Auto / Auto\r\nCHN: ALL\r\n"
                                        "MAX: LIVE\r\nUNIT: T\r\nFILTER TYPE: Broadband\r\n"
                                        "BB: 5Hz..2KHz\r\nBP: ") +
                            bandList + "\r\nBS: " + bandList + "\r\nDET: RMS\r\n";
    EXPECT_EQ(config.SetupDescription(0), fst);
    EXPECT_EQ(config.SetupDescription(1),
              "MODE: STD\r\nCHN: ALL\r\nMAX: LIVE\r\nSTANDARD: ICN98GNPUB\r\n");
    EXPECT_EQ(config.SetupDescription(2),
              "MODE: FFT\r\nRANGE: Auto / Auto\r\nCHN: ALL\r\nMAX: LIVE\r\nUNIT: T\r\n"
              "F_RANGE: 5Hz..2KHz\r\nDET: ACT\r\nSTANDARD: ICN98GNPUB\r\nNAVG: 4\r\n"
              "SPECTRUM: absolute\r\n");
    EXPECT_EQ(config.SetupDescription(3),
              "MODE: HAR\r\nRANGE: Auto / Auto\r\nCHN: ALL\r\nMAX: LIVE\r\nUNIT: T\r\n"
              "DET: ACT\r\nFUND: 50 Hz  [16.7 Hz, 50 Hz, 60 Hz, 400 Hz, 800 Hz, 1 kHz]\r\n"
              "NAVG: 4\r\n");

    ASSERT_TRUE(config.SetMODE(eSTD));
    ASSERT_TRUE(config.SetCHANNEL(3));
    EXPECT_EQ(config.SetupDescription(4),
              "MODE: STD\r\nCHN: Z\r\nMAX: LIVE\r\nSTANDARD: ICN98GNPUB\r\n");
}

} // namespace
} // namespace ombrix
