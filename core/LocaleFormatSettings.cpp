#include "core/LocaleFormatSettings.h"

#include "core/RegionalFormats.h"

#include <QLocale>

namespace ombrix {

FormatSettings FormatSettingsFromQLocale(const QLocale& locale) {
    LocalePatterns patterns;
    patterns.shortDate = locale.dateFormat(QLocale::ShortFormat).toLatin1().toStdString();
    patterns.longTime = locale.timeFormat(QLocale::LongFormat).toLatin1().toStdString();
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    // Marks outside Latin-1 have no place in the program's 8-bit texts.
    if (decimal.size() == 1 && decimal[0].unicode() < 0x100) patterns.decimalPoint = decimal.toLatin1().toStdString();
    if (group.size() == 1 && group[0].unicode() < 0x100) patterns.groupSeparator = group.toLatin1().toStdString();
    return FormatSettingsFromLocale(patterns);
}

void InstallSystemFormatSettings() { InstallFormatSettings(FormatSettingsFromQLocale(QLocale::system())); }

} // namespace ombrix
