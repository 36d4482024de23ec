#include "presentation/CurrentCurves.h"

#include <utility>

namespace ombrix {

bool CurrentCurves::Empty() const {
    for (const Curve& curve : m_Curves)
        if (!curve.empty()) return false;
    return true;
}

void CurrentCurves::Clear() {
    for (Curve& curve : m_Curves)
        curve.clear();
    ++m_nRevision;
}

void CurrentCurves::Replace(std::array<Curve, kPhaseCount> curves) {
    m_Curves = std::move(curves);
    ++m_nRevision;
}

void CurrentCurves::ShiftTime(double days) {
    if (days == 0) return;
    for (Curve& curve : m_Curves)
        for (CurrentPoint& point : curve)
            point.time += days;
    ++m_nRevision;
}

CurrentCurves& PhaseCurrents() {
    static CurrentCurves curves;
    return curves;
}

} // namespace ombrix
