#include "ScriptedAnalyser.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <ostream>
#include <poll.h>
#include <system_error>
#include <unistd.h>

namespace orvsim {
namespace {

constexpr char kXon = 0x11;
constexpr char kXoff = 0x13;

struct Rate {
    speed_t speed;
    int baud;
};
constexpr Rate kRates[] = {{B1200, 1200},   {B2400, 2400},   {B4800, 4800},   {B9600, 9600},
                           {B19200, 19200}, {B38400, 38400}, {B57600, 57600}, {B115200, 115200}};

int BaudOf(speed_t speed) {
    for (const auto& rate : kRates)
        if (rate.speed == speed) return rate.baud;
    return 0;
}

std::string Printable(std::string_view bytes) {
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            text += "\\r";
        } else if (c == '\n') {
            text += "\\n";
        } else if (byte < 0x20 || byte >= 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            text += escaped;
        } else {
            text += c;
        }
    }
    return text;
}

} // namespace

ScriptedAnalyser::ScriptedAnalyser(Options options) : m_options(options) {
    m_state.baud = options.baud;
    m_state.remote = options.remote;
    int stop[2];
    if (::pipe2(stop, O_CLOEXEC | O_NONBLOCK) != 0)
        throw std::system_error(errno, std::generic_category(), "pipe2");
    m_nStopRead = stop[0];
    m_nStopWrite = stop[1];
}

ScriptedAnalyser::~ScriptedAnalyser() {
    Stop();
    ::close(m_nStopRead);
    ::close(m_nStopWrite);
}

void ScriptedAnalyser::On(std::string pattern, Response response) {
    std::lock_guard lock(m_mutex);
    m_script.On(std::move(pattern), std::move(response));
}

void ScriptedAnalyser::Start() {
    if (!m_thread.joinable()) m_thread = std::thread([this] { Run(); });
}

void ScriptedAnalyser::RequestStop() noexcept {
    const char wake = 1;
    [[maybe_unused]] const auto ignored = ::write(m_nStopWrite, &wake, 1);
}

void ScriptedAnalyser::Stop() {
    RequestStop();
    if (m_thread.joinable()) m_thread.join();
}

void ScriptedAnalyser::Run() {
    char buffer[4096];
    while (m_pty.Master() >= 0) {
        pollfd waits[] = {{m_nStopRead, POLLIN, 0}, {m_pty.Master(), POLLIN, 0}};
        if (::poll(waits, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (waits[0].revents != 0) return;
        if (waits[1].revents == 0) continue;
        const ssize_t got = ::read(m_pty.Master(), buffer, sizeof buffer);
        if (got > 0) {
            Receive({buffer, static_cast<std::size_t>(got)});
        } else if (got < 0 && errno != EINTR && errno != EAGAIN) {
            return;
        }
    }
}

void ScriptedAnalyser::Receive(std::string_view bytes) {
    for (const char byte : bytes) {
        // The host's XON/XOFF flow control is no text; the analyser's output is paced by the
        // pseudo-terminal itself.
        if (byte == kXon || byte == kXoff) continue;
        m_sPending += byte;
        if (byte != '\n') continue;
        std::string line;
        line.swap(m_sPending);
        Answer(std::move(line));
        if (m_pty.Master() < 0) return;
    }
}

int ScriptedAnalyser::HostBaud() const {
    const auto settings = m_pty.PortSettings();
    return settings ? BaudOf(::cfgetospeed(&*settings)) : 0;
}

void ScriptedAnalyser::Answer(std::string line) {
    const int hostBaud = HostBaud();
    Response response;
    std::size_t index = 0;
    {
        std::lock_guard lock(m_mutex);
        const bool heard = hostBaud == m_state.baud;
        std::string_view command = line;
        command.remove_suffix(1);
        if (command.ends_with('\r')) command.remove_suffix(1);
        response = heard ? m_script.Respond(command, m_state) : AnalyserScript::Misheard();
        m_received.push_back({line, hostBaud, heard, Clock::now(), std::nullopt});
        index = m_received.size() - 1;
    }
    m_lineArrived.notify_all();
    if (m_options.log) *m_options.log << "<- " << Printable(line) << std::endl;

    if (response.hangUp) {
        if (m_options.log) *m_options.log << "-- hanging up" << std::endl;
        std::lock_guard lock(m_mutex);
        m_pty.Close();
        m_bHungUp = true;
        return;
    }
    for (const auto& chunk : response.chunks) {
        if (!Pause(chunk.pause)) return;
        {
            std::lock_guard lock(m_mutex);
            if (!m_received[index].answerStarted) m_received[index].answerStarted = Clock::now();
        }
        if (!Send(chunk.bytes)) return;
        if (m_options.log) *m_options.log << "-> " << Printable(chunk.bytes) << std::endl;
    }
}

bool ScriptedAnalyser::Pause(std::chrono::milliseconds pause) {
    if (pause.count() <= 0) return true;
    pollfd stop{m_nStopRead, POLLIN, 0};
    return ::poll(&stop, 1, static_cast<int>(pause.count())) == 0;
}

bool ScriptedAnalyser::Send(const std::string& bytes) {
    std::string_view left = bytes;
    while (!left.empty()) {
        const ssize_t written = ::write(m_pty.Master(), left.data(), left.size());
        if (written > 0) {
            left.remove_prefix(static_cast<std::size_t>(written));
            continue;
        }
        if (written < 0 && errno != EAGAIN && errno != EINTR) return false;
        // The host has not read enough yet; wait for room, or for a stop.
        pollfd waits[] = {{m_nStopRead, POLLIN, 0}, {m_pty.Master(), POLLOUT, 0}};
        if (::poll(waits, 2, -1) < 0 && errno != EINTR) return false;
        if (waits[0].revents != 0) return false;
    }
    return true;
}

std::vector<ReceivedLine> ScriptedAnalyser::Received() const {
    std::lock_guard lock(m_mutex);
    return m_received;
}

std::vector<std::string> ScriptedAnalyser::ReceivedTexts() const {
    std::lock_guard lock(m_mutex);
    std::vector<std::string> texts;
    for (const auto& line : m_received)
        texts.push_back(line.text);
    return texts;
}

bool ScriptedAnalyser::WaitForLines(std::size_t count, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(m_mutex);
    return m_lineArrived.wait_for(lock, timeout, [&] { return m_received.size() >= count; });
}

AnalyserState ScriptedAnalyser::State() const {
    std::lock_guard lock(m_mutex);
    return m_state;
}

std::optional<termios> ScriptedAnalyser::HostSettings() const {
    std::lock_guard lock(m_mutex);
    return m_pty.PortSettings();
}

bool ScriptedAnalyser::HungUp() const {
    std::lock_guard lock(m_mutex);
    return m_bHungUp;
}

} // namespace orvsim
