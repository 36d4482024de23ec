#pragma once
// The main window as the model sees it: refreshing, the ready and spectrum
// states, the status line, the alarm timer, message boxes, the busy cursor and
// the load wizard.

#include "core/HostWindow.h"

#include <QString>

namespace ombrix {

class TOrvMainForm;

class MainWindowHost : public HostWindow {
public:
    explicit MainWindowHost(TOrvMainForm& form);

    // The next load wizard opens on this file (a file dropped on the window).
    void OpenNextWizardOn(const QString& path) { m_sDroppedFile = path; }

    void RefreshTreeAndView() override;
    void SetReady(bool ready) override;
    void SetFftState(int state) override;
    bool IsDatabaseView() override;
    bool IsDatalogOrDatabaseTab() override;
    void ConfigurationOffline() override;
    void SetStatusText(const std::string& text) override;
    int StatusTag() override;
    void SetStatusTag(int tag) override;
    void RepaintStatus() override;
    void SetAlarmTimer(bool enabled, int intervalMs) override;
    void Beep() override;
    MessageAnswer ShowMessage(const std::string& caption, const std::string& text,
                              MessageButtons buttons, MessageKind kind) override;
    void SetBusyCursor(bool busy) override;
    void ProcessPendingEvents() override;
    bool RunLoadWizard(OrvDataList& list, OrvCommunication& communication) override;

private:
    TOrvMainForm& m_Form;
    QString m_sDroppedFile;
    int m_nBusyCursors = 0;
};

} // namespace ombrix
