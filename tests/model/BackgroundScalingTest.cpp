// The arithmetic of the background picture: reduction of large pictures, the
// region a stretch shows, and which scaling values count as new.

#include "presentation/BackgroundScaling.h"

#include <gtest/gtest.h>

namespace ombrix {
namespace {

TEST(BackgroundScalingTest, LargePicturesGet512PixelsOnTheLongerSide) {
    struct Case {
        PictureSize imported, base;
    };
    const Case cases[] = {
        {{2048, 1000}, {512, 250}}, {{1000, 1024}, {1000, 1024}}, // no side past 1024
        {{1000, 2048}, {250, 512}}, {{1024, 1024}, {1024, 1024}},
        {{1025, 1025}, {512, 512}}, // square: reduced by the width
        {{1500, 3000}, {256, 512}}, {{640, 480}, {640, 480}},
        {{4096, 1}, {512, 1}}, // a thin strip keeps a row instead of vanishing
        {{1, 4096}, {1, 512}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReducedPictureSize(c.imported), c.base)
            << c.imported.width << " x " << c.imported.height;
}

TEST(BackgroundScalingTest, StretchShowsAShrunkenRegionFromTheOffset) {
    const PictureSize base{400, 300};
    EXPECT_EQ(StretchRegion(base, 0, 0, 100, 100), (PictureRegion{0, 0, 400, 300}));
    EXPECT_EQ(StretchRegion(base, 0, 0, 200, 100), (PictureRegion{0, 0, 200, 300}))
        << "horizontal 200: the left half fills the width";
    EXPECT_EQ(StretchRegion(base, 25, -10, 300, 50), (PictureRegion{25, -10, 133, 600}));
    EXPECT_EQ(StretchRegion(base, 0, 0, 0, -5), (PictureRegion{0, 0, 400, 300}))
        << "no stretch for 0 or less";
    EXPECT_EQ(StretchRegion(base, 0, 0, 1000, 1000), (PictureRegion{0, 0, 40, 30}));
}

TEST(BackgroundScalingTest, OnlyChangedValuesCountAsNew) {
    LastAppliedScaling last;
    EXPECT_EQ(last.Values(), (ScaleValues{-1, -1, -1, -1})) << "nothing applied at start";
    EXPECT_TRUE(last.Take(ScaleValues{}));
    EXPECT_FALSE(last.Take(ScaleValues{})) << "the same values again redraw nothing";
    EXPECT_TRUE(last.Take(ScaleValues{0, 200, 0, 100}));
    EXPECT_EQ(last.Values().hStretch, 200);
    EXPECT_FALSE(last.Take(ScaleValues{0, 200, 0, 100}));

    EXPECT_TRUE(last.Take(ScaleValues{0, 0, 0, -3}));
    EXPECT_EQ(last.Values(), (ScaleValues{0, 100, 0, 100})) << "stretch of 0 or less is 100";
    EXPECT_FALSE(last.Take(ScaleValues{0, 0, 0, 0})) << "and is no change after 100";

    EXPECT_EQ(ScaleFieldInteger("150", 100), 150);
    EXPECT_EQ(ScaleFieldInteger("-20", 0), -20);
    EXPECT_EQ(ScaleFieldInteger("1.5", 100), 100);
    EXPECT_EQ(ScaleFieldInteger("", 0), 0);
}

} // namespace
} // namespace ombrix
