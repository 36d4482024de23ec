#pragma once
// Fixtures shared by the model tests: a fresh in-memory settings store and
// explicit number and date conventions for the duration of one test.

#include "core/FormatSettings.h"
#include "core/SettingsStore.h"

#include <gtest/gtest.h>

namespace ombrix::test {

inline FormatSettings GermanFormats() {
    FormatSettings fs;
    fs.DecimalSeparator = ',';
    fs.ThousandSeparator = '.';
    fs.DateSeparator = '.';
    fs.TimeSeparator = ':';
    fs.ListSeparator = ';';
    fs.ShortDateFormat = "dd.mm.yyyy";
    fs.LongTimeFormat = "hh:nn:ss";
    return fs;
}

inline FormatSettings EnglishFormats() {
    FormatSettings fs;
    fs.DecimalSeparator = '.';
    fs.ThousandSeparator = ',';
    fs.DateSeparator = '/';
    fs.TimeSeparator = ':';
    fs.ListSeparator = ',';
    fs.ShortDateFormat = "m/d/yy";
    fs.LongTimeFormat = "hh:nn:ss";
    return fs;
}

// Installs a memory settings store and the given conventions; puts the previous
// ones back afterwards.
class ModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_savedRegional = RegionalFormat();
        m_savedCurrent = CurrentFormat();
        InstallSettingsStore(&m_settings);
        InstallFormatSettings(FormatSettings{});
    }
    void TearDown() override {
        InstallSettingsStore(nullptr);
        SetRegionalFormat(m_savedRegional);
        CurrentFormat() = m_savedCurrent;
    }
    void UseFormats(const FormatSettings& fs) { InstallFormatSettings(fs); }

    MemorySettingsStore m_settings;

private:
    FormatSettings m_savedRegional;
    FormatSettings m_savedCurrent;
};

} // namespace ombrix::test
