#include "ViewFixtures.h"

#include "mainwindow/AxisLineView.h"
#include "mainwindow/MatrixSelection.h"
#include "mainwindow/PlaneView.h"

#include <gtest/gtest.h>

using namespace ombrix;
using namespace ombrix::test;

namespace {

// X 1..3, Y 1..2, Z 1..2 in V/m; (1, 2, 1) not measured, (3, 2, 1) not ready.
std::unique_ptr<OrvMatrixDataset> Grid() {
    return MakeGrid({{1, 1, 1, 5},
                     {2, 1, 1, 10},
                     {3, 1, 1, 12},
                     {2, 2, 1, 200},
                     {3, 2, 1, 25, "!A"},
                     {1, 1, 2, 7}});
}

std::vector<int> ColorIndices(const PlaneChart& chart, const ViewSetupStruct& setup) {
    std::vector<int> indices;
    for (const PlaneBubble& b : chart.bubbles)
        for (int i = 0; i < ViewSetupStruct::kColorCount; ++i)
            if (setup.GetColors(i) == b.color && i >= eColorPlaneEmpty) {
                indices.push_back(i);
                break;
            }
    return indices;
}

class MatrixViews : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        // Distinct colours, so that a bubble's colour tells its class.
        for (int i = eColorPlaneEmpty; i <= eColorPlaneAboveThreshold; ++i)
            Settings().SetColors(i, RgbColor(static_cast<std::uint8_t>(i), 0, 0));
    }
    MatrixSelection m_selection;
};

TEST_F(MatrixViews, ChoosingAnAxisOrAPlaneEnablesTheirEdits) {
    m_selection.SelectAxis(GridAxis::X);
    m_selection.SetAxisText(GridAxis::Y, "2");
    m_selection.SetAxisText(GridAxis::Z, "1");
    auto enabled = m_selection.EnabledControls();
    EXPECT_EQ(enabled.axisEdits, (std::array<bool, 3>{false, true, true}));
    EXPECT_EQ(enabled.planeEdits, (std::array<bool, 3>{false, false, false}));

    auto grid = Grid();
    const AxisLineChart line = DrawAxisLine(*grid, m_selection, Settings());
    EXPECT_EQ(line.runningIndices, (std::vector<int>{2, 3}));
    EXPECT_EQ(line.points.size(), 2u);

    m_selection.SelectPlane(GridPlane::XY);
    EXPECT_FALSE(m_selection.Axis());
    enabled = m_selection.EnabledControls();
    EXPECT_EQ(enabled.axisEdits, (std::array<bool, 3>{false, false, false}));
    EXPECT_EQ(enabled.planeEdits, (std::array<bool, 3>{true, false, false}));
    m_selection.SelectAxis(GridAxis::Z);
    EXPECT_FALSE(m_selection.Plane());
    EXPECT_EQ(m_selection.EnabledControls().axisEdits, (std::array<bool, 3>{true, true, false}));

    struct Case {
        int sheet;
        bool grid;
        bool axisGroup, planeGroup;
    };
    for (const Case& c :
         {Case{4, true, true, false}, Case{5, true, false, true}, Case{6, true, true, true},
          Case{7, true, true, true}, Case{6, false, false, false}, Case{1, false, false, false}}) {
        const SelectionGroups groups = SelectionGroupsFor(c.sheet, c.grid);
        EXPECT_EQ(groups.axisGroup, c.axisGroup) << c.sheet;
        EXPECT_EQ(groups.planeGroup, c.planeGroup) << c.sheet;
    }
}

