#pragma once
// The process-wide number and date conventions: decimal, thousand, date, time and
// list separators and the short date and long time pictures. Every text-to-number
// and text-to-date conversion of the program reads them; readers and writers of
// transfer text switch them for the duration of their work and put them back.

#include <string>

namespace ombrix {

struct FormatSettings {
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
    char DateSeparator = '/';
    char TimeSeparator = ':';
    char ListSeparator = ',';
    std::string ShortDateFormat = "dd/mm/yyyy";
    std::string LongTimeFormat = "hh:nn:ss";
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
    // A two-digit year lands in the century that makes it not earlier than
    // the current year minus this window.
    int TwoDigitYearCenturyWindow = 50;

    bool operator==(const FormatSettings&) const = default;
};

// The conventions in force now; changed only through the scope guard below or
// at start-up.
FormatSettings& CurrentFormat();

// The user's regional conventions as read at start; never changed afterwards by
// reading or writing. The export settings fall back to them.
const FormatSettings& RegionalFormat();
void SetRegionalFormat(const FormatSettings& regional);

// Makes `settings` both the regional and the current conventions (program start).
void InstallFormatSettings(const FormatSettings& settings);

// Saves the current conventions and puts them back when it goes out of scope,
// whatever path leaves the scope.
class FormatSettingsScope {
public:
    FormatSettingsScope() : m_saved(CurrentFormat()) {}
    ~FormatSettingsScope() { CurrentFormat() = m_saved; }
    FormatSettingsScope(const FormatSettingsScope&) = delete;
    FormatSettingsScope& operator=(const FormatSettingsScope&) = delete;

    const FormatSettings& Saved() const { return m_saved; }

private:
    FormatSettings m_saved;
};

} // namespace ombrix
