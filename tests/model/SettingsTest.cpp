#include "TestSupport.h"

#include "core/FormatSettings.h"
#include "core/RegionalFormats.h"
#include "core/SettingsStore.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace ombrix;

namespace {

class SettingsHelpers : public test::ModelTest {};

TEST_F(SettingsHelpers, MissingValuesGiveTheirDefaults) {
    EXPECT_EQ(ReadRegInt(reg::kShowSplash, reg::kShowSplashDefault), 1);
    EXPECT_EQ(ReadRegString(reg::kComPort, reg::kComPortDefault), "COM1");
    EXPECT_EQ(ReadRegInt(reg::kBaudrate, reg::kBaudrateDefault), 19200);
    WriteRegInt(reg::kShowSplash, 0);
    WriteRegString(reg::kComPort, "COM3");
    EXPECT_EQ(ReadRegInt(reg::kShowSplash, 1), 0);
    EXPECT_EQ(ReadRegString(reg::kComPort, "COM1"), "COM3");
    // A string where a number is expected reads as missing.
    WriteRegString(reg::kBaudrate, "fast");
    EXPECT_EQ(ReadRegInt(reg::kBaudrate, 19200), 19200);
    WriteRegString(reg::kBaudrate, "9600");
    EXPECT_EQ(ReadRegInt(reg::kBaudrate, 19200), 9600);
}

TEST_F(SettingsHelpers, ScopeGuardRestoresConventionsOnEveryPath) {
    const FormatSettings before = CurrentFormat();
    try {
        FormatSettingsScope scope;
        CurrentFormat().DecimalSeparator = ',';
        CurrentFormat().ShortDateFormat = "yy-mm-dd";
        throw std::runtime_error("reader failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(CurrentFormat(), before);
}

struct LocaleCase {
    LocalePatterns patterns;
    const char* shortDate;
    char dateSep;
    const char* longTime;
    char timeSep;
    char decimal;
    char list;
};

TEST(RegionalFormats, OnlyNumericElementsOfTheLocaleAreKept) {
    const LocaleCase cases[] = {
        {{"dd.MM.yy", "HH:mm:ss", ",", "."}, "dd/mm/yy", '.', "hh:nn:ss", ':', ',', ';'},
        {{"M/d/yy", "h:mm:ss AP t", ".", ","}, "m/d/yy", '/', "h:nn:ss", ':', '.', ','},
        {{"d MMM yyyy", "HH:mm:ss t", ".", ","}, "d/mm/yyyy", '/', "hh:nn:ss", ':', '.', ','},
        {{"yyyy-MM-dd", "HH.mm.ss", ",", " "}, "yyyy/mm/dd", '-', "hh:nn:ss", '.', ',', ';'},
        {{"dddd, d. MMMM yyyy", "HH:mm", ",", "."}, "d/mm/yyyy", '.', "hh:nn:ss", ':', ',', ';'},
        {{"", "", "", ""}, "dd/mm/yyyy", '/', "hh:nn:ss", ':', '.', ','},
        // A date separator equal to the list separator would split the cell.
        {{"dd;MM;yyyy", "HH:mm:ss", ",", "."}, "dd/mm/yyyy", '.', "hh:nn:ss", ':', ',', ';'},
    };
    for (const auto& c : cases) {
        const FormatSettings fs = FormatSettingsFromLocale(c.patterns);
        EXPECT_EQ(fs.ShortDateFormat, c.shortDate) << c.patterns.shortDate;
        EXPECT_EQ(fs.DateSeparator, c.dateSep) << c.patterns.shortDate;
        EXPECT_EQ(fs.LongTimeFormat, c.longTime) << c.patterns.longTime;
        EXPECT_EQ(fs.TimeSeparator, c.timeSep) << c.patterns.longTime;
        EXPECT_EQ(fs.DecimalSeparator, c.decimal);
        EXPECT_EQ(fs.ListSeparator, c.list);
    }
}

} // namespace
