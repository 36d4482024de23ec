#include "Tick.h"

#include <chrono>

namespace orvdrv {

std::uint64_t TickCount() {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace orvdrv
