#include "cli/OffscreenProgram.h"

#include "cli/ViewCommandSupport.h"
#include "core/HostWindow.h"
#include "core/OmbrixApp.h"
#include "core/OrvMainObject.h"
#include "core/SettingsStore.h"
#include "mainwindow/DataTreeModel.h"
#include "mainwindow/MainWindowHost.h"
#include "mainwindow/TOrvMainForm.h"
#include "mainwindow/ViewPageControl.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QMessageBox>
#include <QTabBar>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <array>
#include <iostream>

namespace ombrix::cli {

namespace {

// The --view names, indexed by view sheet code.
constexpr std::array<const char*, kTabbedSheetCount> kViewNames = {
    "value", "graph", "fft", "peaklist", "axis", "plane", "statistic", "histogram", "harmonics"};

// Long enough for the slowest mode change on a loaded machine; the tool must
// end even when something waits for an answer nobody gives.
constexpr int kStartTimeoutMs = 60000;
constexpr int kModalWatchMs = 100;
// The window's size on the screen-less platform: that of a common desktop, so
// that the views are drawn at the size a user sees them.
constexpr QSize kWindowSize(1280, 960);

} // namespace

std::optional<int> ViewSheetOf(const std::string& name) {
    const auto it = std::find(kViewNames.begin(), kViewNames.end(), name);
    if (it == kViewNames.end()) return std::nullopt;
    return static_cast<int>(it - kViewNames.begin());
}

std::string ViewSheetNames() {
    std::string names;
    for (const char* name : kViewNames)
        names += (names.empty() ? "" : "|") + std::string(name);
    return names;
}

// The user's settings as the drawing run sees them: the mode dialog never
// comes up (the tool chooses DATALOG itself), the print options are the
// user's or off, and nothing is written back: drawing a picture leaves the
// user's settings as they were.
class StartSettings : public SettingsStore {
public:
    StartSettings(SettingsStore& user, bool printOptions)
        : m_User(user), m_bPrintOptions(printOptions) {}

    std::optional<std::string> ReadString(const std::string& name) override {
        return m_User.ReadString(name);
    }
    std::optional<int> ReadInt(const std::string& name) override {
        if (name == reg::kShowSplash || name == reg::kShowPrnOptDlg) return 0;
        if (!m_bPrintOptions && (name == reg::kPrnOptInfo || name == reg::kPrnOptComment)) return 0;
        return m_User.ReadInt(name);
    }
    void WriteString(const std::string&, const std::string&) override {}
    void WriteInt(const std::string&, int) override {}

    SettingsStore& User() const { return m_User; }

private:
    SettingsStore& m_User;
    bool m_bPrintOptions;
};

// The main window as the model sees it, except that the load wizard takes
// every dataset of the file without asking and message boxes go to standard
// error with their default answer.
class LoadingHost : public HostWindow {
public:
    LoadingHost(HostWindow& window, std::filesystem::path file)
        : m_Window(window), m_File(std::move(file)) {}

    void RefreshTreeAndView() override { m_Window.RefreshTreeAndView(); }
    void SetReady(bool ready) override { m_Window.SetReady(ready); }
    void SetFftState(int state) override { m_Window.SetFftState(state); }
    bool IsDatabaseView() override { return m_Window.IsDatabaseView(); }
    bool IsDatalogOrDatabaseTab() override { return m_Window.IsDatalogOrDatabaseTab(); }
    void ConfigurationOffline() override { m_Window.ConfigurationOffline(); }
    void SetStatusText(const std::string& text) override { m_Window.SetStatusText(text); }
    int StatusTag() override { return m_Window.StatusTag(); }
    void SetStatusTag(int tag) override { m_Window.SetStatusTag(tag); }
    void RepaintStatus() override { m_Window.RepaintStatus(); }
    void SetAlarmTimer(bool enabled, int intervalMs) override {
        m_Window.SetAlarmTimer(enabled, intervalMs);
    }
    void Beep() override {}
    MessageAnswer ShowMessage(const std::string& caption, const std::string& text,
                              MessageButtons buttons, MessageKind) override {
        std::cerr << Utf8(caption) << ": " << Utf8(text) << "\n";
        return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    void SetBusyCursor(bool) override {}
    void ProcessPendingEvents() override { m_Window.ProcessPendingEvents(); }

    bool RunLoadWizard(OrvDataList& list, OrvCommunication&) override {
        // Called from the window's start timer: nothing may be thrown through
        // the event loop, the failure is handed back after it.
        try {
            m_bRead = LoadTransferFile(m_File, list);
        } catch (const UsageError& error) {
            m_Error = error;
        }
        return m_bRead;
    }

    bool Read() const { return m_bRead; }
    const std::optional<UsageError>& Error() const { return m_Error; }

private:
    HostWindow& m_Window;
    std::filesystem::path m_File;
    bool m_bRead = false;
    std::optional<UsageError> m_Error;
};

OffscreenProgram::OffscreenProgram(bool printOptions)
    : m_pSettings(std::make_unique<StartSettings>(Settings(), printOptions)) {
    InstallSettingsStore(m_pSettings.get());
}

OffscreenProgram::~OffscreenProgram() {
    m_pProgram.reset();
    InstallSettingsStore(&m_pSettings->User());
}

TOrvMainForm& OffscreenProgram::Form() const {
    return m_pProgram->MainForm();
}

bool OffscreenProgram::Start(const std::filesystem::path& file) {
    // A dialog that nobody answers would keep the tool waiting for ever: any
    // modal window that comes up is reported and closed.
    QTimer modalWatch;
    modalWatch.setInterval(kModalWatchMs);
    QObject::connect(&modalWatch, &QTimer::timeout, [] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        QString text = modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            text += QStringLiteral(": ") + box->text();
        std::cerr << "closed a window that asked for an answer: " << text.toStdString() << "\n";
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    });
    modalWatch.start();

