#include "TestSupport.h"

#include "config/OrvConfiguration.h"
#include "core/Clock.h"
#include "core/HostWindow.h"
#include "core/OrvMainObject.h"
#include "core/ProgramFolder.h"
#include "datasets/OrvAutoDataset.h"
#include "datasets/OrvDataList.h"
#include "link/OrvCommunication.h"
#include "link/SimulatedAnalyser.h"
#include "presentation/ViewSetupStruct.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using namespace ombrix;
namespace fs = std::filesystem;

namespace {

// The main window as the main object sees it: records what it was told and
// answers message boxes as the test says.
class FakeWindow : public SilentHostWindow {
public:
    MessageAnswer ShowMessage(const std::string& caption, const std::string& text,
                              MessageButtons buttons, MessageKind kind) override {
        messages.push_back(caption + ": " + text);
        return buttons == MessageButtons::YesNo
                   ? answer
                   : SilentHostWindow::ShowMessage(caption, text, buttons, kind);
    }
    bool RunLoadWizard(OrvDataList& list, OrvCommunication&) override {
        return wizard ? wizard(list) : false;
    }
    void SetAlarmTimer(bool enabled, int) override { alarmTimer = enabled; }
    void Beep() override { ++beeps; }
    void RefreshTreeAndView() override { ++refreshes; }

    std::vector<std::string> messages;
    MessageAnswer answer = MessageAnswer::Yes;
    std::function<bool(OrvDataList&)> wizard;
    bool alarmTimer = false;
    int beeps = 0;
    int refreshes = 0;
};

class MainObject : public test::ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        m_folder = fs::temp_directory_path() / ("ombrix-main-" + std::to_string(::getpid()));
        fs::create_directories(m_folder);
        for (const char* f : {"DemoDat.dat", "OrvConf.dat", "Standard.dat"})
            fs::copy_file(fs::path(OMBRIX_DATA_DIR) / f, m_folder / f,
                          fs::copy_options::overwrite_existing);
        SetProgramFolder(m_folder);
        InstallHost(&m_window);
        InstallClock(&m_clock);
        m_main = std::make_unique<OrvMainObject>();
        m_main->Complete();
    }
    void TearDown() override {
        m_main.reset();
        InstallClock(nullptr);
        InstallHost(nullptr);
        fs::remove_all(m_folder);
        ModelTest::TearDown();
    }
    // Ticks as the window's timer gives them: about 100 ms after each second.
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) {
            m_clock.AdvanceSeconds(1.0);
            m_main->LiveTick();
        }
    }
    void EnterRemote(int mode) {
        ASSERT_TRUE(m_main->StartRemote());
        ASSERT_TRUE(m_main->Configuration().SetMODE(mode));
    }
    OrvAutoDataset* LiveSeries() const {
        OrvDataList* list = m_main->CurrentDataList();
        OrvDataset* live = list ? list->GetLive() : nullptr;
        return live && live->GetDataType() == eAuto ? static_cast<OrvAutoDataset*>(live) : nullptr;
    }

    fs::path m_folder;
    FakeWindow m_window;
    ManualClock m_clock{EncodeDate(2026, 12, 11) + EncodeTime(10, 0, 0, 100)};
    std::unique_ptr<OrvMainObject> m_main;
};

TEST_F(MainObject, ValuesAreShownButNotStoredWhileStoringIsStopped) {
    EnterRemote(eFST);
    Ticks(5);
    ASSERT_NE(m_main->CurrentDataList(), nullptr);
    ASSERT_NE(LiveSeries(), nullptr);
    EXPECT_GE(LiveSeries()->GetSampleCount(), 3);
    EXPECT_EQ(m_main->CurrentDataList()->GetCount(), 0);
}

