// The REMOTE panel in the running program: the storing page with its times,
// checks and locks, the live value, spectrum and harmonics requests with the
// indicator moving while the analyser measures, continuous loading, the reset
// of the live series, and the alarm. The clock is a manual one and the
// analyser's waits take no time; ticks run through the window's own timer.

#include "MainWindowFixture.h"

#include "config/Listendecl.h"
#include "config/OrvConfiguration.h"
#include "core/DateTime.h"
#include "core/HostWindow.h"
#include "datasets/OrvAutoDataset.h"
#include "datasets/TransferLines.h"
#include "mainwindow/MainWindowRules.h"
#include "mainwindow/StatusPanel.h"
#include "mainwindow/StoringPage.h"
#include "presentation/ViewSetupStruct.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <set>

using namespace ombrix;
using uitest::AnswerNextMessageBox;
using uitest::SeenMessage;

namespace {

constexpr DateTime kMinute = 1.0 / 1440;

class RemotePanel : public uitest::MainWindowFixture {
protected:
    // REMOTE with the one-second timer held: each tick is run by Tick().
    void StartRemote() {
        Create("REMOTE", 0);
        ASSERT_TRUE(Launch());
        ASSERT_EQ(Form().Mode(), eModeRemote);
        Form().TimerSec()->stop();
        Tick();
    }

    // One tick of the window's timer, as it fires by itself.
    void Tick() {
        QTimer* timer = Form().TimerSec();
        bool fired = false;
        const auto connection = QObject::connect(timer, &QTimer::timeout, [&] { fired = true; });
        timer->start(0);
        ASSERT_TRUE(QTest::qWaitFor([&] { return fired; }, 3000));
        QObject::disconnect(connection);
        timer->stop();
        Form().UpdateActions();
    }

    QTabBar* ModeTabs() const { return Find<QTabBar>("TabControlMode"); }
    QTabWidget* LeftPages() const { return Find<QTabWidget>("PageControlFunc"); }
    QTabBar* StoringTabs() const { return Find<QTabBar>("TabControlAutoStoring"); }
    QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(name); }

    void ShowStoringPage() {
        LeftPages()->setCurrentIndex(1);
        ASSERT_TRUE(Form().StoringPage());
    }

    // Types `text` into an edit and leaves it with Enter.
    void Type(const char* edit, const QString& text) {
        QLineEdit* line = Edit(edit);
        line->setFocus();
        line->selectAll();
        QTest::keyClicks(line, text);
        QTest::keyClick(line, Qt::Key_Return);
    }

    static QString TimeText(DateTime t) {
        return QString::fromLatin1(FormatDateTime(RegionalFormat().LongTimeFormat, t));
    }
    static QString DateText(DateTime t) {
        return QString::fromLatin1(FormatDateTime(RegionalFormat().ShortDateFormat, t));
    }
    // The stop first: every edit left hands both times over in order, so a
    // start typed beyond the old stop would trade places with it.
    void TypePeriod(DateTime start, DateTime stop) {
        Type("EditStopDate", DateText(stop));
        Type("EditStopTime", TimeText(stop));
        Type("EditStartDate", DateText(start));
        Type("EditStartTime", TimeText(start));
    }

    DateTime StoredInterval() const {
        DateTime start = 0, stop = 0, interval = 0;
        bool asap = false;
        Main().GetStoringTimes(start, stop, interval, asap);
        return interval;
    }

    OrvDataList& List() const { return *Main().CurrentDataList(); }
    OrvAutoDataset* LiveSeries() const {
        OrvDataset* live = List().GetLive();
        return live && live->GetDataType() == eAuto ? static_cast<OrvAutoDataset*>(live) : nullptr;
    }
};

