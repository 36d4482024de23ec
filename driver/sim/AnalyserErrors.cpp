#include "AnalyserErrors.h"

#include <string_view>

namespace orvsim {
namespace {

// Indexed by code - kFirstErrorCode.
constexpr std::string_view kAnswers[] = {
    "ERROR CMD",
    "ERROR",
    "FAILED: illegal sub fct nr",
    "FAILED: arg out of range",
    "FAILED: wrong selected",
    "FAILED: not implemented yet",
    "FAILED: not enough memory",
    "FAILED: mode not available",
    "FAILED: improper device type",
    "FAILED: no standard available",
    "FAILED: matrix empty",
    "FAILED: command ignored",
    "FAILED: already running",
    "FAILED: not running",
    "FAILED: matrix not open",
    "FAILED: standard not available",
    "FAILED: Command number out of range",
};
static_assert(std::size(kAnswers) == kLastErrorCode - kFirstErrorCode + 1);

} // namespace

std::optional<std::string> ErrorAnswer(int code) {
    if (code < kFirstErrorCode || code > kLastErrorCode) return std::nullopt;
    return std::string(kAnswers[code - kFirstErrorCode]);
}

} // namespace orvsim
