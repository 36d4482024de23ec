// The millisecond tick count shown in trace lines.
#pragma once

#include <cstdint>

namespace orvdrv {

// Milliseconds on the monotonic clock (since boot); 64 bits, so it never wraps.
std::uint64_t TickCount();

} // namespace orvdrv
