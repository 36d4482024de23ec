// The two pieces behind drawing long series cheaply: the lows and highs of any
// stretch of values, and the vertical span a line covers in each pixel column.

#include "mainwindow/MinMaxPyramid.h"
#include "mainwindow/PixelColumnSpans.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <vector>

using namespace ombrix;

namespace {

constexpr double kGap = std::numeric_limits<double>::quiet_NaN();

std::optional<AxisRange> RangeByHand(const std::vector<double>& values, std::size_t first,
                                     std::size_t last) {
    std::optional<AxisRange> range;
    for (std::size_t i = first; i < std::min(last, values.size()); ++i) {
        if (std::isnan(values[i])) continue;
        if (!range) range = AxisRange{values[i], values[i]};
        range->min = std::min(range->min, values[i]);
        range->max = std::max(range->max, values[i]);
    }
    return range;
}

TEST(MinMaxPyramid, EveryStretchAgreesWithAPlainScanGapsIncluded) {
    // Lengths around the block sizes 8, 64 and 512, so that stretches start and
    // end inside blocks, on their borders and past the last whole block.
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(-5.0, 5.0);
    for (const std::size_t size : {0u, 1u, 7u, 8u, 9u, 63u, 64u, 65u, 600u, 4100u}) {
        MinMaxPyramid pyramid;
        std::vector<double> values;
        for (std::size_t i = 0; i < size; ++i) {
            values.push_back(i % 13 == 5 ? kGap : value(random));
            pyramid.Append(values.back());
        }
        ASSERT_EQ(pyramid.Size(), size);
        std::uniform_int_distribution<std::size_t> index(0, size + 2);
        for (int probe = 0; probe < 400; ++probe) {
            std::size_t first = index(random);
            std::size_t last = index(random);
            if (first > last) std::swap(first, last);
            EXPECT_EQ(pyramid.Range(first, last), RangeByHand(values, first, last))
                << "size " << size << ", " << first << ".." << last;
        }
        EXPECT_EQ(pyramid.Range(0, size), RangeByHand(values, 0, size));
    }
}

TEST(MinMaxPyramid, GapsOnlyAndEmptyStretchesHaveNoRangeAndClearStartsAfresh) {
    MinMaxPyramid pyramid;
    for (int i = 0; i < 20; ++i)
        pyramid.Append(kGap);
    EXPECT_EQ(pyramid.Gaps(), 20u);
    EXPECT_FALSE(pyramid.Range(0, 20));
    pyramid.Append(3.0);
    EXPECT_FALSE(pyramid.Range(5, 5));
    EXPECT_EQ(pyramid.Range(0, 21), (AxisRange{3.0, 3.0}));

    pyramid.Clear();
    EXPECT_EQ(pyramid.Size(), 0u);
    EXPECT_EQ(pyramid.Gaps(), 0u);
    pyramid.Append(-1.0);
    EXPECT_EQ(pyramid.Range(0, 1), (AxisRange{-1.0, -1.0}));
}

struct PieceCase {
    const char* what;
    double x0, y0, x1, y1;
    std::vector<ColumnSpan> expected; // columns 10..14 collected
};

TEST(PixelColumnSpans, PiecesFillTheColumnsTheyPass) {
    const std::vector<PieceCase> cases = {
        {"inside one column", 11.2, 30, 11.7, 20, {{11, 20, 30}}},
        {"across three columns, cut at their borders",
         10.5,
         0,
         12.5,
         40,
         {{10, 0, 10}, {11, 10, 30}, {12, 30, 40}}},
        {"drawn right to left", 12.5, 40, 10.5, 0, {{10, 0, 10}, {11, 10, 30}, {12, 30, 40}}},
        {"partly left of the collected columns", 8.0, 0, 11.0, 30, {{10, 20, 30}, {11, 30, 30}}},
        {"wholly right of them", 15.0, 0, 19.0, 30, {}},
        {"a gap at one end", 11.0, kGap, 12.0, 5, {}},
    };
    for (const PieceCase& c : cases) {
        PixelColumnSpans spans(10, 5);
        spans.AddSegment(c.x0, c.y0, c.x1, c.y1);
        const std::vector<ColumnSpan> found = spans.Spans();
        ASSERT_EQ(found.size(), c.expected.size()) << c.what;
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].column, c.expected[i].column) << c.what;
            EXPECT_DOUBLE_EQ(found[i].top, c.expected[i].top) << c.what;
            EXPECT_DOUBLE_EQ(found[i].bottom, c.expected[i].bottom) << c.what;
        }
    }
}

TEST(PixelColumnSpans, AColumnSpansEverythingAddedToIt) {
    PixelColumnSpans spans(0, 3);
    spans.AddRange(1, 50, 40);
    spans.AddSegment(1.1, 45, 1.9, 70);
    spans.AddRange(3, 0, 100);  // outside: ignored
    spans.AddRange(2, kGap, 5); // not finite: ignored
    const std::vector<ColumnSpan> found = spans.Spans();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].column, 1);
    EXPECT_EQ(found[0].top, 40);
    EXPECT_EQ(found[0].bottom, 70);
}

} // namespace
