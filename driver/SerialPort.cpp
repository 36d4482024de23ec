#include "SerialPort.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace orvdrv {
namespace {

struct Rate {
    int baud;
    speed_t speed;
};

constexpr Rate kRates[] = {
    {50, B50},       {75, B75},         {110, B110},       {134, B134},     {150, B150},
    {200, B200},     {300, B300},       {600, B600},       {1200, B1200},   {1800, B1800},
    {2400, B2400},   {4800, B4800},     {9600, B9600},     {19200, B19200}, {38400, B38400},
    {57600, B57600}, {115200, B115200}, {230400, B230400},
};

std::optional<speed_t> SpeedOf(int baud) {
    for (const auto& rate : kRates)
        if (rate.baud == baud) return rate.speed;
    return std::nullopt;
}

int BaudOf(speed_t speed) {
    for (const auto& rate : kRates)
        if (rate.speed == speed) return rate.baud;
    return 0;
}

bool SetSpeed(termios& settings, int baud) {
    const auto speed = SpeedOf(baud);
    return speed && cfsetispeed(&settings, *speed) == 0 && cfsetospeed(&settings, *speed) == 0;
}

} // namespace

bool SerialPort::Open(const std::string& device) {
    // Non-blocking only for the open itself: without CLOCAL yet, a port would wait for carrier.
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    // TIOCEXCL keeps others from opening the line (except privileged processes, which the
    // lock stops if they ask for it too). A device that is no tty fails later, when its line
    // settings are read.
    ::ioctl(fd, TIOCEXCL);
    const int flags = ::fcntl(fd, F_GETFL);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || flags < 0 ||
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::ioctl(fd, TIOCNXCL);
        ::close(fd);
        return false;
    }
    m_nFd = fd;
    return true;
}

bool SerialPort::ApplyLineSettings(int baud) {
    termios settings{};
    if (!IsOpen() || ::tcgetattr(m_nFd, &settings) != 0) return false;
    ::cfmakeraw(&settings);
    settings.c_iflag &= ~(INPCK | IXON);
    settings.c_iflag |= IXOFF;
    settings.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    settings.c_cflag |= CS8 | CREAD | CLOCAL;
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    if (!SetSpeed(settings, baud) || ::tcsetattr(m_nFd, TCSANOW, &settings) != 0) return false;
    // The analyser listens only while DTR and RTS are up. Lines without modem control
    // (pseudo-terminals, some adapters) refuse this, which costs nothing.
    int lines = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(m_nFd, TIOCMBIS, &lines);
    return true;
}

bool SerialPort::SetBaud(int baud) {
    termios settings{};
    if (!IsOpen() || ::tcgetattr(m_nFd, &settings) != 0) return false;
    return SetSpeed(settings, baud) && ::tcsetattr(m_nFd, TCSANOW, &settings) == 0;
}

int SerialPort::Baud() const {
    termios settings{};
    if (!IsOpen() || ::tcgetattr(m_nFd, &settings) != 0) return 0;
    return BaudOf(::cfgetospeed(&settings));
}

bool SerialPort::Purge() {
    return IsOpen() && ::tcflush(m_nFd, TCIOFLUSH) == 0;
}

bool SerialPort::Write(std::string_view bytes) {
    if (!IsOpen()) return false;
    while (!bytes.empty()) {
        const ssize_t written = ::write(m_nFd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

ReadOutcome SerialPort::ReadByte(int timeoutMs, char& byte) {
    using Clock = std::chrono::steady_clock;
    if (!IsOpen()) return ReadOutcome::Failed;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        int waitMs = -1;
        if (timeoutMs > 0) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) return ReadOutcome::TimedOut;
            waitMs = static_cast<int>(left.count());
        }
        pollfd wait{m_nFd, POLLIN, 0};
        const int ready = ::poll(&wait, 1, waitMs);
        if (ready < 0) {
            if (errno == EINTR) continue;
            return ReadOutcome::Failed;
        }
        if (ready == 0) continue; // the deadline check above decides
        if (wait.revents & POLLIN) {
            const ssize_t got = ::read(m_nFd, &byte, 1);
            if (got == 1) return ReadOutcome::Byte;
            // A readable line that yields nothing has been hung up.
            if (got == 0) return ReadOutcome::Failed;
            if (errno == EINTR || errno == EAGAIN) continue;
            return ReadOutcome::Failed;
        }
        return ReadOutcome::Failed; // POLLERR, POLLHUP or POLLNVAL without data
    }
}

bool SerialPort::Close() {
    if (!IsOpen()) return false;
    // The exclusive flag belongs to the tty, not to this descriptor: clear it, or the next
    // opener of the same line is refused even though we are gone.
    ::ioctl(m_nFd, TIOCNXCL);
    const int result = ::close(m_nFd);
    m_nFd = -1;
    return result == 0;
}

} // namespace orvdrv
