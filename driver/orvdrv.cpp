// The exported operations and the library's one connection.
#include "orvdrv.h"

#include <chrono>
#include <string>
#include <thread>

#include "CommandLine.h"
#include "PortName.h"
#include "ReplyClassifier.h"
#include "ReplyReader.h"
#include "SerialPort.h"
#include "Trace.h"

namespace {

using Clock = std::chrono::steady_clock;
using orvdrv::kNoNumber;

constexpr int kSlowBaud = 9600;
constexpr int kFastBaud = 19200;
// The analyser needs this long after the end of a reply before it listens again.
constexpr auto kLineGap = std::chrono::milliseconds(50);
// The analyser's own switch to 19200 baud takes this long after "C100 1".
constexpr auto kBaudSwitchTime = std::chrono::milliseconds(1000);

struct Connection {
    orvdrv::SerialPort port;
    // When the last read ended, successful or not; the epoch stands for "never".
    Clock::time_point lastReply{};
    int readTimeoutMs = orvdrv::kFirstCharTimeoutMs;
};

// One connection per process. It is deliberately not closed at unload.
constinit Connection g_link;

void WaitForLineGap() {
    const auto ready = g_link.lastReply + kLineGap;
    for (auto now = Clock::now(); now < ready; now = Clock::now())
        std::this_thread::sleep_for(ready - now);
}

int WriteLine(std::string_view text) {
    std::string line(text);
    line += '\n';
    g_link.port.Purge();
    orvdrv::TraceWrite(line);
    WaitForLineGap();
    return g_link.port.Write(line) ? ORVDRV_OK : ORVDRV_IO_FAILED;
}

int ReadLine(std::string& reply) {
    reply.clear();
    const int result = orvdrv::ReadReplyLine(
        [](int timeoutMs, char& byte) { return g_link.port.ReadByte(timeoutMs, byte); },
        g_link.readTimeoutMs, reply);
    g_link.readTimeoutMs = orvdrv::kFirstCharTimeoutMs;
    g_link.lastReply = Clock::now();
    return result;
}

int Exchange(int command, int sub, std::string_view argument, std::string& reply) {
    reply.clear();
    if (!g_link.port.IsOpen()) return ORVDRV_NO_PORT;
    if (const int sent = WriteLine(orvdrv::FormatCommandLine(command, sub, argument))) return sent;
    if (const int read = ReadLine(reply)) return read;
    orvdrv::DeleteFirstCrLf(reply);
    return orvdrv::ClassifyReply(reply);
}

int Ask(std::string_view keyword, std::string& reply) {
    return Exchange(kNoNumber, kNoNumber, keyword, reply);
}

// A blank line wakes the analyser; its answer, or an answer still pending from before, is
// read and dropped.
void WakeAnalyser() {
    std::string ignored;
    WriteLine(" ");
    ReadLine(ignored);
}

int ChangeBaud(int baud) {
    if (g_link.port.SetBaud(baud)) return ORVDRV_OK;
    g_link.port.Close();
    return ORVDRV_PORT_UNAVAILABLE;
}

int Fail(int result) {
    g_link.port.Close();
    return result;
}

// Both sides are at 9600 baud and the analyser is in remote operation.
int SwitchToFastBaud() {
    std::string reply;
    WriteLine("C100 1");
    std::this_thread::sleep_for(kBaudSwitchTime);
    if (ChangeBaud(kFastBaud) != ORVDRV_OK) return ORVDRV_NO_REMOTE;
    WakeAnalyser();
    if (Ask("REMOTE?", reply) != ORVDRV_OK) return Fail(ORVDRV_NO_REMOTE);
    g_link.readTimeoutMs = orvdrv::kFirstCharTimeoutMs;
    return ORVDRV_OK;
}

int StartRemote(const char* portName, int baud) {
    // One port at a time: a port left open by an earlier call would stay locked for good.
    if (g_link.port.IsOpen()) g_link.port.Close();
    if (portName == nullptr || !g_link.port.Open(orvdrv::PortDevicePath(portName)))
        return ORVDRV_PORT_UNAVAILABLE;
    g_link.readTimeoutMs = orvdrv::kFirstCharTimeoutMs;
    if (!g_link.port.ApplyLineSettings(kSlowBaud)) return Fail(ORVDRV_PORT_UNAVAILABLE);

    std::string reply;
    WakeAnalyser();
    if (Ask("REMOTE?", reply) != ORVDRV_OK) {
        // The analyser may still be at 19200 baud from an earlier connection.
        if (ChangeBaud(kFastBaud) != ORVDRV_OK) return ORVDRV_PORT_UNAVAILABLE;
        WakeAnalyser();
        if (Ask("REMOTE?", reply) != ORVDRV_OK) return Fail(ORVDRV_NO_REMOTE);
    }
    if (reply != "REMOTE 1" && Ask("REMOTE", reply) != ORVDRV_OK) return Fail(ORVDRV_NO_REMOTE);
    if (baud == kFastBaud && g_link.port.Baud() == kSlowBaud) return SwitchToFastBaud();
    return ORVDRV_OK;
}

// Nothing may leave the library as an exception; running out of memory while building a line
// counts as a failed transfer.
template <typename Operation> int Guarded(int failure, Operation&& operation) noexcept {
    try {
        return operation();
    } catch (...) {
        return failure;
    }
}

} // namespace

extern "C" {

int InitRemote(const char* port, int baud) {
    const int result = Guarded(ORVDRV_PORT_UNAVAILABLE, [&] { return StartRemote(port, baud); });
    if (result != ORVDRV_OK && g_link.port.IsOpen()) g_link.port.Close();
    return result;
}

int CancelRemote(void) {
    if (!g_link.port.IsOpen()) return ORVDRV_NO_PORT;
    Guarded(ORVDRV_IO_FAILED, [] {
        std::string reply;
        return Ask("LOCAL", reply);
    });
    return g_link.port.Close() ? ORVDRV_OK : ORVDRV_CLOSE_FAILED;
}

int sendCommand(int command, int sub, const char* argument, char* reply, int replySize) {
    orvdrv::CopyReply({}, reply, replySize);
    return Guarded(ORVDRV_IO_FAILED, [&] {
        std::string answer;
        const int result = Exchange(command, sub, argument != nullptr ? argument : "", answer);
        orvdrv::CopyReply(answer, reply, replySize);
        return result;
    });
}

int SendeComm(const char* text) {
    return Guarded(ORVDRV_IO_FAILED, [&] { return WriteLine(text != nullptr ? text : ""); });
}

int LeseComm(char* reply, int replySize) {
    orvdrv::CopyReply({}, reply, replySize);
    return Guarded(ORVDRV_IO_FAILED, [&] {
        std::string answer;
        const int result = ReadLine(answer);
        orvdrv::CopyReply(answer, reply, replySize);
        return result;
    });
}

int SetBautrate(int baud) {
    return ChangeBaud(baud);
}

int SetTimeout(int ms) {
    if (!g_link.port.IsOpen() || ms < 0) return 0;
    g_link.readTimeoutMs = ms;
    return 1;
}

int ClearCommBuffer(void) {
    return g_link.port.Purge() ? 1 : 0;
}

} // extern "C"