TEST_F(MatrixViews, IndicesOutsideTheGridGoBackToTheRangeMinimum) {
    auto grid = Grid();
    m_selection.SetPlaneText(GridPlane::XZ, "5"); // Y runs 1..2
    m_selection.SetPlaneText(GridPlane::XY, "2"); // Z 2 exists
    m_selection.SetPlaneText(GridPlane::YZ, "abc");
    m_selection.SelectPlane(GridPlane::XZ);
    PlaneView view;
    const PlaneChart& chart = view.Show(*grid, m_selection, Settings(), {});
    EXPECT_EQ(m_selection.PlaneText(GridPlane::XZ), "1");
    EXPECT_EQ(m_selection.PlaneText(GridPlane::XY), "2");
    EXPECT_EQ(m_selection.PlaneText(GridPlane::YZ), "abc");
    EXPECT_EQ(chart.fixedIndex, 1);

    m_selection.SetAxisText(GridAxis::X, "-4");
    m_selection.SetAxisText(GridAxis::Z, "3");
    m_selection.SelectAxis(GridAxis::Y);
    ShowAxis(*grid, m_selection, Settings());
    EXPECT_EQ(m_selection.AxisText(GridAxis::X), "1");
    EXPECT_EQ(m_selection.AxisText(GridAxis::Z), "1");
}

TEST_F(MatrixViews, AxisLineWithTitlesThresholdAndMarker) {
    auto grid = Grid();
    m_selection.SelectAxis(GridAxis::X);
    m_selection.SetAxisText(GridAxis::Y, "2");
    m_selection.SetAxisText(GridAxis::Z, "1");
    const AxisLineChart line = DrawAxisLine(*grid, m_selection, Settings());
    EXPECT_EQ(line.title, "Electric field strength\n(this dataset may contain some invalid "
                          "data!)\nAxis X (Y = 2, Z = 1)");
    EXPECT_EQ(line.indexAxisTitle, "X Index");
    EXPECT_EQ(line.valueAxisTitle, "Electric field strength [V/m]");
    EXPECT_DOUBLE_EQ(line.points[0].y, 200);
    EXPECT_DOUBLE_EQ(line.thresholdPoints[1].y, 50);
    EXPECT_TRUE(line.flagged);
    int x, y, z;
    grid->GetMarker(x, y, z);
    EXPECT_EQ((std::array<int, 3>{x, y, z}), (std::array<int, 3>{3, 2, 1}));

    // A line without measured points leaves the marker.
    m_selection.SetAxisText(GridAxis::Z, "2");
    m_selection.SetAxisText(GridAxis::Y, "2");
    const AxisLineChart empty = DrawAxisLine(*grid, m_selection, Settings());
    EXPECT_TRUE(empty.points.empty());
    grid->GetMarker(x, y, z);
    EXPECT_EQ((std::array<int, 3>{x, y, z}), (std::array<int, 3>{3, 2, 1}));

    // Lengths instead of indices where the grid has a spacing.
    Settings().SetIndexDistance(1, 0.5);
    Settings().SetIndexOffset(1, 1);
    m_selection.SelectAxis(GridAxis::Y);
    m_selection.SetAxisText(GridAxis::X, "2");
    m_selection.SetAxisText(GridAxis::Z, "1");
    const AxisLineChart metres = DrawAxisLine(*grid, m_selection, Settings());
    EXPECT_EQ(metres.indexAxisTitle, "Y Length [m]");
    EXPECT_EQ(metres.title, "Electric field strength\nAxis Y (X = 2, Z = 1)");

    m_selection.SelectNothing();
    DrawAxisLine(*grid, m_selection, Settings());
    EXPECT_EQ(m_selection.Axis(), GridAxis::X);
}

TEST_F(MatrixViews, PlaneColouredByThreshold) {
    Settings().SetPlaneThresholdVisible(true);
    Settings().SetThreshold(eEField, 10);
    auto grid = Grid();
    m_selection.SelectPlane(GridPlane::XY);
    m_selection.SetPlaneText(GridPlane::XY, "1");
    PlaneView view;
    const PlaneChart& chart = view.Draw(*grid, m_selection, Settings(), {});
    // X outer, Y inner: 5, empty, 10, 200, 12, 25.
    ASSERT_EQ(chart.bubbles.size(), 6u);
    EXPECT_DOUBLE_EQ(chart.bubbles[1].value, -1);
    EXPECT_EQ(ColorIndices(chart, Settings()), (std::vector<int>{23, 12, 23, 24, 24, 24}));
    ASSERT_EQ(chart.legend.size(), 3u);
    EXPECT_EQ(chart.legend[0].text, "empty");
    EXPECT_EQ(chart.legend[1].text, "Smaller than 10 V/m");
    EXPECT_EQ(chart.legend[2].text, "Bigger than 10 V/m");
    EXPECT_EQ(chart.legend[2].color, Settings().GetColors(eColorPlaneAboveThreshold));
    EXPECT_EQ(
        chart.title,
        "Electric field strength\n(this dataset may contain some invalid data!)\nPlane XY (Z = 1)");
    EXPECT_EQ(chart.horizontalTitle, "X Index");
    EXPECT_EQ(chart.verticalTitle, "Y Index");
    int x, y, z;
    grid->GetMarker(x, y, z);
    EXPECT_EQ((std::array<int, 3>{x, y, z}), (std::array<int, 3>{3, 2, 1}));
}

