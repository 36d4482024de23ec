#include "TestSupport.h"

#include "core/ConvertError.h"
#include "core/DateTime.h"

#include <gtest/gtest.h>

using namespace ombrix;
using ombrix::test::GermanFormats;

namespace {

FormatSettings Formats(const char* shortDate, char dateSep, char timeSep = ':') {
    FormatSettings fs;
    fs.ShortDateFormat = shortDate;
    fs.DateSeparator = dateSep;
    fs.TimeSeparator = timeSep;
    return fs;
}

TEST(DateTime, DaysCountFromThe30thOfDecember1899) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2024, 5, 12), 45424.0);
    EXPECT_DOUBLE_EQ(EncodeTime(12, 0, 0, 0), 0.5);
    const DateParts p = DecodeDateTime(EncodeDate(2024, 2, 29) + EncodeTime(23, 59, 59, 999));
    EXPECT_EQ(p.year, 2024);
    EXPECT_EQ(p.month, 2);
    EXPECT_EQ(p.day, 29);
    EXPECT_EQ(p.hour, 23);
    EXPECT_EQ(p.minute, 59);
    EXPECT_EQ(p.second, 59);
    EXPECT_EQ(p.msec, 999);
    EXPECT_THROW(EncodeDate(2023, 2, 29), ConvertError);
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), ConvertError);
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 5, 12)), 1); // a Sunday
}

TEST(DateTime, RoundingToTheMillisecondCarriesIntoTheNextDay) {
    const DateTime almost = EncodeDate(2024, 5, 12) + (86400.0 - 0.0004) / 86400.0;
    const DateParts p = DecodeDateTime(almost);
    EXPECT_EQ(p.day, 13);
    EXPECT_EQ(p.hour, 0);
    EXPECT_EQ(p.second, 0);
}

struct PictureCase {
    const char* picture;
    const char* text;
};

TEST(DateTime, PicturesWriteAndReadTheSameMoment) {
    const FormatSettings fs = GermanFormats();
    const DateTime moment = EncodeDate(2024, 5, 7) + EncodeTime(8, 5, 9, 0);
    const PictureCase cases[] = {
        {"yy-mm-dd", "24-05-07"},
        {"dd.mm.yy", "07.05.24"},
        {"hh:mm:ss", "08:05:09"},    // m after an hour element is minutes
        {"hh:nn:ss", "08:05:09"},
        {"dd/mm/yyyy", "07.05.2024"}, // "/" is the date separator in force
        {"d/m/yyyy h:nn", "7.5.2024 8:05"},
        {"yyyy-mm-dd\"T\"hh:nn:ss", "2024-05-07T08:05:09"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatDateTime(c.picture, moment, fs), c.text) << c.picture;
        DateTime read = 0;
        ASSERT_TRUE(TryParseByPicture(c.text, c.picture, fs, read)) << c.picture;
        const std::string picture = c.picture;
        const bool hasDate = picture.find('d') != std::string::npos;
        const bool hasTime = picture.find('h') != std::string::npos;
        const bool hasSeconds = picture.find('s') != std::string::npos;
        DateTime expected = 0;
        if (hasDate) expected += EncodeDate(2024, 5, 7);
        if (hasTime) expected += EncodeTime(8, 5, hasSeconds ? 9 : 0, 0);
        EXPECT_NEAR(read, expected, 1e-9) << c.picture;
    }
}

TEST(DateTime, NamesAndTwelveHourClockInPictures) {
    const FormatSettings fs;
    const DateTime moment = EncodeDate(2024, 5, 12) + EncodeTime(15, 4, 0, 0);
    EXPECT_EQ(FormatDateTime("ddd d mmm yyyy", moment, fs), "Sun 12 May 2024");
    EXPECT_EQ(FormatDateTime("dddd, mmmm d", moment, fs), "Sunday, May 12");
    EXPECT_EQ(FormatDateTime("h:nn am/pm", moment, fs), "3:04 pm");
    EXPECT_EQ(FormatDateTime("hh:nn:ss.zzz", moment, fs), "15:04:00.000");
    DateTime read = 0;
    ASSERT_TRUE(TryParseByPicture("12 May 2024 3:04 PM", "d mmm yyyy h:nn am/pm", fs, read));
    EXPECT_NEAR(read, moment, 1e-9);
}

