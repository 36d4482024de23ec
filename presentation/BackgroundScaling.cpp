#include "presentation/BackgroundScaling.h"

#include "core/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace ombrix {

PictureSize ReducedPictureSize(PictureSize imported) {
    const double w = imported.width, h = imported.height;
    double factor = 1.0;
    if (imported.width > kLargePictureSide) factor = w / kReducedPictureSide;
    if (imported.height > kLargePictureSide && imported.height > imported.width)
        factor = h / kReducedPictureSide;
    if (factor == 1.0) return imported;
    return {std::max(1, static_cast<int>(w / factor)), std::max(1, static_cast<int>(h / factor))};
}

int EffectiveStretch(int percent) {
    return percent > 0 ? percent : kNoStretch;
}

PictureRegion StretchRegion(PictureSize base, int hOffset, int vOffset, int hStretch,
                            int vStretch) {
    const long long w = base.width, h = base.height;
    return {hOffset, vOffset, static_cast<int>(w * 100 / EffectiveStretch(hStretch)),
            static_cast<int>(h * 100 / EffectiveStretch(vStretch))};
}

bool LastAppliedScaling::Take(const ScaleValues& fields) {
    bool changed = false;
    const auto take = [&changed](int& applied, int field) {
        if (applied != field) {
            applied = field;
            changed = true;
        }
    };
    // A stretch of 0 or less is applied as 100, so entering it again after
    // 100 changes nothing.
    take(m_Values.hOffset, fields.hOffset);
    take(m_Values.hStretch, EffectiveStretch(fields.hStretch));
    take(m_Values.vOffset, fields.vOffset);
    take(m_Values.vStretch, EffectiveStretch(fields.vStretch));
    return changed;
}

int ScaleFieldInteger(std::string_view text, int fallback) {
    int value = 0;
    return TryParseInt(text, value) ? value : fallback;
}

} // namespace ombrix
