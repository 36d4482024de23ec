// One serial port opened for the analyser: exclusive, raw 8N1, reads with a time-out.
#pragma once

#include <string>
#include <string_view>

#include "ReplyReader.h"

namespace orvdrv {

class SerialPort {
public:
    bool IsOpen() const { return m_nFd >= 0; }

    // Opens the device for reading and writing, exclusively. false when it does not exist,
    // cannot be opened or is held by someone else.
    bool Open(const std::string& device);

    // Puts the line into the analyser's settings (raw binary 8N1, flow control and handshake
    // lines as described in orvdrv.h) at the given rate. false when the settings cannot be
    // read or written.
    bool ApplyLineSettings(int baud);

    // Changes the rate only. false when the settings cannot be read or written, or the rate
    // is not one a serial line knows.
    bool SetBaud(int baud);

    // The current rate, or 0 when it cannot be read.
    int Baud() const;

    // Discards both the input and the output queue.
    bool Purge();

    // Writes every byte; writes wait as long as the line needs.
    bool Write(std::string_view bytes);

    // Waits up to timeoutMs (0: without limit) for one character.
    ReadOutcome ReadByte(int timeoutMs, char& byte);

    // Gives the port back. The port is closed afterwards even when this reports failure.
    bool Close();

private:
    int m_nFd = -1;
};

} // namespace orvdrv