    m_pProgram = std::make_unique<OmbrixProgram>("DATALOG");
    m_pProgram->MainObject().KeepViewSettingsFile();
    m_pHost = std::make_unique<LoadingHost>(m_pProgram->MainForm().Host(), file);
    InstallHost(m_pHost.get());
    TOrvMainForm& form = Form();
    m_pProgram->Show();
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (form.windowTitle() == QString::fromLatin1(kApplicationTitle) && !form.ProgramEnded() &&
           !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    modalWatch.stop();

    if (m_pHost->Error()) throw *m_pHost->Error();
    if (!m_pHost->Read()) {
        std::cerr << "Format Error\n";
        return false;
    }
    if (form.Mode() != eModeDatalog || !MainObject() || !MainObject()->CurrentDataList())
        throw UsageError{"the program did not start on " + file.string()};
    form.setWindowState(Qt::WindowNoState);
    form.setGeometry(QRect(QPoint(0, 0), kWindowSize));
    QApplication::processEvents();
    return true;
}

void OffscreenProgram::Show(const Arguments& args, int sheet) {
    TOrvMainForm& form = Form();
    OrvMainObject& main = m_pProgram->MainObject();
    OrvDataset& dataset = DatasetOfMemory(*main.CurrentDataList(), args);

    // Selected in the tree as the user selects it.
    auto* proxy = static_cast<DataTreeSortProxy*>(form.TreeView()->model());
    const QModelIndex node = proxy->IndexOf(form.Tree().FindFirst(&dataset));
    if (node.isValid()) form.TreeView()->setCurrentIndex(node);
    if (main.CurrentDataset() != &dataset) {
        main.SelectDataList(&dataset);
        form.RefreshView();
    }

    ViewPageControl& pages = form.PageControlView();
    const std::string name = kViewNames[static_cast<std::size_t>(sheet)];
    const std::string memory = "MEM# " + std::to_string(dataset.GetMemNumber());
    if (!pages.IsPageShown(sheet)) {
        std::string shown;
        for (int other = 0; other < kTabbedSheetCount; ++other)
            if (pages.IsPageShown(other))
                shown += (shown.empty() ? "" : ", ") +
                         std::string(kViewNames[static_cast<std::size_t>(other)]);
        throw UsageError{memory + " has no " + name + " view; it shows: " + shown};
    }
    if (!form.InstalledViewPage(sheet))
        throw UsageError{"the " + name + " view is not available in this build"};

    // Chosen by its tab, as the user chooses it.
    const auto tab = std::find(kViewTabOrder.begin(), kViewTabOrder.end(), sheet);
    pages.TabBar()->setCurrentIndex(static_cast<int>(tab - kViewTabOrder.begin()));
    // Let the charts lay themselves out and draw at their size.
    for (int pass = 0; pass < 3; ++pass)
        QApplication::processEvents();
    if (form.ViewSheet() != sheet)
        throw UsageError{"the " + name + " view of " + memory +
                         " could not be shown (Error on Viewing Data)"};
}

} // namespace ombrix::cli
