// The error and failure answers of the analyser's firmware, by the code a host gives them.
#pragma once

#include <optional>
#include <string>

namespace orvsim {

inline constexpr int kFirstErrorCode = 100;
inline constexpr int kLastErrorCode = 116;

// The answer line (without CR LF) for codes 100 to 116, e.g. 103 "FAILED: arg out of range";
// nothing for other codes.
std::optional<std::string> ErrorAnswer(int code);

} // namespace orvsim
