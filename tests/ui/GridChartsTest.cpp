// The axis and plane pages of a spatial measurement in the running program,
// with the selection groups below them: which line or plane is drawn, which
// edits are enabled, the plane's colour classes and legend texts in both
// modes, its true proportions, its background picture, and the error page
// taking the groups away.

#include "MainWindowFixture.h"

#include "../model/ViewFixtures.h"

#include "core/Ombrix.h"
#include "datasets/OrvMatrixDataset.h"
#include "mainwindow/ChartAxis.h"
#include "mainwindow/ChartPlane.h"
#include "mainwindow/SelectionGroupsWidget.h"
#include "presentation/ViewSetupStruct.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include <stdexcept>

using namespace ombrix;

namespace {

class GridCharts : public uitest::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        StartDatalog();
        Form().resize(1100, 800);
        ViewSetup().SetDefaults();
        Form().ApplyViewSettings();
    }

    // A grid in V/m: x 0..3, y 0..2, z 0..1, with (0, 1, 0) and (3, 2, 1) not measured.
    OrvMatrixDataset* ShowGrid(std::vector<test::GridPoint> points = {}) {
        if (points.empty()) {
            for (int z = 0; z <= 1; ++z)
                for (int y = 0; y <= 2; ++y)
                    for (int x = 0; x <= 3; ++x)
                        if (!(x == 0 && y == 1 && z == 0) && !(x == 3 && y == 2 && z == 1))
                            points.push_back({x, y, z, 1.0 + x + 10.0 * y + 100.0 * z});
        }
        const char saved = OrvDataset::TransferSeparator();
        OrvDataset::SetTransferSeparator(';');
        auto grid = test::MakeGrid(points);
        OrvDataset::SetTransferSeparator(saved);
        OrvMatrixDataset* shown = grid.get();
        auto list = std::make_unique<OrvDataList>();
        list->Append(std::move(grid));
        ShowOnly(std::move(list));
        Select(shown);
        QApplication::processEvents();
        return shown;
    }

    void ShowPage(int sheet) {
        Form().PageControlView().ActivatePage(sheet);
        Form().RefreshView();
        QApplication::processEvents();
    }
    void Apply(const std::function<void(ViewSetupStruct&)>& change) {
        change(ViewSetup());
        Form().ApplyViewSettings();
    }

    SelectionGroupsWidget& Groups() const { return SelectionGroupsWidget::Of(Form()); }
    ChartAxis* Axis() const {
        return dynamic_cast<ChartAxisPage*>(Form().InstalledViewPage(eSheetAxis))->Chart();
    }
    ChartPlane* Plane() const {
        return dynamic_cast<ChartPlanePage*>(Form().InstalledViewPage(eSheetPlane))->Chart();
    }
    bool AxisGroupShown() const { return !Form().AxisSelectionHost()->isHidden(); }
    bool PlaneGroupShown() const { return !Form().PlaneSelectionHost()->isHidden(); }

    struct Enabling {
        bool axisX, axisY, axisZ, planeXY, planeXZ, planeYZ;
    };
    Enabling EditsEnabled() const {
        const SelectionGroupsWidget& g = Groups();
        for (GridAxis a : {GridAxis::X, GridAxis::Y, GridAxis::Z})
            EXPECT_EQ(g.AxisEdit(a)->isEnabled(), g.AxisUpDown(a)->isEnabled());
        for (GridPlane p : {GridPlane::XY, GridPlane::XZ, GridPlane::YZ})
            EXPECT_EQ(g.PlaneEdit(p)->isEnabled(), g.PlaneUpDown(p)->isEnabled());
        return {g.AxisEdit(GridAxis::X)->isEnabled(),    g.AxisEdit(GridAxis::Y)->isEnabled(),
                g.AxisEdit(GridAxis::Z)->isEnabled(),    g.PlaneEdit(GridPlane::XY)->isEnabled(),
                g.PlaneEdit(GridPlane::XZ)->isEnabled(), g.PlaneEdit(GridPlane::YZ)->isEnabled()};
    }
    static void ExpectEnabling(const Enabling& got, const Enabling& want) {
        EXPECT_EQ(got.axisX, want.axisX);
        EXPECT_EQ(got.axisY, want.axisY);
        EXPECT_EQ(got.axisZ, want.axisZ);
        EXPECT_EQ(got.planeXY, want.planeXY);
        EXPECT_EQ(got.planeXZ, want.planeXZ);
        EXPECT_EQ(got.planeYZ, want.planeYZ);
    }

    // The colour of the bubble at (h, w); invalid when there is none.
    QColor BubbleColour(double h, double w) const {
        for (QCPGraph* series : Plane()->BubbleSeries())
            for (auto it = series->data()->constBegin(); it != series->data()->constEnd(); ++it)
                if (it->key == h && it->value == w) return series->scatterStyle().brush().color();
        return {};
    }
    QStringList LegendTexts() const {
        QStringList texts;
        for (QCPGraph* series : Plane()->LegendSeries())
            texts << series->name();
        return texts;
    }
};

