#include "PseudoTerminal.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace orvsim {
namespace {

[[noreturn]] void ThrowSystemError(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

} // namespace

PseudoTerminal::PseudoTerminal() {
    m_nMaster = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_nMaster < 0) ThrowSystemError("posix_openpt");
    char name[PATH_MAX] = {};
    if (::fcntl(m_nMaster, F_SETFD, FD_CLOEXEC) != 0 ||
        ::fcntl(m_nMaster, F_SETFL, O_NONBLOCK) != 0 || ::grantpt(m_nMaster) != 0 ||
        ::unlockpt(m_nMaster) != 0 || ::ptsname_r(m_nMaster, name, sizeof name) != 0) {
        const int error = errno;
        Close();
        errno = error;
        ThrowSystemError("pseudo-terminal");
    }
    m_sPortName = name;
    m_nPortKeeper = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    // Until the host sets up its line, it must neither echo nor translate what the analyser
    // sends.
    termios settings{};
    if (m_nPortKeeper < 0 || ::tcgetattr(m_nPortKeeper, &settings) != 0) {
        const int error = errno;
        Close();
        errno = error;
        ThrowSystemError(name);
    }
    ::cfmakeraw(&settings);
    ::tcsetattr(m_nPortKeeper, TCSANOW, &settings);
}

PseudoTerminal::~PseudoTerminal() {
    Close();
}

std::optional<termios> PseudoTerminal::PortSettings() const {
    // On a master, tcgetattr reports the settings of the other side.
    termios settings{};
    if (m_nMaster < 0 || ::tcgetattr(m_nMaster, &settings) != 0) return std::nullopt;
    return settings;
}

void PseudoTerminal::Close() {
    if (m_nMaster >= 0) ::close(m_nMaster);
    if (m_nPortKeeper >= 0) ::close(m_nPortKeeper);
    m_nMaster = -1;
    m_nPortKeeper = -1;
}

} // namespace orvsim
