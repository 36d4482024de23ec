#include "ReplyReader.h"

#include <algorithm>
#include <cstring>

namespace orvdrv {

void DeleteFirstCrLf(std::string& reply) {
    const auto at = reply.find("\r\n");
    if (at != std::string::npos) reply.erase(at, 2);
}

void CopyReply(std::string_view reply, char* out, int outSize) {
    if (out == nullptr || outSize < 1) return;
    const std::size_t length = std::min(reply.size(), static_cast<std::size_t>(outSize) - 1);
    if (length > 0) std::memcpy(out, reply.data(), length);
    out[length] = '\0';
}

} // namespace orvdrv