TEST_F(GridCharts, AxisSelectionDrawsTheLineAndEnablesTheFixedIndices) {
    ShowGrid();
    ASSERT_EQ(Form().ViewSheet(), eSheetAxis);
    EXPECT_TRUE(AxisGroupShown());
    EXPECT_FALSE(PlaneGroupShown());
    SelectionGroupsWidget& g = Groups();
    EXPECT_TRUE(g.AxisButton(GridAxis::X)->isChecked());
    ExpectEnabling(EditsEnabled(), {false, true, true, false, false, false});
    EXPECT_EQ(g.AxisUpDown(GridAxis::X)->Maximum(), 3);
    EXPECT_EQ(g.AxisUpDown(GridAxis::Y)->Maximum(), 2);
    EXPECT_EQ(g.AxisUpDown(GridAxis::Z)->Maximum(), 1);

    // Y = 2, Z = 1: every measured (x, 2, 1), the missing (3, 2, 1) left out.
    g.AxisEdit(GridAxis::Y)->setText(QStringLiteral("2"));
    g.AxisEdit(GridAxis::Z)->setText(QStringLiteral("1"));
    QCPGraph* line = Axis()->SeriesAxis();
    ASSERT_EQ(line->dataCount(), 3);
    for (int x = 0; x < 3; ++x) {
        EXPECT_DOUBLE_EQ(line->data()->at(x)->key, x);
        EXPECT_DOUBLE_EQ(line->data()->at(x)->value, 1.0 + x + 20 + 100);
    }
    EXPECT_EQ(Axis()->ThresholdAxis()->dataCount(), 3);
    EXPECT_TRUE(Axis()->TitleElement()->text().endsWith(QStringLiteral("Axis X (Y = 2, Z = 1)")))
        << Axis()->TitleElement()->text().toStdString();
    EXPECT_EQ(Axis()->xAxis->label(), QStringLiteral("X Index"));

    // The up arrow steps within the grid.
    g.AxisUpDown(GridAxis::Z)->Step(+1);
    EXPECT_EQ(g.AxisEdit(GridAxis::Z)->text(), QStringLiteral("1"));
    g.AxisUpDown(GridAxis::Z)->Step(-1);
    EXPECT_EQ(g.AxisEdit(GridAxis::Z)->text(), QStringLiteral("0"));

    // Y runs: its own edit gives way, X fixes the line.
    g.AxisButton(GridAxis::Y)->click();
    ExpectEnabling(EditsEnabled(), {true, false, true, false, false, false});
    EXPECT_EQ(Axis()->xAxis->label(), QStringLiteral("Y Index"));

    // The plane page: its group instead, a plane chosen, the axis buttons cleared.
    ShowPage(eSheetPlane);
    ASSERT_EQ(Form().ViewSheet(), eSheetPlane);
    EXPECT_TRUE(PlaneGroupShown());
    EXPECT_FALSE(AxisGroupShown());
    EXPECT_TRUE(g.PlaneButton(GridPlane::XY)->isChecked());
    for (GridAxis a : {GridAxis::X, GridAxis::Y, GridAxis::Z})
        EXPECT_FALSE(g.AxisButton(a)->isChecked());
    ExpectEnabling(EditsEnabled(), {false, false, false, true, false, false});

    // An XZ plane at a Y index outside the grid comes back to the Y minimum.
    g.PlaneButton(GridPlane::XZ)->click();
    ExpectEnabling(EditsEnabled(), {false, false, false, false, true, false});
    g.PlaneEdit(GridPlane::XZ)->setText(QStringLiteral("99"));
    EXPECT_EQ(g.PlaneEdit(GridPlane::XZ)->text(), QStringLiteral("0"));
    EXPECT_TRUE(Plane()->TitleElement()->text().endsWith(QStringLiteral("Plane XZ (Y = 0)")))
        << Plane()->TitleElement()->text().toStdString();
}