TEST_F(RemotePanel, ModeTabsSwitchTheModeAndItsStoringInterval) {
    StartRemote();
    ShowStoringPage();
    EXPECT_EQ(Edit("EditTimeInterval")->text(), QStringLiteral("00:00:01"));
    struct Case {
        int tab;
        int mode;
        const char* interval;
        bool loadShown;
    };
    for (const Case& c : {Case{1, eSTD, "00:00:01", false}, Case{2, eFFT, "00:01:00", true},
                          Case{3, eHAR, "00:00:10", true}, Case{0, eFST, "00:00:01", false}}) {
        SCOPED_TRACE(c.tab);
        ModeTabs()->setCurrentIndex(c.tab);
        EXPECT_EQ(Form().FunctionMode(), c.mode);
        EXPECT_EQ(Main().CurrentMode(), c.mode);
        // A mode change shows the configuration page and starts stopped.
        EXPECT_FALSE(Form().StoringPage());
        EXPECT_EQ(StoringTabs()->currentIndex(), eStoringStopped);
        EXPECT_EQ(Edit("EditTimeInterval")->text(), QString::fromLatin1(c.interval));
        Form().UpdateActions();
        EXPECT_EQ(Action("OrvLoadFFT")->isVisible(), c.loadShown);
        EXPECT_EQ(Action("OrvReset_FST_STD_Data")->isVisible(), !c.loadShown);
    }
}

TEST_F(RemotePanel, IntervalShorterThanTheModeAllowsIsRefused) {
    StartRemote();
    ModeTabs()->setCurrentIndex(2);
    ASSERT_EQ(Main().CurrentMode(), eFFT);
    ShowStoringPage();

    auto seen = std::make_shared<SeenMessage>();
    AnswerNextMessageBox(QMessageBox::Ok, seen);
    Type("EditTimeInterval", QStringLiteral("00:00:05"));
    EXPECT_TRUE(seen->seen);
    EXPECT_EQ(seen->title, QStringLiteral("Ombrix Error"));
    EXPECT_EQ(seen->text,
              QStringLiteral("Time Format is: hh:mm:ss\nand minimal value is:00:01:00"));
    EXPECT_EQ(Edit("EditTimeInterval")->text(), QStringLiteral("00:01:00"));
    EXPECT_NEAR(StoredInterval(), kMinute, 1e-9);

    Type("EditTimeInterval", QStringLiteral("00:02:30"));
    EXPECT_NEAR(StoredInterval(), 2.5 * kMinute, 1e-9);

    // A date that is none names the user's pictures.
    seen = std::make_shared<SeenMessage>();
    AnswerNextMessageBox(QMessageBox::Ok, seen);
    Type("EditStartDate", QStringLiteral("31/02/2026"));
    EXPECT_EQ(seen->text,
              QString::fromLatin1("Time/Date Format is: " + RegionalFormat().LongTimeFormat +
                                  " / " + RegionalFormat().ShortDateFormat));
    EXPECT_EQ(Edit("EditStartDate")->text(), DateText(m_Clock.Now()));
}

TEST_F(RemotePanel, ProgrammedStoringStartsAheadAndEndsByItself) {
    StartRemote();
    ShowStoringPage();
    const DateTime now = m_Clock.Now();
    TypePeriod(now + kMinute, now + 2 * kMinute);
    StoringTabs()->setCurrentIndex(eStoringProgrammed);
    ASSERT_EQ(Main().StoringState(), eStoringProgrammed);
    for (const char* locked : {"EditStartTime", "EditStopDate", "EditTimeInterval"})
        EXPECT_FALSE(Edit(locked)->isEnabled()) << locked;
    EXPECT_FALSE(Find<QWidget>("ButtonSingleStoring")->isEnabled());
    EXPECT_FALSE(Find<QWidget>("CheckBoxASAP")->isEnabled());

    const int listsBefore = List().GetCount();
    Tick();
    EXPECT_EQ(List().GetCount(), listsBefore);
    m_Clock.Set(now + kMinute + 1.0 / 86400);
    Tick();
    m_Clock.AdvanceSeconds(1);
    Tick();
    ASSERT_TRUE(LiveSeries());
    EXPECT_GE(LiveSeries()->GetSampleCount(), 2);

    // One second after the stop the state and the tab go back to "Stop" by
    // themselves, and the recorded series is stored.
    m_Clock.Set(now + 2 * kMinute + 1.5 / 86400);
    Tick();
    EXPECT_EQ(Main().StoringState(), eStoringStopped);
    EXPECT_EQ(StoringTabs()->currentIndex(), eStoringStopped);
    EXPECT_TRUE(Edit("EditStartTime")->isEnabled());
    Tick();
    EXPECT_EQ(List().GetCount(), listsBefore + 1);
}

