// The main of the UI tests: one application for the whole run on the offscreen
// platform, the settings in a file of their own, and a program folder holding
// the help file, so no test touches the user's settings or files.

#include "core/FormatSettings.h"
#include "core/ProgramFolder.h"
#include "core/QtSettingsStore.h"
#include "core/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    if (!home.isValid()) return 2;
    qputenv("OMBRIX_HOME", home.path().toLocal8Bit());
    const QString settingsFile = home.filePath(QStringLiteral("Ombrix.conf"));
    qputenv("OMBRIX_SETTINGS", settingsFile.toLocal8Bit());
    QFile::copy(QDir(QStringLiteral(OMBRIX_DATA_DIR)).filePath(QStringLiteral("Ombrix_HELP.HLP")),
                home.filePath(QStringLiteral("Ombrix_HELP.HLP")));
    ombrix::SetProgramFolder(home.path().toStdString());

    // Fixed conventions: the tests do not depend on the machine's locale.
    ombrix::FormatSettings formats;
    formats.DecimalSeparator = '.';
    formats.ListSeparator = ',';
    formats.DateSeparator = '/';
    formats.ShortDateFormat = "dd/mm/yyyy";
    formats.LongTimeFormat = "hh:nn:ss";
    ombrix::InstallFormatSettings(formats);

    QApplication app(argc, argv);
    ombrix::QtSettingsStore store(settingsFile);
    ombrix::InstallSettingsStore(&store);

    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    ombrix::InstallSettingsStore(nullptr);
    return result;
}
