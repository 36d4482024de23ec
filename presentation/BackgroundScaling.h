#pragma once
// The arithmetic of the plane view's background picture: how far a large
// picture is reduced on loading, which region of the base picture a stretch and
// an offset show, and which scaling values have been applied already.

#include <string_view>

namespace ombrix {

struct PictureSize {
    int width = 0;
    int height = 0;
    bool operator==(const PictureSize&) const = default;
};

// Pictures with a side past this many pixels are reduced on loading...
constexpr int kLargePictureSide = 1024;
// ... so that their longer side gets this many.
constexpr int kReducedPictureSide = 512;

// The base picture's size for an imported picture of `imported` size. A very
// thin large picture keeps at least one pixel on its short side.
PictureSize ReducedPictureSize(PictureSize imported);

// The region of the base picture that fills the stretched picture (which has
// the base picture's size): from the offset on, base size x 100 / stretch
// percent. Parts of the region outside the base picture show blank.
struct PictureRegion {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PictureRegion&) const = default;
};
PictureRegion StretchRegion(PictureSize base, int hOffset, int vOffset, int hStretch, int vStretch);

// Stretch percents of 0 or less count as no stretch.
constexpr int kNoStretch = 100;
int EffectiveStretch(int percent);

// The four values the stretched picture is made from.
struct ScaleValues {
    int hOffset = 0;
    int hStretch = kNoStretch;
    int vOffset = 0;
    int vStretch = kNoStretch;
    bool operator==(const ScaleValues&) const = default;
};

// The values with which the stretched picture was last made, kept for the whole
// run (also across loads): the scaling dialog redraws only when a field differs.
class LastAppliedScaling {
public:
    // Takes every value that differs; true when at least one did.
    bool Take(const ScaleValues& fields);
    const ScaleValues& Values() const { return m_Values; }

private:
    ScaleValues m_Values{-1, -1, -1, -1};
};

// A scaling field's integer, `fallback` when the text is not one.
int ScaleFieldInteger(std::string_view text, int fallback);

} // namespace ombrix
