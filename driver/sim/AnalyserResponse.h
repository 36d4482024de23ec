// What the scripted analyser sends back for one line it received.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvsim {

struct Response {
    struct Chunk {
        std::string bytes;
        std::chrono::milliseconds pause{0}; // before these bytes are sent
    };

    std::vector<Chunk> chunks; // none: the analyser stays silent
    bool hangUp = false;       // the analyser closes its end of the line instead of answering

    // text and CR LF, the analyser's normal answer.
    static Response Line(std::string_view text);
    // text without its CR LF, as from an analyser switched off while answering.
    static Response Unterminated(std::string_view text);
    // Exactly these bytes, e.g. two lines at once or a NUL inside a line.
    static Response Bytes(std::string bytes);
    // first, then after pause the rest with CR LF: a slow answer.
    static Response Split(std::string_view first, std::chrono::milliseconds pause,
                          std::string_view rest);
    // length bytes of noise (NUL and bytes above 127 included, never CR) and CR LF.
    static Response Garbage(std::size_t length);
    static Response Silence();
    static Response HangUp();
};

} // namespace orvsim
