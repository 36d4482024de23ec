#include "Trace.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "Tick.h"

namespace orvdrv {

void TraceWrite(std::string_view line) {
    if (std::getenv(kTraceVariable) == nullptr) return;
    std::string trace = std::to_string(TickCount());
    trace += " Write: ";
    trace += line;
    // One write, so trace lines of several processes on one terminal do not interleave.
    std::fwrite(trace.data(), 1, trace.size(), stderr);
    std::fflush(stderr);
}

} // namespace orvdrv