TEST_F(MainObject, StoringImmediatelyRecordsOneValueASecondAndStoppingStoresTheSeries) {
    EnterRemote(eFST);
    Ticks(2); // the data list and a live series exist
    m_main->SetStoringState(eStoringImmediate);
    Ticks(1); // storing starts: a new series
    ASSERT_NE(LiveSeries(), nullptr);
    const int first = LiveSeries()->GetSampleCount();
    Ticks(5);
    EXPECT_EQ(LiveSeries()->GetSampleCount(), first + 5);

    // A tick 950 ms after the previous store still stores (900 ms allowance),
    // one 50 ms after it does not.
    m_clock.AdvanceSeconds(0.95);
    m_main->LiveTick();
    EXPECT_EQ(LiveSeries()->GetSampleCount(), first + 6);
    m_clock.AdvanceSeconds(0.05);
    m_main->LiveTick();
    EXPECT_EQ(LiveSeries()->GetSampleCount(), first + 6);

    const int maxBefore = m_main->CurrentDataList()->MaxMemNumber();
    m_main->SetStoringState(eStoringStopped);
    Ticks(1);
    OrvDataList* list = m_main->CurrentDataList();
    ASSERT_EQ(list->GetCount(), 1);
    OrvDataset* stored = list->GetDataset(0);
    EXPECT_EQ(stored->GetDataType(), eAuto);
    EXPECT_EQ(stored->GetMemNumber(), maxBefore + 1);
    EXPECT_FALSE(stored->GetExported());
    EXPECT_EQ(static_cast<OrvAutoDataset*>(stored)->GetSampleCount(), first + 6);
    EXPECT_FALSE(m_main->AllExported());
}

TEST_F(MainObject, ProgrammedPeriodStoresOnlyInsideAndThenStops) {
    EnterRemote(eFST);
    Ticks(2);
    const DateTime now = m_clock.Now();
    m_main->SetStoringTimes(now + 3.5 / 86400, now + 6.5 / 86400, 1.0 / 86400, false);
    m_main->SetStoringState(eStoringProgrammed);
    Ticks(3); // before the start: not stored, the live series only shows values
    EXPECT_EQ(m_main->CurrentDataList()->GetCount(), 0);
    EXPECT_EQ(m_main->StoringState(), eStoringProgrammed);
    Ticks(4); // inside the period
    EXPECT_EQ(m_main->StoringState(), eStoringProgrammed);
    Ticks(2); // one second after the stop the state reads "Stop"
    EXPECT_EQ(m_main->StoringState(), eStoringStopped);
    Ticks(1);
    ASSERT_EQ(m_main->CurrentDataList()->GetCount(), 1);
    const auto* series = static_cast<OrvAutoDataset*>(m_main->CurrentDataList()->GetDataset(0));
    EXPECT_GE(series->GetSampleCount(), 3);
    EXPECT_LE(series->GetSampleCount(), 4);
}

TEST_F(MainObject, SetStoringTimesSwapsAndKeepsTheIntervalPerMode) {
    EnterRemote(eFST);
    const DateTime a = m_clock.Now() + 0.1, b = m_clock.Now();
    m_main->SetStoringTimes(a, b, 5.0 / 86400, true);
    DateTime start = 0, stop = 0, interval = 0;
    bool asap = false;
    m_main->GetStoringTimes(start, stop, interval, asap);
    EXPECT_EQ(start, b);
    EXPECT_EQ(stop, a);
    EXPECT_DOUBLE_EQ(interval, 5.0 / 86400);
    EXPECT_TRUE(asap);
    ASSERT_TRUE(m_main->Configuration().SetMODE(eFFT));
    m_main->GetStoringTimes(start, stop, interval, asap);
    EXPECT_DOUBLE_EQ(interval, 60.0 / 86400); // the spectrum interval is its own
}

TEST_F(MainObject, AsapInSpectrumModeStoresEveryTick) {
    EnterRemote(eFFT);
    Ticks(1); // not storing, not loading continuously: nothing is read
    EXPECT_EQ(m_main->CurrentDataList(), nullptr);
    m_main->SetStoringTimes(m_clock.Now(), m_clock.Now() + 1, 60.0 / 86400, true);
    m_main->SetStoringState(eStoringImmediate);
    Ticks(3);
    OrvDataList* list = m_main->CurrentDataList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetCount(), 3);
    for (int i = 0; i < list->GetCount(); ++i)
        EXPECT_EQ(list->GetDataset(i)->GetDataType(), eVector);
}