TEST_F(GridCharts, PlaneColoursAndLegendTextsInBothModes) {
    std::vector<test::GridPoint> points = {
        {0, 0, 0, 5}, {1, 0, 0, 10}, {2, 0, 0, 12}, {1, 1, 0, 3}, {2, 1, 0, 200}};
    OrvMatrixDataset* grid = ShowGrid(points);
    const ValueClass vc = grid->GetValueClass();
    const std::string unit = grid->GetUnitText();
    Apply([vc](ViewSetupStruct& s) {
        s.SetPlaneThresholdVisible(true);
        s.SetThreshold(vc, 10);
    });
    ShowPage(eSheetPlane);
    ASSERT_EQ(Form().ViewSheet(), eSheetPlane);

    const ViewSetupStruct& s = ViewSetup();
    const auto colour = [&s](int index) { return ToQColor(s.GetColors(index)); };
    struct Case {
        double h, w;
        int colourIndex;
    };
    for (const Case& c :
         {Case{0, 0, eColorPlaneBelowThreshold}, Case{1, 0, eColorPlaneBelowThreshold},
          Case{2, 0, eColorPlaneAboveThreshold}, Case{0, 1, eColorPlaneEmpty}}) {
        EXPECT_EQ(BubbleColour(c.h, c.w), colour(c.colourIndex)) << c.h << "," << c.w;
    }
    const QString threshold = QString::fromLatin1(FormatValue(10, unit));
    EXPECT_EQ(LegendTexts(),
              (QStringList{QStringLiteral("empty"), QStringLiteral("Smaller than ") + threshold,
                           QStringLiteral("Bigger than ") + threshold}));
    ASSERT_EQ(Plane()->LegendSeries().size(), 3u);
    EXPECT_EQ(Plane()->LegendSeries()[2]->scatterStyle().brush().color(),
              colour(eColorPlaneAboveThreshold));

    // Scale mode, limits at tenths of the largest value (200).
    Apply([](ViewSetupStruct& setup) {
        setup.SetPlaneThresholdVisible(false);
        setup.SetPlaneAutoScale(true);
    });
    EXPECT_DOUBLE_EQ(ViewSetup().GetPlaneScale(vc, 0), 20);
    EXPECT_DOUBLE_EQ(ViewSetup().GetPlaneScale(vc, 8), 180);
    const QStringList texts = LegendTexts();
    ASSERT_EQ(texts.size(), 11);
    EXPECT_EQ(texts[0], QStringLiteral("empty"));
    EXPECT_EQ(texts[1], QString::fromLatin1(FormatValue(0, unit) + " - " + FormatValue(20, unit)));
    EXPECT_EQ(texts[10], QString::fromLatin1("Bigger than " + FormatValue(180, unit)));
    // 5 and 12 in the first class (up to 20), the largest value above the last limit.
    EXPECT_EQ(BubbleColour(0, 0), colour(eColorPlaneLimit1));
    EXPECT_EQ(BubbleColour(2, 0), colour(eColorPlaneLimit1));
    EXPECT_EQ(BubbleColour(2, 1), colour(eColorPlaneAbove));
    EXPECT_EQ(BubbleColour(1, 1), colour(eColorPlaneLimit1));
    EXPECT_EQ(BubbleColour(0, 1), colour(eColorPlaneEmpty));
}

