#pragma once
// The time as the live operation sees it, and the pauses of the simulated
// analyser's waits. The program uses the system clock and real pauses; tests
// and `ombrix-cli remote --fast` a clock they step themselves and no pauses.

#include "core/DateTime.h"

namespace ombrix {

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime Now() = 0;
    virtual void Pause(int milliseconds) = 0;
};

// Local time and real pauses.
class SystemClock : public Clock {
public:
    DateTime Now() override;
    void Pause(int milliseconds) override;
};

// Time that moves only when told to; pauses advance it without waiting, or
// not at all with zero waits.
class ManualClock : public Clock {
public:
    explicit ManualClock(DateTime start, bool pausesAdvanceTime = false)
        : m_now(start), m_pausesAdvanceTime(pausesAdvanceTime) {}
    DateTime Now() override { return m_now; }
    void Pause(int milliseconds) override {
        if (m_pausesAdvanceTime) Advance(milliseconds);
    }
    void Set(DateTime now) { m_now = now; }
    void Advance(int milliseconds) { m_now += milliseconds / kMSecsPerDay; }
    void AdvanceSeconds(double seconds) { m_now += seconds / 86400.0; }

private:
    DateTime m_now;
    bool m_pausesAdvanceTime;
};

// The clock in use (the system clock until another is installed; not owned).
Clock& CurrentClock();
void InstallClock(Clock* clock);

} // namespace ombrix