TEST_F(MatrixViews, AutomaticColourScaleInTenthsOfTheMaximum) {
    Settings().SetPlaneAutoScale(true);
    auto grid = Grid();
    m_selection.SelectPlane(GridPlane::XY);
    PlaneView view;
    m_selection.SetPlaneText(GridPlane::XY, "1");
    const PlaneChart& chart = view.Draw(*grid, m_selection, Settings(), {});
    for (int n = 0; n < 9; ++n)
        EXPECT_NEAR(Settings().GetPlaneScale(eEField, n), 20.0 * (n + 1), 1e-9);
    ASSERT_EQ(chart.legend.size(), 11u);
    EXPECT_EQ(chart.legend[1].text, "0 V/m - 20 V/m");
    EXPECT_EQ(chart.legend[2].text, "20 V/m - 40 V/m");
    EXPECT_EQ(chart.legend[9].text, "160 V/m - 180 V/m");
    EXPECT_EQ(chart.legend[10].text, "Bigger than 180 V/m");
    EXPECT_EQ(ColorIndices(chart, Settings()), (std::vector<int>{13, 12, 13, 22, 13, 14}));

    // Limits set by the user stay while the scale is not automatic.
    Settings().SetPlaneAutoScale(false);
    Settings().SetPlaneScale(eEField, 0, 7);
    view.Draw(*grid, m_selection, Settings(), {});
    EXPECT_DOUBLE_EQ(Settings().GetPlaneScale(eEField, 0), 7);
    EXPECT_DOUBLE_EQ(Settings().GetPlaneScale(eEField, 1), 40);
    // Never set (first limit 0): set automatically all the same.
    Settings().SetPlaneScale(eEField, 0, 0);
    view.Draw(*grid, m_selection, Settings(), {});
    EXPECT_DOUBLE_EQ(Settings().GetPlaneScale(eEField, 0), 20);
}

TEST_F(MatrixViews, PlaneLayoutsAndAnEmptyPlane) {
    auto grid = Grid();
    PlaneView view;
    m_selection.SelectPlane(GridPlane::YZ);
    m_selection.SetPlaneText(GridPlane::YZ, "1");
    const PlaneChart& yz = view.Draw(*grid, m_selection, Settings(), {});
    EXPECT_EQ(yz.horizontal, GridAxis::Z);
    EXPECT_EQ(yz.vertical, GridAxis::Y);
    EXPECT_EQ(yz.title, "Electric field strength\nPlane YZ (X = 1)");
    // Z outer, Y inner over Z 1..2, Y 1..2 at X 1: 5, empty, 7, empty.
    ASSERT_EQ(yz.bubbles.size(), 4u);
    EXPECT_EQ(yz.bubbles[2].h, 2);
    EXPECT_EQ(yz.bubbles[2].w, 1);
    EXPECT_DOUBLE_EQ(yz.bubbles[2].value, 7);
    EXPECT_EQ(PlaneGridPoint(GridPlane::YZ, 2, 1, 1), (GridPosition{1, 1, 2}));
    EXPECT_EQ(PlaneGridPoint(GridPlane::XZ, 3, 2, 1), (GridPosition{3, 1, 2}));

    int x, y, z;
    grid->GetMarker(x, y, z);
    const std::array<int, 3> before{x, y, z};
    m_selection.SetPlaneText(GridPlane::YZ, "9");
    const PlaneChart& empty = view.Draw(*grid, m_selection, Settings(), {});
    EXPECT_TRUE(empty.bubbles.empty());
    grid->GetMarker(x, y, z);
    EXPECT_EQ((std::array<int, 3>{x, y, z}), before);

    m_selection.SelectNothing();
    view.Draw(*grid, m_selection, Settings(), {});
    EXPECT_EQ(m_selection.Plane(), GridPlane::XY);
}

