#pragma once
// What the model may ask of the main window: refreshing, the ready and spectrum
// states, the status line with its activity indicator and alarm mark, the alarm
// timer, a beep, message boxes, the busy cursor, pending events, and the load
// wizard. The program implements it with the main window; tests and the
// command-line tool with fakes.

#include <string>

namespace ombrix {

class OrvDataList;
class OrvCommunication;

// Buttons of a message box; the answer is one of them.
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };
enum class MessageKind { Error, Warning, Information };

// The status bar's tag value that marks a raised alarm.
inline constexpr int kAlarmTag = 1000;

class HostWindow {
public:
    virtual ~HostWindow() = default;

    virtual void RefreshTreeAndView() = 0;
    // False while a spectrum or harmonics list is being read: the window locks
    // its configuration page and mode tabs meanwhile.
    virtual void SetReady(bool ready) = 0;
    virtual void SetFftState(int state) = 0;
    // The window presents DATALOG data (its database view) rather than live data.
    virtual bool IsDatabaseView() = 0;
    // The window is in DATALOG mode or shows its "Database" tab.
    virtual bool IsDatalogOrDatabaseTab() = 0;
    // The configuration controls lose their selection (the analyser went offline).
    virtual void ConfigurationOffline() = 0;

    // Status line: panel 0 text, the tag (activity counter, kAlarmTag for an
    // alarm), redrawing the activity panel.
    virtual void SetStatusText(const std::string& text) = 0;
    virtual int StatusTag() = 0;
    virtual void SetStatusTag(int tag) = 0;
    virtual void RepaintStatus() = 0;

    virtual void SetAlarmTimer(bool enabled, int intervalMs) = 0;
    virtual void Beep() = 0;

    virtual MessageAnswer ShowMessage(const std::string& caption, const std::string& text,
                                      MessageButtons buttons, MessageKind kind) = 0;
    // The application-starting cursor during simulated waits; restored with false.
    virtual void SetBusyCursor(bool busy) = 0;
    virtual void ProcessPendingEvents() = 0;

    // Shows the load wizard on `list` and the connection; true when closed with OK.
    virtual bool RunLoadWizard(OrvDataList& list, OrvCommunication& communication) = 0;
};

// A window that shows nothing and takes the default answer of every message
// box (OK, or Yes); in use until the program or a test installs its own.
class SilentHostWindow : public HostWindow {
public:
    void RefreshTreeAndView() override {}
    void SetReady(bool) override {}
    void SetFftState(int) override {}
    bool IsDatabaseView() override { return false; }
    bool IsDatalogOrDatabaseTab() override { return false; }
    void ConfigurationOffline() override {}
    void SetStatusText(const std::string& text) override { m_status = text; }
    int StatusTag() override { return m_tag; }
    void SetStatusTag(int tag) override { m_tag = tag; }
    void RepaintStatus() override {}
    void SetAlarmTimer(bool, int) override {}
    void Beep() override {}
    MessageAnswer ShowMessage(const std::string&, const std::string&, MessageButtons buttons,
                              MessageKind) override {
        return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    void SetBusyCursor(bool) override {}
    void ProcessPendingEvents() override {}
    bool RunLoadWizard(OrvDataList&, OrvCommunication&) override { return false; }

    const std::string& StatusText() const { return m_status; }

private:
    std::string m_status;
    int m_tag = 0;
};

// The window in use (not owned; nullptr goes back to the silent one).
HostWindow& Host();
void InstallHost(HostWindow* host);

} // namespace ombrix
