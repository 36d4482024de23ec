#pragma once
// Fakes for the analyser link tests: a main window that keeps a log of what the
// connection and the simulated analyser asked of it, and a clock that logs its
// pauses into the same log without waiting.

#include "core/Clock.h"
#include "core/HostWindow.h"

#include <string>
#include <vector>

namespace ombrix::test {

class LinkHostWindow : public SilentHostWindow {
public:
    void SetReady(bool ready) override { Log(ready ? "ready" : "not ready"); }
    void SetFftState(int state) override { Log("fft state " + std::to_string(state)); }
    void ConfigurationOffline() override { Log("configuration offline"); }
    void SetStatusText(const std::string& text) override {
        SilentHostWindow::SetStatusText(text);
        Log("status " + text);
        statusHistory.push_back(text);
    }
    void RepaintStatus() override { ++repaints; }
    void SetBusyCursor(bool busy) override { Log(busy ? "busy" : "idle"); }
    void ProcessPendingEvents() override { Log("events"); }

    void Log(const std::string& entry) { log.push_back(entry); }
    int CountOf(const std::string& entry) const {
        int n = 0;
        for (const auto& e : log)
            n += e == entry ? 1 : 0;
        return n;
    }

    std::vector<std::string> log;
    std::vector<std::string> statusHistory;
    int repaints = 0;
};

class LoggingClock : public ManualClock {
public:
    LoggingClock(DateTime now, LinkHostWindow& host) : ManualClock(now), m_host(host) {}
    void Pause(int milliseconds) override { m_host.Log("pause " + std::to_string(milliseconds)); }

private:
    LinkHostWindow& m_host;
};

// Installs the host and the clock for the life of the object.
class InstalledLinkFakes {
public:
    explicit InstalledLinkFakes(DateTime now) : clock(now, host) {
        InstallHost(&host);
        InstallClock(&clock);
    }
    ~InstalledLinkFakes() {
        InstallClock(nullptr);
        InstallHost(nullptr);
    }
    InstalledLinkFakes(const InstalledLinkFakes&) = delete;
    InstalledLinkFakes& operator=(const InstalledLinkFakes&) = delete;

    LinkHostWindow host;
    LoggingClock clock;
};

} // namespace ombrix::test
