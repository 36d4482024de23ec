// The debug trace of lines written to the analyser.
#pragma once

#include <string_view>

namespace orvdrv {

// The environment variable that switches the trace on.
inline constexpr const char* kTraceVariable = "ORVDRV_TRACE";

// Writes "<tick> Write: <line>" to stderr when the trace is on; the line brings its own line
// feed. The variable is looked at on every call, so a host can switch the trace while running.
void TraceWrite(std::string_view line);

} // namespace orvdrv
