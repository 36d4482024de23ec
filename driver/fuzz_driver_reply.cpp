// Feeds arbitrary line bytes through reading, cutting and classifying an analyser reply.
// Input: byte 0 is the size of the host's reply buffer, bit 0 of byte 1 says whether the line
// fails (1) or goes quiet (0) after the rest, and the rest is what arrives on the line.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "CommandLine.h"
#include "ReplyClassifier.h"
#include "ReplyReader.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const int bufferSize = data[0] % 80;
    const bool failsAtEnd = (data[1] & 1) != 0;
    const std::string_view line(reinterpret_cast<const char*>(data + 2), size - 2);

    std::size_t at = 0;
    std::string reply;
    const int result = orvdrv::ReadReplyLine(
        [&](int, char& byte) {
            if (at == line.size())
                return failsAtEnd ? orvdrv::ReadOutcome::Failed : orvdrv::ReadOutcome::TimedOut;
            byte = line[at++];
            return orvdrv::ReadOutcome::Byte;
        },
        orvdrv::kFirstCharTimeoutMs, reply);

    // Reading stops right after the first CR LF, and nothing read is lost.
    Check(reply == line.substr(0, at));
    const auto lineEnd = line.find("\r\n");
    if (lineEnd == std::string_view::npos) {
        Check(result == (failsAtEnd ? ORVDRV_IO_FAILED : ORVDRV_TIMEOUT) && at == line.size());
    } else {
        Check(result == ORVDRV_OK && at == lineEnd + 2);
    }

    orvdrv::DeleteFirstCrLf(reply);
    const int code = orvdrv::ClassifyReply(reply);
    Check(code == ORVDRV_OK || (code >= ORVDRV_ERROR_CMD && code <= ORVDRV_FAILED_COMMAND_RANGE));

    // An exact-size buffer, so that the sanitizer sees the first byte written past it.
    auto out = bufferSize > 0 ? std::make_unique<char[]>(bufferSize) : nullptr;
    orvdrv::CopyReply(reply, out.get(), bufferSize);
    if (bufferSize > 0) {
        const std::size_t kept = std::min(reply.size(), static_cast<std::size_t>(bufferSize - 1));
        Check(std::memcmp(out.get(), reply.data(), kept) == 0 && out[kept] == '\0');
    }

    // The same bytes as a command's argument, with numbers from the input.
    const int command = static_cast<std::int8_t>(data[0]);
    const int sub = static_cast<std::int8_t>(data[1]);
    const std::string commandLine = orvdrv::FormatCommandLine(command, sub, line);
    Check(commandLine.ends_with(line));
    return 0;
}