TEST(DateTime, ReadingFollowsTheOrderAndSeparatorOfTheShortDatePicture) {
    const DateTime may7 = EncodeDate(2024, 5, 7);
    EXPECT_EQ(StrToDate("07.05.2024", Formats("dd.mm.yyyy", '.')), may7);
    EXPECT_EQ(StrToDate("5/7/24", Formats("m/d/yy", '/')), may7);
    EXPECT_EQ(StrToDate("24-05-07", Formats("yy-mm-dd", '-')), may7);
    EXPECT_EQ(StrToDate("2024-5-7", Formats("yyyy-mm-dd", '-')), may7);
    // The separator must be the one in force: that is what makes the header
    // reader switch to the picture of the text.
    EXPECT_THROW(StrToDate("24-05-07", Formats("dd.mm.yy", '.')), ConvertError);
    EXPECT_THROW(StrToDate("31.02.2024", Formats("dd.mm.yyyy", '.')), ConvertError);
    EXPECT_THROW(StrToDate("07.05.2024x", Formats("dd.mm.yyyy", '.')), ConvertError);
    EXPECT_THROW(StrToDate("", Formats("dd.mm.yyyy", '.')), ConvertError);
}

TEST(DateTime, TimesAndDateTimes) {
    const FormatSettings fs = Formats("dd.mm.yy", '.');
    EXPECT_DOUBLE_EQ(StrToTime("08:05:09", fs), EncodeTime(8, 5, 9, 0));
    EXPECT_DOUBLE_EQ(StrToTime("8:05", fs), EncodeTime(8, 5, 0, 0));
    EXPECT_DOUBLE_EQ(StrToTime("3:04:00 PM", fs), EncodeTime(15, 4, 0, 0));
    EXPECT_DOUBLE_EQ(StrToTime("12:00:00 AM", fs), 0.0);
    EXPECT_THROW(StrToTime("25:00:00", fs), ConvertError);
    EXPECT_THROW(StrToTime("08-05-09", fs), ConvertError);
    EXPECT_DOUBLE_EQ(StrToDateTime("07.05.24 08:05:09", fs), EncodeDate(2024, 5, 7) + EncodeTime(8, 5, 9, 0));
    EXPECT_DOUBLE_EQ(StrToDateTime("07.05.24", fs), EncodeDate(2024, 5, 7));
    EXPECT_DOUBLE_EQ(StrToDateTime("08:05:09", fs), EncodeTime(8, 5, 9, 0));
    EXPECT_THROW(StrToDateTime("07.05.24 nonsense", fs), ConvertError);
}

TEST(DateTime, TwoDigitYearsFallInTheFiftyYearWindow) {
    EXPECT_EQ(ExpandTwoDigitYear(24, 2026, 50), 2024);
    EXPECT_EQ(ExpandTwoDigitYear(76, 2026, 50), 1976); // exactly fifty years back
    EXPECT_EQ(ExpandTwoDigitYear(75, 2026, 50), 2075);
    EXPECT_EQ(ExpandTwoDigitYear(77, 2026, 50), 1977);
    EXPECT_EQ(ExpandTwoDigitYear(99, 2026, 50), 1999);
    EXPECT_EQ(ExpandTwoDigitYear(0, 2026, 50), 2000);
    // The reader applies it against the current year.
    const int now = CurrentYear();
    const int yy = (now + 49) % 100;
    const DateParts p = DecodeDateTime(StrToDate("01.01." + std::to_string(100 + yy).substr(1), Formats("dd.mm.yy", '.')));
    EXPECT_EQ(p.year, ExpandTwoDigitYear(yy, now, 50));
    EXPECT_GE(p.year, now - 50);
    EXPECT_LT(p.year, now + 50);
}

TEST(DateTime, RegionalFourDigitYearPictureRoundTrips) {
    const FormatSettings fs = GermanFormats(); // dd.mm.yyyy
    const DateTime moment = EncodeDate(1987, 12, 31) + EncodeTime(23, 59, 58, 0);
    const std::string text = FormatDateTime(fs.ShortDateFormat, moment, fs) + " " +
                             FormatDateTime(fs.LongTimeFormat, moment, fs);
    EXPECT_EQ(text, "31.12.1987 23:59:58");
    EXPECT_DOUBLE_EQ(StrToDateTime(text, fs), moment);
}

} // namespace
