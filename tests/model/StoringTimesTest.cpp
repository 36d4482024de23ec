// The storing page's times: what the edits show, how they read back in the
// user's formats, the shortest interval of each mode with its message, and
// the locks while storing runs.

#include "mainwindow/StoringTimes.h"
#include "config/Listendecl.h"
#include "core/OrvMainObject.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace ombrix {
namespace {

using test::EnglishFormats;
using test::GermanFormats;

StoringTimesText Texts(const std::string& interval, const std::string& startTime,
                       const std::string& startDate, const std::string& stopTime,
                       const std::string& stopDate) {
    return {interval, startTime, startDate, stopTime, stopDate, false};
}

TEST(StoringTimes, TextsReadBackInTheUsersFormats) {
    const StoringTimes times{EncodeDateTime({2026, 12, 11, 14, 30, 5}),
                             EncodeDateTime({2026, 12, 12, 8, 0, 0}), EncodeTime(0, 2, 30, 0),
                             true};
    for (const FormatSettings& fs : {GermanFormats(), EnglishFormats()}) {
        const StoringTimesText text = StoringTimesToText(times, fs);
        EXPECT_EQ(text.interval, "00:02:30");
        EXPECT_TRUE(text.asap);
        const auto back = ReadStoringTimes(text, eFST, fs);
        ASSERT_TRUE(back);
        EXPECT_NEAR(back->start, times.start, 1e-9);
        EXPECT_NEAR(back->stop, times.stop, 1e-9);
        EXPECT_NEAR(back->interval, times.interval, 1e-9);
        EXPECT_TRUE(back->asap);
    }
    const StoringTimesText german = StoringTimesToText(times, GermanFormats());
    EXPECT_EQ(german.startDate, "11.12.2026");
    EXPECT_EQ(german.startTime, "14:30:05");
}

// The interval is "hh:mm:ss" even where the user's time separator is another.
TEST(StoringTimes, IntervalAlwaysUsesColons) {
    FormatSettings dotted = GermanFormats();
    dotted.TimeSeparator = '.';
    dotted.LongTimeFormat = "hh:nn:ss";
    const StoringTimes times{EncodeDateTime({2026, 1, 2, 3, 4, 5}),
                             EncodeDateTime({2026, 1, 2, 4, 4, 5}), EncodeTime(1, 0, 0, 0)};
    const StoringTimesText text = StoringTimesToText(times, dotted);
    EXPECT_EQ(text.interval, "01:00:00");
    EXPECT_EQ(text.startTime, "03.04.05");
    EXPECT_TRUE(ReadStoringTimes(text, eFST, dotted));
}

TEST(StoringTimes, ShortestIntervalOfEachMode) {
    struct Case {
        int mode;
        const char* minimal;
        const char* justBelow;
    };
    for (const Case& c : {Case{eFST, "00:00:01", "00:00:00"}, Case{eSTD, "00:00:01", "00:00:00"},
                          Case{eFFT, "00:01:00", "00:00:59"}, Case{eHAR, "00:00:10", "00:00:09"}}) {
        SCOPED_TRACE(c.mode);
        EXPECT_EQ(IntervalText(MinimalStoringInterval(c.mode)), c.minimal);
        const std::string day = "11.12.2026";
        EXPECT_TRUE(ReadStoringTimes(Texts(c.minimal, "10:00:00", day, "11:00:00", day), c.mode,
                                     GermanFormats()));
        EXPECT_FALSE(ReadStoringTimes(Texts(c.justBelow, "10:00:00", day, "11:00:00", day), c.mode,
                                      GermanFormats()));
    }
}

TEST(StoringTimes, TextsThatAreNoTimeOrDateAreRefused) {
    const std::string day = "11.12.2026";
    for (const StoringTimesText& bad :
         {Texts("00:00:05", "25:00:00", day, "11:00:00", day),
          Texts("00:00:05", "10:00:00", "32.12.2026", "11:00:00", day),
          Texts("00:00:05", "10:00:00", "", "11:00:00", day),
          Texts("00:00:05", "10:00:00", day, "", day),
          Texts("5 s", "10:00:00", day, "11:00:00", day),
          Texts("", "10:00:00", day, "11:00:00", day)})
        EXPECT_FALSE(ReadStoringTimes(bad, eFST, GermanFormats()))
            << bad.interval << " | " << bad.startTime << " " << bad.startDate;
}

TEST(StoringTimes, MessagesOfARefusedEntry) {
    EXPECT_EQ(StoringTimesError(true, eFFT, GermanFormats()),
              "Time Format is: hh:mm:ss\nand minimal value is:00:01:00");
    EXPECT_EQ(StoringTimesError(true, eHAR, GermanFormats()),
              "Time Format is: hh:mm:ss\nand minimal value is:00:00:10");
    EXPECT_EQ(StoringTimesError(false, eFFT, GermanFormats()),
              "Time/Date Format is: hh:nn:ss / dd.mm.yyyy");
}

TEST(StoringTimes, ProgrammedPeriodMustLieAheadAndLast) {
    const DateTime now = EncodeDateTime({2026, 12, 11, 12, 0, 0});
    const DateTime minute = EncodeTime(0, 1, 0, 0);
    EXPECT_TRUE(ProgrammedPeriodAcceptable(now + minute, now + 2 * minute, now));
    EXPECT_FALSE(ProgrammedPeriodAcceptable(now - minute, now + 2 * minute, now));
    EXPECT_FALSE(ProgrammedPeriodAcceptable(now, now + 2 * minute, now));
    EXPECT_FALSE(ProgrammedPeriodAcceptable(now + minute, now + minute, now));
}

TEST(StoringTimes, TimesLockedWhileStoringRuns) {
    for (int state : {eStoringImmediate, eStoringProgrammed}) {
        const StoringLocks locks = StoringLocksFor(state, false);
        EXPECT_FALSE(locks.timesEnabled);
        EXPECT_FALSE(locks.intervalEnabled);
    }
    EXPECT_TRUE(StoringLocksFor(eStoringStopped, false).intervalEnabled);
    EXPECT_TRUE(StoringLocksFor(eStoringStopped, true).timesEnabled);
    EXPECT_FALSE(StoringLocksFor(eStoringStopped, true).intervalEnabled);
}

} // namespace
} // namespace ombrix
