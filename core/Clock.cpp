#include "core/Clock.h"

#include <chrono>
#include <thread>

namespace ombrix {

DateTime SystemClock::Now() {
    return ombrix::Now();
}

void SystemClock::Pause(int milliseconds) {
    if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

namespace {
Clock* g_clock = nullptr;
}

Clock& CurrentClock() {
    static SystemClock system;
    return g_clock ? *g_clock : system;
}

void InstallClock(Clock* clock) {
    g_clock = clock;
}

} // namespace ombrix