TEST_F(RemotePanel, ProgrammedStoringInThePastIsRefused) {
    StartRemote();
    ShowStoringPage();
    const DateTime now = m_Clock.Now();
    TypePeriod(now - kMinute, now + kMinute);
    auto seen = std::make_shared<SeenMessage>();
    AnswerNextMessageBox(QMessageBox::Ok, seen);
    Trigger("StoringStartPGMD");
    EXPECT_TRUE(seen->seen);
    EXPECT_EQ(seen->title, QStringLiteral("Ombrix Warning"));
    EXPECT_EQ(seen->text, QStringLiteral("Check Auto Storing Parameters!"));
    EXPECT_EQ(Main().StoringState(), eStoringStopped);
    EXPECT_EQ(StoringTabs()->currentIndex(), eStoringStopped);
    Form().UpdateActions();
    EXPECT_TRUE(Action("StoringStop")->isChecked());
}

// A programmed period that has begun when the page learns of it (from the
// menu or another caller) keeps running: its start lies in the past by now.
TEST_F(RemotePanel, RunningProgrammedPeriodIsNotCheckedAgain) {
    StartRemote();
    const DateTime now = m_Clock.Now();
    Main().SetStoringTimes(now - kMinute, now + kMinute, 1.0 / 86400, false);
    Main().SetStoringState(eStoringProgrammed);
    auto seen = std::make_shared<SeenMessage>();
    auto watch = AnswerNextMessageBox(QMessageBox::Ok, seen, 500, false);
    Tick();
    watch->cancelled = true;
    EXPECT_FALSE(seen->seen);
    EXPECT_EQ(Main().StoringState(), eStoringProgrammed);
    EXPECT_EQ(StoringTabs()->currentIndex(), eStoringProgrammed);
    EXPECT_FALSE(Edit("EditStartTime")->isEnabled());
}

// While values are stored at once, the mode tabs, the left pages and the
// storing times stay; "Stop" turns the recorded series into a dataset.
TEST_F(RemotePanel, ImmediateStoringLocksTabsPagesAndTimes) {
    StartRemote();
    ShowStoringPage();
    StoringTabs()->setCurrentIndex(eStoringImmediate);
    ASSERT_EQ(Main().StoringState(), eStoringImmediate);
    const int modeTab = ModeTabs()->currentIndex();
    ModeTabs()->setCurrentIndex(2);
    EXPECT_EQ(ModeTabs()->currentIndex(), modeTab);
    EXPECT_EQ(Main().CurrentMode(), eFST);
    LeftPages()->setCurrentIndex(0);
    EXPECT_TRUE(Form().StoringPage());
    EXPECT_FALSE(Find<QWidget>("ButtonSingleStoring")->isEnabled());
    EXPECT_FALSE(Edit("EditStopTime")->isEnabled());
    Form().UpdateActions();
    EXPECT_FALSE(Action("StoringAllAboutThreahold")->isEnabled());
    EXPECT_FALSE(Find<QCheckBox>("CheckBoxSaveThreshold")->isEnabled());

    const int before = List().GetCount();
    for (int i = 0; i < 3; ++i) {
        m_Clock.AdvanceSeconds(1);
        Tick();
    }
    StoringTabs()->setCurrentIndex(eStoringStopped);
    Tick();
    EXPECT_EQ(List().GetCount(), before + 1);
    EXPECT_TRUE(Find<QWidget>("ButtonSingleStoring")->isEnabled());
    ModeTabs()->setCurrentIndex(2);
    EXPECT_EQ(Main().CurrentMode(), eFFT);
}

TEST_F(RemotePanel, SingleStoringAndTheThresholdCheckBox) {
    StartRemote();
    ShowStoringPage();
    Tick();
    const int before = List().GetCount();
    Find<QPushButton>("ButtonSingleStoring")->click();
    EXPECT_EQ(List().GetCount(), before + 1);

    auto* threshold = Find<QCheckBox>("CheckBoxSaveThreshold");
    Form().UpdateActions();
    ASSERT_TRUE(threshold->isEnabled());
    const bool was = Main().AutoStore();
    EXPECT_EQ(threshold->isChecked(), was);
    threshold->click();
    EXPECT_EQ(Main().AutoStore(), !was);
    EXPECT_EQ(threshold->isChecked(), !was);
}

