#include "link/OrvService.h"

namespace ombrix {

bool OrvService::ReadServiceData() {
    return false;
}

bool OrvService::ReadOptions() {
    m_bOptSTD = true;
    m_bOptFFT = true;
    m_bOptExtFrq = true;
    return true;
}

} // namespace ombrix
