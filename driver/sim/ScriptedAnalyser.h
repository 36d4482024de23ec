// A scripted analyser on a pseudo-terminal pair, for the driver's tests and for trying a host
// by hand. It answers the line protocol as an analyser does (see AnalyserScript) and records
// every line it receives.
//
// The rate of a pseudo-terminal is nominal: bytes pass whatever the settings say. The analyser
// still keeps its own rate, and before it answers a line it reads the rate the host's side is
// set to (tcgetattr on the master reports it). When the two differ it behaves as a real line
// at the wrong rate would: it does not understand the line and the host hears noise without a
// line end (AnalyserScript::Misheard). An analyser started at 19200 baud therefore stays
// unreachable until the host switches to 19200 too, and answers "C100 1" by moving to 19200.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <iosfwd>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "AnalyserScript.h"
#include "PseudoTerminal.h"

namespace orvsim {

using Clock = std::chrono::steady_clock;

struct ReceivedLine {
    std::string text;  // as it arrived, line feed included
    int hostBaud = 0;  // the rate the host's side was set to (0: not a usual rate)
    bool heard = true; // false when that was not the analyser's rate
    Clock::time_point arrived;
    std::optional<Clock::time_point> answerStarted; // just before the first answer byte left
};

class ScriptedAnalyser {
public:
    struct Options {
        int baud = 9600;             // the rate the analyser starts at
        bool remote = false;         // already in remote operation, as after a lost connection
        std::ostream* log = nullptr; // every line received and answer sent, when given
    };

    // Throws std::system_error when no pseudo-terminal pair can be had.
    explicit ScriptedAnalyser(Options options);
    ScriptedAnalyser() : ScriptedAnalyser(Options{}) {}
    ~ScriptedAnalyser();
    ScriptedAnalyser(const ScriptedAnalyser&) = delete;
    ScriptedAnalyser& operator=(const ScriptedAnalyser&) = delete;

    // The port the host opens, e.g. "/dev/pts/3".
    const std::string& PortName() const { return m_pty.PortName(); }

    // See AnalyserScript::On; may be called while the analyser runs.
    void On(std::string pattern, Response response);

    // Answers on a thread of its own until Stop(), or in the caller's thread until a stop is
    // requested or the analyser hangs up.
    void Start();
    void Run();
    // Safe to call from a signal handler.
    void RequestStop() noexcept;
    void Stop();

    std::vector<ReceivedLine> Received() const;
    // The texts alone, line feeds included.
    std::vector<std::string> ReceivedTexts() const;
    // Waits until count lines have arrived; false when they did not within timeout.
    bool WaitForLines(std::size_t count, std::chrono::milliseconds timeout) const;

    AnalyserState State() const;
    // The host's line settings, as the analyser sees them.
    std::optional<termios> HostSettings() const;
    bool HungUp() const;

private:
    void Receive(std::string_view bytes);
    void Answer(std::string line);
    bool Send(const std::string& bytes);
    // Sleeps for pause; false when a stop was requested meanwhile.
    bool Pause(std::chrono::milliseconds pause);
    int HostBaud() const;

    Options m_options;
    PseudoTerminal m_pty;
    int m_nStopRead = -1;
    int m_nStopWrite = -1;
    std::thread m_thread;
    std::string m_sPending; // bytes of a line not yet complete

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_lineArrived;
    AnalyserScript m_script;
    AnalyserState m_state;
    std::vector<ReceivedLine> m_received;
    bool m_bHungUp = false;
};

} // namespace orvsim