TEST_F(RemotePanel, AsapLocksTheInterval) {
    StartRemote();
    ShowStoringPage();
    auto* asap = Find<QCheckBox>("CheckBoxASAP");
    asap->click();
    EXPECT_FALSE(Edit("EditTimeInterval")->isEnabled());
    DateTime start = 0, stop = 0, interval = 0;
    bool stored = false;
    Main().GetStoringTimes(start, stop, interval, stored);
    EXPECT_TRUE(stored);
    asap->click();
    EXPECT_TRUE(Edit("EditTimeInterval")->isEnabled());
}

TEST_F(RemotePanel, TickShowsTheClock) {
    StartRemote();
    m_Clock.Set(EncodeDateTime({2027, 3, 4, 5, 6, 7}));
    Tick();
    EXPECT_EQ(Edit("EditActualTime")->text(), QStringLiteral("05:06:07"));
    EXPECT_EQ(Edit("EditActualDate")->text(), QStringLiteral("04/03/2027"));
}

// An overdriven live value is named instead of its number; the bar spans the
// decades of the measuring range: three for the percent range of STD.
TEST_F(RemotePanel, LiveValueOverdriveAndRangeBar) {
    StartRemote();
    Tick();
    OrvAutoDataset* live = LiveSeries();
    ASSERT_TRUE(live);
    auto* value = Find<QLabel>("LabelValueVal");
    EXPECT_NE(value->text(), QStringLiteral("Overdrive"));
    OrvDataset::SetTransferSeparator(' ');
    const int next = live->GetSampleCount() + 1;
    ASSERT_TRUE(
        live->AppendSamples(TransferLines::FromText(std::to_string(next) + " 9.9E-03 !O 50\r\n")));
    Form().RefreshView();
    EXPECT_EQ(value->text(), QStringLiteral("Overdrive"));
    EXPECT_TRUE(Find<QWidget>("ProgressBarValue")->isVisibleTo(&Form()));

    ModeTabs()->setCurrentIndex(1);
    ASSERT_EQ(Main().CurrentMode(), eSTD);
    double min = 0, max = 0;
    Main().Configuration().RangeLimits(min, max);
    ASSERT_DOUBLE_EQ(min, 0.2);
    ASSERT_DOUBLE_EQ(max, 200);
    Tick();
    Tick();
    auto* bar = Find<QProgressBar>("ProgressBarValue");
    EXPECT_TRUE(bar->isVisibleTo(&Form()));
    EXPECT_EQ(bar->maximum(), 300);
    EXPECT_EQ(bar->width(), 300);
    EXPECT_FALSE(Find<QLabel>("ImageValueScale")->pixmap().isNull());
}

TEST_F(RemotePanel, StoredSingleValueShowsNoBar) {
    StartRemote();
    ModeTabs()->setCurrentIndex(kDatabaseTab);
    OrvDataList* list = ShowOnly(uitest::MakeDataList({{1, 'N'}}));
    Select(list->GetDataset(0));
    Form().RefreshView();
    EXPECT_EQ(Form().ViewSheet(), eSheetValue);
    EXPECT_FALSE(Find<QWidget>("ProgressBarValue")->isVisibleTo(&Form()));
    EXPECT_FALSE(Find<QWidget>("ImageValueScale")->isVisibleTo(&Form()));
}

// While the analyser measures a spectrum the window takes events, its
// indicator moves, the tabs are locked and ticks stay away; afterwards the
// request button stays down until the next tick.
TEST_F(RemotePanel, SingleSpectrumAndHarmonicsRequests) {
    StartRemote();
    struct Case {
        int tab;
        Code kind;
    };
    for (const Case& c : {Case{2, eVector}, Case{3, eList}}) {
        SCOPED_TRACE(c.tab);
        ModeTabs()->setCurrentIndex(c.tab);
        Tick();
        ASSERT_EQ(Form().FftState(), eFftIdle);
        Form().UpdateActions();
        ASSERT_TRUE(Action("OrvLoadFFT")->isEnabled());
        EXPECT_EQ(Action("OrvLoadFFT")->toolTip(),
                  QStringLiteral("Transmit spectrum from field analyser"));

        std::set<int> tags;
        bool sawLocked = false;
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            tags.insert(Form().StatusLine().Tag());
            sawLocked =
                sawLocked || (!Form().IsReady() && Form().Busy() && !ModeTabs()->isEnabled() &&
                              !Action("OrvLoadFFT")->isEnabled());
            Form().UpdateActions();
        });
        watcher.start(0);
        const int record = Main().RecordNumber();
        Trigger("OrvLoadFFT");
        watcher.stop();
        EXPECT_TRUE(sawLocked);
        EXPECT_GE(tags.size(), 5u);

        EXPECT_GT(Main().RecordNumber(), record);
        ASSERT_TRUE(Main().CurrentDataset());
        EXPECT_EQ(Main().CurrentDataset()->GetDataType(), c.kind);
        EXPECT_TRUE(Form().IsReady());
        Form().UpdateActions();
        EXPECT_TRUE(Action("OrvLoadFFT")->isChecked());
        EXPECT_FALSE(Action("OrvLoadFFT")->isEnabled());
        EXPECT_EQ(Action("OrvLoadFFT")->toolTip(),
                  QStringLiteral("Data processing ... please wait"));
        Tick();
        EXPECT_FALSE(Action("OrvLoadFFT")->isChecked());
        EXPECT_TRUE(Action("OrvLoadFFT")->isEnabled());
        // A single request does not repeat by itself.
        const int afterTick = Main().RecordNumber();
        Tick();
        EXPECT_EQ(Main().RecordNumber(), afterTick);
    }
}

