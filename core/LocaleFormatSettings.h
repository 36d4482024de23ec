#pragma once
// Reads the user's locale into the program's conventions at start.

#include "core/FormatSettings.h"

class QLocale;

namespace ombrix {

FormatSettings FormatSettingsFromQLocale(const QLocale& locale);
// The system locale's conventions made both regional and current.
void InstallSystemFormatSettings();

} // namespace ombrix
