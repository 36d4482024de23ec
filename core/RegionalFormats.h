#pragma once
// Builds the program's conventions from a locale's patterns. A locale's date and
// time formats may carry day and month names, blanks, AM/PM markers or a time
// zone ("d MMM yyyy", "h:mm:ss AP t"); copied as they are they would write
// transfer texts that no reader can split. So only the numeric elements are
// kept, in the locale's order, joined by the locale's separator characters.

#include "core/FormatSettings.h"

#include <string>

namespace ombrix {

struct LocalePatterns {
    std::string shortDate; // Qt date pattern, e.g. "dd.MM.yy", "M/d/yy", "d MMM yyyy"
    std::string longTime;  // Qt time pattern, e.g. "HH:mm:ss", "h:mm:ss AP t"
    std::string decimalPoint; // Latin-1 text of the locale's decimal mark
    std::string groupSeparator;
};

FormatSettings FormatSettingsFromLocale(const LocalePatterns& locale);

} // namespace ombrix