TEST_F(RemotePanel, ContinuousLoadingFetchesOnEveryTick) {
    StartRemote();
    ModeTabs()->setCurrentIndex(3);
    Tick();
    Trigger("OrvLoadFFTcont");
    ASSERT_TRUE(Main().LoadFFTContinuous());
    for (int i = 0; i < 3; ++i) {
        const int record = Main().RecordNumber();
        Tick();
        EXPECT_GT(Main().RecordNumber(), record);
        EXPECT_EQ(Main().CurrentDataset()->GetDataType(), eList);
    }
    Trigger("OrvLoadFFTcont");
    EXPECT_FALSE(Main().LoadFFTContinuous());
    const int record = Main().RecordNumber();
    Tick();
    EXPECT_EQ(Main().RecordNumber(), record);
}

TEST_F(RemotePanel, ResetStartsANewLiveSeries) {
    StartRemote();
    for (int i = 0; i < 3; ++i)
        Tick();
    ASSERT_TRUE(LiveSeries());
    ASSERT_GE(LiveSeries()->GetSampleCount(), 3);
    const int memNumber = LiveSeries()->GetMemNumber();
    Trigger("OrvReset_FST_STD_Data");
    Tick();
    ASSERT_TRUE(LiveSeries());
    EXPECT_EQ(LiveSeries()->GetSampleCount(), 1);
    EXPECT_GT(LiveSeries()->GetMemNumber(), memNumber);
}

// The alarm turns the indicator red, holds while the newest value stays
// above the threshold and lets go once it no longer does.
TEST_F(RemotePanel, AlarmRaisedHeldAndReleased) {
    StartRemote();
    Tick();
    OrvAutoDataset* live = LiveSeries();
    ASSERT_TRUE(live);
    const ValueClass quantity = live->GetValueClass();
    const double threshold = ViewSetup().GetThreshold(quantity);
    ViewSetup().SetThreshold(quantity, live->GetValue() / 10);
    Trigger("ConfigAlarm");
    ASSERT_TRUE(Main().AlarmActive());
    Tick();
    EXPECT_EQ(Form().StatusLine().Tag(), kAlarmTag);
    EXPECT_TRUE(Form().AlarmTimer()->isActive());
    EXPECT_EQ(Form().AlarmTimer()->interval(), 2000);
    ActivityPanel* indicator = Form().StatusLine().Indicator();
    const QImage shown = indicator->grab().toImage();
    EXPECT_EQ(shown.pixelColor(shown.width() / 2, shown.height() / 2), QColor(Qt::red));

    // The timer's check holds the alarm while the value stays above.
    Form().AlarmTimer()->setInterval(20);
    QTest::qWait(100);
    EXPECT_EQ(Form().StatusLine().Tag(), kAlarmTag);
    EXPECT_TRUE(Form().AlarmTimer()->isActive());

    ViewSetup().SetThreshold(quantity, live->GetValue() * 10);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Form().AlarmTimer()->isActive(); }, 2000));
    EXPECT_EQ(Form().StatusLine().Tag(), 1);
    ViewSetup().SetThreshold(quantity, threshold);
    Trigger("ConfigAlarm");
}

} // namespace