TEST_F(MainObject, AlarmAboveTheThresholdOnlyAndReleasedWhenSwitchedOff) {
    // An analyser that measures 2 uT, steadily.
    const std::vector<std::string> steady = {
        "title", "", "Demo", "<REMOTE DEMO DATA>",
        "MEM# D PROBE      CHN MODE DATE     TIME     STEP",
        "1    A INT_PRB    ALL FST  26-11-30 08:00:00 00:00:01", "VALUE[T] VALID", "2.0000E-06 OK",
        "MEM# D PROBE      CHN MODE DATE     TIME     STEP",
        "2    A INT_PRB    ALL STD  26-11-30 08:00:00 00:00:01", "VALUE[%] VALID", "1.0000E+00 OK"};
    DemoAnalyser().LoadTemplatesFromLines(steady);
    EnterRemote(eFST);
    Ticks(2);
    ASSERT_NE(LiveSeries(), nullptr);
    m_main->SetAlarmActive(true);
    EXPECT_EQ(ReadRegInt("AlarmAct", 0), 1);

    ViewSetup().SetThreshold(eTesla, 2.0e-6); // exactly at the threshold: no alarm
    Ticks(3);
    EXPECT_NE(m_window.StatusTag(), kAlarmTag);
    EXPECT_EQ(m_window.beeps, 0);

    ViewSetup().SetThreshold(eTesla, 1.9e-6);
    Ticks(1);
    EXPECT_EQ(m_window.StatusTag(), kAlarmTag);
    EXPECT_TRUE(m_window.alarmTimer);
    EXPECT_EQ(m_window.beeps, 1);

    ViewSetup().SetThreshold(eTesla, 5e-6); // below again: the alarm is held
    Ticks(1);
    EXPECT_EQ(m_window.StatusTag(), kAlarmTag);

    m_main->SetAlarmActive(false); // released only when switched off
    Ticks(1);
    EXPECT_EQ(m_window.StatusTag(), 1);
    EXPECT_FALSE(m_window.alarmTimer);
    DemoAnalyser().LoadTemplates(ProgramFile("DemoDat.dat"));
}

TEST_F(MainObject, LoadingTheSameAnalyserAgainAsksWhetherToMerge) {
    auto loader = [](int firstMem, int count) {
        return [=](OrvDataList& list) {
            TransferLines lines = {"Device:;    LF-Analyser", "SN:;        A-1",
                                   "CAL-DATE:;  24-05-12",    "HW-Version:;2",
                                   "SW-Version:;1.23",        "SW-Date:;   24-06-01",
                                   "SW-Time:;   10:20:30"};
            for (int i = 0; i < count; ++i) {
                lines.push_back("MEM#;D;PROBE;CHN;MODE;DATE;TIME;MAX;VALUE[T];VALID");
                lines.push_back(std::to_string(firstMem + i) + ";N;INT_PRB;ALL;FST;24-05-07;08:0" +
                                std::to_string(firstMem + i) + ":00;LIVE;1E-06;OK");
            }
            return list.ParseTransfer(lines);
        };
    };
    m_window.wizard = loader(1, 2);
    ASSERT_TRUE(m_main->LoadDatasets());
    ASSERT_EQ(m_main->DataLists().size(), 1u);
    EXPECT_TRUE(m_window.messages.empty());

    m_window.wizard = loader(2, 2); // one twin (memory 2 at 08:02), one new
    m_window.answer = MessageAnswer::Yes;
    ASSERT_TRUE(m_main->LoadDatasets());
    ASSERT_EQ(m_window.messages.size(), 1u);
    EXPECT_EQ(m_window.messages[0], std::string("Ombrix Warning: ") + kMergeQuestion);
    ASSERT_EQ(m_main->DataLists().size(), 1u);
    EXPECT_EQ(m_main->DataLists()[0]->GetCount(), 3);

    m_window.wizard = loader(7, 1);
    m_window.answer = MessageAnswer::No; // replace the old list
    ASSERT_TRUE(m_main->LoadDatasets());
    ASSERT_EQ(m_main->DataLists().size(), 1u);
    EXPECT_EQ(m_main->DataLists()[0]->GetCount(), 1);

    m_window.wizard = [](OrvDataList&) { return false; }; // cancelled: nothing changes
    EXPECT_TRUE(m_main->LoadDatasets());
    EXPECT_EQ(m_main->DataLists()[0]->GetCount(), 1);
}

TEST_F(MainObject, LiveFlagsAreStoredAndSelectingFindsTheList) {
    m_main->SetLoadFFTContinuous(true);
    EXPECT_EQ(ReadRegInt("LoadFFTCont", 0), 1);
    OrvMainObject second;
    second.Complete();
    EXPECT_TRUE(second.LoadFFTContinuous());
    EXPECT_FALSE(m_main->SelectDataList(nullptr));
    EXPECT_EQ(m_main->CurrentDataList(), nullptr);
}

} // namespace
