#include "AnalyserScript.h"

#include <cctype>

namespace orvsim {
namespace {

constexpr int kSlowBaud = 9600;
constexpr int kFastBaud = 19200;

bool Matches(std::string_view pattern, std::string_view line) {
    if (pattern.ends_with('*')) {
        pattern.remove_suffix(1);
        return line.starts_with(pattern);
    }
    return line == pattern;
}

bool IsNumbered(std::string_view line) {
    return line.size() >= 2 && line[0] == 'C' && std::isdigit(static_cast<unsigned char>(line[1]));
}

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    while (!line.empty()) {
        const auto blank = line.find(' ');
        if (blank != 0) words.push_back(line.substr(0, blank));
        if (blank == std::string_view::npos) break;
        line.remove_prefix(blank + 1);
    }
    return words;
}

Response SwitchBaud(const std::vector<std::string_view>& words, AnalyserState& state) {
    if (words.size() >= 2 && (words[1] == "0" || words[1] == "1")) {
        state.baud = words[1] == "1" ? kFastBaud : kSlowBaud;
        return Response::Silence();
    }
    return Response::Line("FAILED: arg out of range");
}

Response Numbered(std::string_view line, AnalyserState& state) {
    if (!state.remote) return Response::Line("FAILED: command ignored");
    const auto words = Words(line);
    if (words.front() == "C100") return SwitchBaud(words, state);
    return Response::Line("OK");
}

} // namespace

void AnalyserScript::On(std::string pattern, Response response) {
    m_rules.emplace_back(std::move(pattern), std::move(response));
}

Response AnalyserScript::Respond(std::string_view line, AnalyserState& state) const {
    for (auto rule = m_rules.rbegin(); rule != m_rules.rend(); ++rule)
        if (Matches(rule->first, line)) return rule->second;

    if (line == "REMOTE?") return Response::Line(state.remote ? "REMOTE 1" : "REMOTE 0");
    if (line == "REMOTE" || line == "LOCAL") {
        state.remote = line == "REMOTE";
        return Response::Line("OK");
    }
    if (IsNumbered(line)) return Numbered(line, state);
    return Response::Line("ERROR CMD");
}

Response AnalyserScript::Misheard() {
    std::string noise = "ERROR CMD\r\n";
    // A UART at the wrong rate frames bits into other characters; setting the top bit is
    // enough to make sure no CR LF survives.
    for (char& byte : noise)
        byte = static_cast<char>(byte | 0x80);
    return Response::Bytes(noise);
}

} // namespace orvsim
