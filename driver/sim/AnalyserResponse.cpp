#include "AnalyserResponse.h"

#include <cstdint>

namespace orvsim {

Response Response::Line(std::string_view text) {
    return Bytes(std::string(text) + "\r\n");
}

Response Response::Unterminated(std::string_view text) {
    return Bytes(std::string(text));
}

Response Response::Bytes(std::string bytes) {
    Response response;
    response.chunks.push_back({std::move(bytes), {}});
    return response;
}

Response Response::Split(std::string_view first, std::chrono::milliseconds pause,
                         std::string_view rest) {
    Response response;
    response.chunks.push_back({std::string(first), {}});
    response.chunks.push_back({std::string(rest) + "\r\n", pause});
    return response;
}

Response Response::Garbage(std::size_t length) {
    // A fixed sequence, so a failing test sees the same bytes again.
    std::uint32_t state = 0x2545F491u;
    std::string noise;
    noise.reserve(length + 2);
    while (noise.size() < length) {
        state = state * 1664525u + 1013904223u;
        const char byte = static_cast<char>(state >> 24);
        if (byte != '\r') noise += byte;
    }
    return Bytes(noise + "\r\n");
}

Response Response::Silence() {
    return {};
}

Response Response::HangUp() {
    Response response;
    response.hangUp = true;
    return response;
}

} // namespace orvsim