TEST_F(MatrixViews, FarApartIndicesCostTheirPointsNotTheirCells) {
    // Four million cells between two points: only the measured ones get a bubble.
    auto grid = MakeGrid({{1, 1, 1, 3}, {2000, 2000, 1, 4}, {2000, 1, 1, 5}});
    m_selection.SelectPlane(GridPlane::XY);
    m_selection.SetPlaneText(GridPlane::XY, "1");
    PlaneView view;
    const PlaneChart& chart = view.Draw(*grid, m_selection, Settings(), {});
    ASSERT_EQ(chart.bubbles.size(), 3u);
    EXPECT_EQ(chart.bubbles[1].h, 2000);
    EXPECT_EQ(chart.bubbles[1].w, 1);
    EXPECT_NEAR(chart.horizontalRange.max, 2000.7, 1e-9);
    m_selection.SelectNothing();
    EXPECT_EQ(SelectionValues(*grid, m_selection), (std::vector<double>{3, 5, 4}));
}

TEST_F(MatrixViews, PlaneAxesKeepTheGridsProportions) {
    auto grid = Grid(); // X 1..3, Y 1..2
    m_selection.SelectPlane(GridPlane::XY);
    m_selection.SetPlaneText(GridPlane::XY, "1");
    PlaneView view;
    const PlaneChart& unlaid = view.Draw(*grid, m_selection, Settings(), {});
    EXPECT_NEAR(unlaid.horizontalRange.min, 0.3, 1e-12);
    EXPECT_NEAR(unlaid.horizontalRange.max, 3.7, 1e-12);
    EXPECT_NEAR(unlaid.verticalRange.max, 2.7, 1e-12);

    // 2.4 index units over 200 px decide: 0.012 per pixel on both axes.
    const PlaneChart& laid = view.Draw(*grid, m_selection, Settings(), {400, 200});
    EXPECT_NEAR(laid.horizontalRange.min, 0.3, 1e-12);
    EXPECT_NEAR(laid.horizontalRange.max, 0.3 + 400 * 0.012, 1e-12);
    EXPECT_NEAR(laid.verticalRange.max, 2.7, 1e-12);

    // A Y spacing twice that of X: Y takes twice the room per index.
    Settings().SetIndexDistance(0, 0.5);
    Settings().SetIndexDistance(1, 1.0);
    const PlaneChart& metres = view.Draw(*grid, m_selection, Settings(), {400, 400});
    const double metresPerPixel = std::max(2.4 * 1.0 / 400, 3.4 * 0.5 / 400);
    EXPECT_NEAR(metres.horizontalRange.max, 0.3 + 400 * metresPerPixel / 0.5, 1e-12);
    EXPECT_NEAR(metres.verticalRange.max, 0.3 + 400 * metresPerPixel / 1.0, 1e-12);
    EXPECT_EQ(metres.horizontalTitle, "X Length [m]");
}

TEST_F(MatrixViews, MetreLabelsCountFromIndexOneLikeThePositions) {
    Settings().SetIndexDistance(0, 0.5);
    Settings().SetIndexOffset(0, 1);
    auto grid = Grid();
    EXPECT_EQ(grid->FormatAxisPosition(0, 4), "2.5 m");
    struct Case {
        const char* title;
        double index;
        std::optional<std::string> label;
    };
    for (const Case& c : {Case{"X Length [m]", 4, "2.5"}, Case{"X Length [m]", 1, "1"},
                          Case{"X Length [m]", 0, "0.5"}, Case{"Y Index", 4, std::nullopt},
                          Case{"Electric field strength [V/m]", 4, std::nullopt}}) {
        EXPECT_EQ(MatrixAxisLabel(c.title, c.index, Settings()), c.label)
            << c.title << " " << c.index;
    }
}

} // namespace
