#include "core/DateTime.h"
#include "core/LocaleFormatSettings.h"
#include "core/NumberFormat.h"
#include "core/QtSettingsStore.h"

#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ombrix;

namespace {

TEST(QtSettingsStore, StoresUnderTheSettingsGroupAndKeepsLatin1) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Ombrix.conf");
    QtSettingsStore store(file);
    EXPECT_FALSE(store.ReadString("COMPort").has_value());
    EXPECT_FALSE(store.ReadInt("Baudrate").has_value());

    store.WriteInt("Baudrate", 9600);
    store.WriteString("COMPort", "COM3");
    store.WriteString("DateFormat", "");
    store.WriteString("Note", "10 \xB5T");
    EXPECT_EQ(store.ReadInt("Baudrate"), 9600);
    EXPECT_EQ(store.ReadString("COMPort"), "COM3");
    EXPECT_EQ(store.ReadString("DateFormat"), ""); // empty is not missing
    EXPECT_EQ(store.ReadString("Note"), "10 \xB5T");
    EXPECT_FALSE(store.ReadInt("COMPort").has_value());

    // A second store on the same file sees the values: nothing is cached.
    QtSettingsStore other(file);
    EXPECT_EQ(other.ReadString("COMPort"), "COM3");
    QSettings raw(file, QSettings::IniFormat);
    EXPECT_EQ(raw.value("Settings/Baudrate").toInt(), 9600);
}

// Whatever the locale, a date and time written with its conventions reads back.
TEST(LocaleFormats, EveryLocaleWritesTextsThatReadBack) {
    const DateTime moment = EncodeDate(2024, 11, 3) + EncodeTime(17, 45, 12, 0);
    for (const char* name : {"C", "en_US", "de_DE", "fr_FR", "en_GB", "ja_JP", "fi_FI", "ar_EG"}) {
        const FormatSettings fs = FormatSettingsFromQLocale(QLocale(QString::fromLatin1(name)));
        const std::string date = FormatDateTime(fs.ShortDateFormat, moment, fs);
        const std::string time = FormatDateTime(fs.LongTimeFormat, moment, fs);
        EXPECT_EQ(date.find(' '), std::string::npos) << name << ": " << date;
        EXPECT_EQ(time.find(' '), std::string::npos) << name << ": " << time;
        EXPECT_NE(date.find(fs.DateSeparator), std::string::npos) << name;
        EXPECT_NE(fs.DateSeparator, fs.ListSeparator) << name;
        EXPECT_NEAR(StrToDateTime(date + " " + time, fs), moment, 1e-8) << name << ": " << date << " " << time;
        EXPECT_EQ(ParseFloat(FloatToStr(1234.5, fs.DecimalSeparator), fs.DecimalSeparator), 1234.5) << name;
    }
    const FormatSettings german = FormatSettingsFromQLocale(QLocale(QString::fromLatin1("de_DE")));
    EXPECT_EQ(german.DecimalSeparator, ',');
    EXPECT_EQ(german.DateSeparator, '.');
    EXPECT_EQ(german.ListSeparator, ';');
    const FormatSettings american = FormatSettingsFromQLocale(QLocale(QString::fromLatin1("en_US")));
    EXPECT_EQ(american.ShortDateFormat, "m/d/yy");
    EXPECT_EQ(american.LongTimeFormat, "h:nn:ss");
}

} // namespace