TEST_F(GridCharts, PlaneKeepsTrueProportionsAndShowsTheBackground) {
    Apply([](ViewSetupStruct& s) {
        s.SetIndexDistance(0, 2.0);
        s.SetIndexDistance(1, 0.5);
        s.SetIndexOffset(0, 1.0);
    });
    ShowGrid();
    ShowPage(eSheetPlane);
    ChartPlane* chart = Plane();
    chart->replot();
    ASSERT_GT(chart->axisRect()->width(), 100);

    // One metre is as long across as it is up.
    const double xPixelsPerMetre =
        std::fabs(chart->xAxis->coordToPixel(1) - chart->xAxis->coordToPixel(0)) / 2.0;
    const double yPixelsPerMetre =
        std::fabs(chart->yAxis->coordToPixel(1) - chart->yAxis->coordToPixel(0)) / 0.5;
    EXPECT_NEAR(xPixelsPerMetre / yPixelsPerMetre, 1.0, 0.03);
    // Every grid cell is inside the ranges.
    EXPECT_LE(chart->xAxis->range().lower, -0.7 + 1e-9);
    EXPECT_GE(chart->xAxis->range().upper, 3.7 - 1e-9);
    EXPECT_LE(chart->yAxis->range().lower, -0.7 + 1e-9);
    EXPECT_GE(chart->yAxis->range().upper, 2.7 - 1e-9);
    // Metres on the spaced axes, counted from index 1 at the offset; indices elsewhere.
    EXPECT_EQ(chart->xAxis->label(), QStringLiteral("X Length [m]"));
    QVector<double> ticks;
    QVector<QString> labels;
    chart->xAxis->ticker()->generate(QCPRange(-0.7, 3.7), QLocale(), QLatin1Char('g'), 6, ticks,
                                     nullptr, &labels);
    const auto at3 = ticks.indexOf(3.0);
    ASSERT_GE(at3, 0);
    EXPECT_EQ(labels[at3], QStringLiteral("5"));

    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    chart->SetBackgroundPicture(picture);
    EXPECT_TRUE(chart->axisRect()->background().isNull()) << "shown without BGVisible";
    Apply([](ViewSetupStruct& s) { s.SetBGVisible(true); });
    EXPECT_FALSE(chart->axisRect()->background().isNull());
}

// A page that cannot show what it is given.
class FailingPage : public ViewPage {
public:
    FailingPage() : m_pWidget(new QWidget) {}
    QWidget* Widget() override { return m_pWidget; }
    void Fill(OrvDataList&, OrvDataset&) override { throw std::runtime_error("cannot draw"); }

private:
    QWidget* m_pWidget;
};

TEST_F(GridCharts, ErrorPageHidesTheSelectionGroups) {
    ShowGrid();
    ASSERT_EQ(Form().ViewSheet(), eSheetAxis);
    ASSERT_TRUE(AxisGroupShown());

    Form().InstallViewPage(eSheetPlane, std::make_unique<FailingPage>());
    Form().PageControlView().ActivatePage(eSheetPlane);
    Form().RefreshView();
    EXPECT_EQ(Form().ViewSheet(), eSheetViewError);
    EXPECT_FALSE(AxisGroupShown());
    EXPECT_FALSE(PlaneGroupShown());
    // A click on a hidden group's button changes nothing.
    Groups().AxisButton(GridAxis::Z)->click();
    EXPECT_EQ(Form().ViewSheet(), eSheetViewError);
}

} // namespace
