#pragma once
// The phase currents N, L1, L2 and L3 imported from a current table, drawn by
// the time graph beside the field values. One set exists for the whole run; the
// import fills it, the view setup shifts it along the time axis.

#include "core/DateTime.h"

#include <array>
#include <cstdint>
#include <vector>

namespace ombrix {

enum CurrentPhase : int { ePhaseN = 0, ePhaseL1 = 1, ePhaseL2 = 2, ePhaseL3 = 3 };

struct CurrentPoint {
    DateTime time = 0; // days since 1899-12-30
    double ampere = 0;
};

class CurrentCurves {
public:
    static constexpr int kPhaseCount = 4;
    using Curve = std::vector<CurrentPoint>;

    const Curve& Points(int phase) const { return m_Curves.at(static_cast<std::size_t>(phase)); }
    bool Empty() const;
    void Clear();
    // Takes all four curves at once (a finished import).
    void Replace(std::array<Curve, kPhaseCount> curves);
    // Moves every point along the time axis; used when the current offset of
    // the view settings changes.
    void ShiftTime(double days);
    // Counts every change, so a chart knows when it has to draw the curves anew.
    std::uint64_t Revision() const { return m_nRevision; }

private:
    std::array<Curve, kPhaseCount> m_Curves;
    std::uint64_t m_nRevision = 0;
};

// The program's one set of imported currents.
CurrentCurves& PhaseCurrents();

} // namespace ombrix
