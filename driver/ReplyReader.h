// Reading one reply line character by character, and handing it to a caller's buffer.
#pragma once

#include <string>
#include <string_view>

#include "orvdrv.h"

namespace orvdrv {

// How long the line may stay quiet before a reply's first character, and between characters.
inline constexpr int kFirstCharTimeoutMs = 4500;
inline constexpr int kNextCharTimeoutMs = 1000;

enum class ReadOutcome { Byte, TimedOut, Failed };

// Appends characters to reply until it ends in CR LF: ORVDRV_OK. readByte(timeoutMs, byte)
// delivers one character; its first call waits firstTimeoutMs, every later one
// kNextCharTimeoutMs. A time-out gives ORVDRV_TIMEOUT and a failing read ORVDRV_IO_FAILED;
// reply keeps what arrived in every case. The whole line is kept however long it is.
template <typename ReadByte>
int ReadReplyLine(ReadByte&& readByte, int firstTimeoutMs, std::string& reply) {
    int timeoutMs = firstTimeoutMs;
    for (;;) {
        char byte = 0;
        switch (readByte(timeoutMs, byte)) {
        case ReadOutcome::Failed:
            return ORVDRV_IO_FAILED;
        case ReadOutcome::TimedOut:
            return ORVDRV_TIMEOUT;
        case ReadOutcome::Byte:
            break;
        }
        reply += byte;
        timeoutMs = kNextCharTimeoutMs;
        if (reply.ends_with("\r\n")) return ORVDRV_OK;
    }
}

// Removes the first CR LF (the line end) from a reply.
void DeleteFirstCrLf(std::string& reply);

// Writes reply NUL-terminated into out, cut to outSize - 1 bytes. Nothing is written when out
// is null or outSize is below 1.
void CopyReply(std::string_view reply, char* out, int outSize);

} // namespace orvdrv
