#pragma once
// Element records of the datasets with several values: a spectrum line, a
// sample of a timed series and a point of a spatial grid. Plain values, kept by
// value in vectors.

#include "config/Listendecl.h"
#include "core/DateTime.h"

namespace ombrix {

struct OrvVectorList {
    int m_nNumber = -1;
    double m_dValue = -1.0;
};

struct OrvAutoList : OrvVectorList {
    Code m_nValid = kNotRead;
    int m_nFrequencyHz = -1;
};

struct OrvMatrixList : OrvAutoList {
    int m_nX = -1;
    int m_nY = -1;
    int m_nZ = -1;
    DateTime m_dtTime = 0;
    Code m_nMaxHold = kNotRead;
};

// A peak of a spectrum, refined by interpolation.
struct VectorPeak {
    double m_dBin = 0;
    double m_dFrequency = 0;
    double m_dPeakValue = 0;
};

} // namespace ombrix
