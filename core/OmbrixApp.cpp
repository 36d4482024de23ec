#include "core/OmbrixApp.h"

#include "core/FormatSettings.h"
#include "core/HostWindow.h"
#include "core/LocaleFormatSettings.h"
#include "core/Ombrix.h"
#include "core/OrvMainObject.h"
#include "core/ProgramFolder.h"
#include "core/ProgramPictures.h"
#include "core/QtSettingsStore.h"
#include "core/SettingsStore.h"
#include "mainwindow/MainWindowHost.h"
#include "mainwindow/TOrvMainForm.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QScreen>
#include <QStringList>
#include <QTimer>

#include <exception>

namespace ombrix {

namespace {

constexpr int kTwoDigitYearWindow = 50;

// The conventions of the user's locale, with the program's own window for
// two-digit years.
void InstallConventions() {
    InstallSystemFormatSettings();
    FormatSettings regional = RegionalFormat();
    regional.TwoDigitYearCenturyWindow = kTwoDigitYearWindow;
    InstallFormatSettings(regional);
}

void ShowStartError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kApplicationTitle), text,
                    QMessageBox::Ok);
    box.exec();
}

} // namespace

OmbrixProgram::OmbrixProgram(const std::string& commandLineWord)
    : m_pMainForm(std::make_unique<TOrvMainForm>(commandLineWord)) {
    InstallHost(&m_pMainForm->Host());
    m_pMainObject = std::make_unique<OrvMainObject>();
    SetMainObject(m_pMainObject.get());
    m_pMainObject->Complete();
}

OmbrixProgram::~OmbrixProgram() {
    m_pMainForm->TimerSec()->stop();
    m_pMainForm->AlarmTimer()->stop();
    if (m_pMainObject) {
        // Nothing on the screen may keep pointing at the datasets that go now.
        m_pMainObject->ClearDataLists();
        m_pMainForm->RebuildTree();
        m_pMainObject.reset();
    }
    SetMainObject(nullptr);
    InstallHost(nullptr);
    m_pMainForm.reset();
}

void OmbrixProgram::Show() {
    // Without a window manager (a virtual display) nothing maximises the
    // window: it takes the whole screen itself.
    if (const QScreen* screen = QApplication::primaryScreen())
        m_pMainForm->setGeometry(screen->availableGeometry());
    m_pMainForm->showMaximized();
}

std::string CommandLineWord(const QStringList& arguments) {
    return arguments.mid(1).join(QLatin1Char(' ')).toLatin1().toStdString();
}

int RunOmbrix(int argc, char** argv) {
    QApplication application(argc, argv);
    const std::string word = CommandLineWord(QApplication::arguments());
    QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(OMBRIX_VERSION));
    QApplication::setWindowIcon(QIcon(EmblemPicture(64)));
    QApplication::setDesktopFileName(QStringLiteral("ombrix"));

    SetProgramFolder(ResolveProgramFolder());
    InstallConventions();
    const QString settingsFile = qEnvironmentVariable("OMBRIX_SETTINGS");
    QtSettingsStore settings(settingsFile);
    InstallSettingsStore(&settings);

    int exitCode = 1;
    try {
        OmbrixProgram program(word);
        QObject::connect(&program.MainForm(), &TOrvMainForm::ProgramEndRequested, &application,
                         &QCoreApplication::quit, Qt::QueuedConnection);
        program.Show();
        exitCode = QApplication::exec();
    } catch (const std::exception& error) {
        SetMainObject(nullptr);
        InstallHost(nullptr);
        ShowStartError(QString::fromLocal8Bit(error.what()));
    }
    InstallSettingsStore(nullptr);
    return exitCode;
}

} // namespace ombrix
