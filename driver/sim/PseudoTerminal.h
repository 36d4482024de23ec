// A pseudo-terminal pair: the analyser works the master side, the host opens the other side
// by its path (/dev/pts/N) as it would open a serial port.
#pragma once

#include <optional>
#include <string>
#include <termios.h>

namespace orvsim {

class PseudoTerminal {
public:
    // Throws std::system_error when no pair can be had.
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // The master side, non-blocking; -1 once closed.
    int Master() const { return m_nMaster; }
    // The path the host opens.
    const std::string& PortName() const { return m_sPortName; }
    // The line settings the host's side is using (its rate, framing, flow control).
    std::optional<termios> PortSettings() const;
    // Closes the analyser's end: the host's side is hung up.
    void Close();

private:
    int m_nMaster = -1;
    // Kept open so that the host closing and reopening its side does not hang up the
    // master between two connections.
    int m_nPortKeeper = -1;
    std::string m_sPortName;
};

} // namespace orvsim
