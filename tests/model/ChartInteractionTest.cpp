#include "ViewFixtures.h"

#include "mainwindow/ChartInteraction.h"
#include "mainwindow/PlaneView.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace ombrix;
using namespace ombrix::test;

namespace {

int Nearest(const std::vector<double>& pixels, int start, double x) {
    return NearestPointByX(
        static_cast<int>(pixels.size()), [&](int i) { return pixels[static_cast<std::size_t>(i)]; },
        start, x);
}

TEST(NearestPointByX, SearchesOutwardAndLetsTheLaterOfEqualPointsWin) {
    struct Case {
        std::vector<double> pixels;
        int start;
        double x;
        int expected;
    };
    const std::vector<double> even{0, 10, 20, 30, 40};
    const Case cases[] = {
        {even, 0, 31, 3},
        {even, 4, 9, 1},
        {even, 2, 20, 2},
        // Halfway between 1 and 2: the one reached later wins, so the answer
        // depends on the side the search comes from.
        {even, 0, 15, 2},
        {even, 4, 15, 1},
        // Several points on one pixel (a dense series): the last one looked at.
        {{10, 10, 10}, 1, 10, 2},
        {{0, 10, 10, 10, 30}, 0, 11, 3},
        // Not a point of the series, or no pixel to compare: the start stays.
        {even, -1, 15, -1},
        {even, 5, 15, 5},
        {{std::numeric_limits<double>::quiet_NaN(), 10}, 0, 10, 0},
        {{0, std::numeric_limits<double>::quiet_NaN(), 20}, 0, 20, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Nearest(c.pixels, c.start, c.x), c.expected)
            << "start " << c.start << " x " << c.x;
}

TEST(ChartPointer, CursorRules) {
    EXPECT_EQ(PointerModeFor(false, false, true), PointerMode::Arrow);
    EXPECT_EQ(PointerModeFor(true, false, false), PointerMode::Arrow);
    EXPECT_EQ(PointerModeFor(false, true, false), PointerMode::Arrow);
    EXPECT_EQ(PointerModeFor(false, true, true), PointerMode::ZoomDrag);
    EXPECT_EQ(PointerModeFor(true, true, true), PointerMode::ZoomDrag);
    EXPECT_EQ(PointerModeFor(true, false, true), PointerMode::MarkerDrag);

    EXPECT_TRUE(MarkerGrabbed(107, 53, 100, 60, false, false));
    EXPECT_FALSE(MarkerGrabbed(108, 60, 100, 60, false, false));
    EXPECT_FALSE(MarkerGrabbed(100, 68, 100, 60, false, true));
    // A drag in progress keeps the marker however far the pointer runs ahead.
    EXPECT_TRUE(MarkerGrabbed(300, 60, 100, 60, true, true));
    EXPECT_FALSE(MarkerGrabbed(300, 60, 100, 60, true, false));

    EXPECT_EQ(MarkerPenColor(RgbColor(255, 255, 255)), RgbColor(0, 255, 255));
    EXPECT_EQ(MarkerPenColor(RgbColor(12, 34, 56)), RgbColor(243, 34, 56));

    EXPECT_EQ(MarkerTextLines("MARKER: 10:00:05\r\nVALUE: 2 \xB5T"),
              (std::vector<std::string>{"MARKER: 10:00:05", "VALUE: 2 \xB5T"}));
    EXPECT_EQ(MarkerTextLines("one line"), (std::vector<std::string>{"one line"}));
    EXPECT_EQ(MarkerTextLines("a\nb\nc").size(), 2u);
}

TEST(ChartZoom, ArmingZoomingAndUndoing) {
    ZoomState zoom;
    zoom.ZoomIn();
    EXPECT_TRUE(zoom.Armed());
    zoom.Zoomed(ZoomableChart::Graph);
    EXPECT_FALSE(zoom.Armed());
    EXPECT_TRUE(zoom.GraphZoomed());
    zoom.ZoomIn();
    zoom.Unzoomed(ZoomableChart::Spectrum);
    EXPECT_FALSE(zoom.Armed());
    EXPECT_TRUE(zoom.GraphZoomed());
    zoom.ZoomIn();
    EXPECT_EQ(zoom.ZoomOut(1), ZoomableChart::Graph);
    EXPECT_FALSE(zoom.Armed());
    EXPECT_EQ(zoom.ZoomOut(4), ZoomableChart::Axis);
    EXPECT_EQ(zoom.ZoomOut(3), std::nullopt);
    zoom.Unzoomed(ZoomableChart::Graph);
    EXPECT_FALSE(zoom.GraphZoomed());
    zoom.Zoomed(ZoomableChart::Graph);
    zoom.SettingsApplied();
    EXPECT_FALSE(zoom.GraphZoomed());
}

TEST(ChartScroll, BarsFollowTheAxisAndMoveIt) {
    EXPECT_FALSE(SyncScrollBar(true, 25, 0, 100).enabled);
    const ScrollBarState at25 = SyncScrollBar(false, 25.5, 0, 100);
    EXPECT_TRUE(at25.enabled);
    EXPECT_EQ(at25.position, 25);
    EXPECT_EQ(SyncScrollBar(false, -10, 0, 100).position, 0);
    EXPECT_EQ(SyncScrollBar(false, 500, 0, 100).position, 100);
    const ScrollBarState flat = SyncScrollBar(false, 5, 5, 5);
    EXPECT_TRUE(flat.enabled);
    EXPECT_FALSE(flat.position);

    const AxisRange moved = ScrolledRange(30, {10, 20}, 0, 200);
    EXPECT_DOUBLE_EQ(moved.min, 60);
    EXPECT_DOUBLE_EQ(moved.max, 70);

    const ScrollBarPlacement p = PlaceScrollBars(400, 300, 16);
    EXPECT_EQ(p.hTop + 16, 296);
    EXPECT_EQ(p.hWidth, 396);
    EXPECT_EQ(p.vLeft + 16, 396);
    EXPECT_EQ(p.vHeight, 296);
}

class ChartMarker : public ViewTest {};

TEST_F(ChartMarker, MarkerPointsOfTheViews) {
    EXPECT_EQ(AxisMarkerPoint({1, 2, 4, 5}, 4), 2);
    EXPECT_EQ(AxisMarkerPoint({1, 2, 4, 5}, 3), std::nullopt);

    MatrixSelection selection;
    selection.SelectAxis(GridAxis::Y);
    selection.SetAxisText(GridAxis::X, "3");
    selection.SetAxisText(GridAxis::Z, "2");
    EXPECT_EQ(AxisGridPoint(GridAxis::Y, 7, selection), (GridPosition{3, 7, 2}));

    const std::vector<PlaneBubble> bubbles{{1, 1}, {1, 2}, {2, 1}, {2, 2}};
    const auto marker = PlaneMarkerPoint(bubbles, 2, 2);
    ASSERT_TRUE(marker);
    EXPECT_DOUBLE_EQ(marker->x, 2);
    EXPECT_DOUBLE_EQ(marker->y, 2);
    EXPECT_FALSE(PlaneMarkerPoint(bubbles, 3, 1));

    std::vector<double> values(100, 1e-8);
    values[49] = values[51] = 2e-7;
    values[50] = 1e-6;
    auto spectrum = MakeSpectrum(values, 1);
    spectrum->SetCursor(48);
    const SpectrumMarker m = SpectrumMarkerOf(*spectrum, 1e-6);
    EXPECT_DOUBLE_EQ(m.marker.x, 48);
    EXPECT_NEAR(m.marker.y, 0.01, 1e-12);
    ASSERT_TRUE(m.peak);
    EXPECT_NEAR(m.peak->x, 50, 0.5);
    EXPECT_GT(m.peak->y, 0.99);
}

} // namespace
