// The interaction the charts share, on the time graph of the running program:
// dragging the marker, the rectangle zoom that survives refreshes until "Zoom
// out", and the scroll bars.

#include "TimeChartFixture.h"

#include <QScrollBar>

using namespace ombrix;

namespace {

class ChartInteractionUi : public uitest::TimeChartFixture {
protected:
    void SetUp() override {
        TimeChartFixture::SetUp();
        Start();
        ASSERT_TRUE(uitest::ShowActive(&Form()));
        m_pSeries = ShowSeries(MakeSeries(Rising(60)));
        ASSERT_NE(Graph(), nullptr);
        Graph()->replot();
    }
    void SetMarker(bool on) {
        ViewSetup().SetMarkerVisible(on);
        Form().ApplyViewSettings();
    }
    // The pixel of sample i on the graph.
    QPointF PixelOf(int i) const {
        const GraphPoint& p = Graph()->View().Points().at(static_cast<std::size_t>(i));
        return {Graph()->xAxis->coordToPixel(p.x), Graph()->yAxis->coordToPixel(p.y)};
    }
    QStringList ExpectedMarkerText() const {
        QStringList lines = QString::fromLatin1(m_pSeries->GetMarkerText()).split('\n');
        for (QString& line : lines)
            line.remove('\r');
        return lines.mid(0, 2);
    }

    OrvAutoDataset* m_pSeries = nullptr;
};

TEST_F(ChartInteractionUi, DraggingTheMarkerMovesTheCursorAndTheFootTextFollows) {
    SetMarker(true);
    m_pSeries->SetCursor(10);
    Graph()->replot();
    const QPointF grab(PixelOf(10).x(), PixelOf(10).y() - 3);
    Drag(Graph(), grab, QPointF(PixelOf(40).x() + 1, grab.y()));
    EXPECT_EQ(m_pSeries->GetCursor(), 40);
    EXPECT_EQ(Graph()->MarkerTextLines(), ExpectedMarkerText());
    EXPECT_FALSE(Graph()->MarkerTextLines().isEmpty());

    // A drag that does not start on the marker moves nothing.
    Drag(Graph(), QPointF(PixelOf(5).x(), grab.y()), QPointF(PixelOf(20).x(), grab.y()));
    EXPECT_EQ(m_pSeries->GetCursor(), 40);
}

TEST_F(ChartInteractionUi, WithTheMarkerOffTheMouseChangesNothingButTheCursor) {
    SetMarker(false);
    m_pSeries->SetCursor(10);
    const QPointF grab = PixelOf(10);
    Drag(Graph(), grab, PixelOf(40));
    EXPECT_EQ(m_pSeries->GetCursor(), 10);
    EXPECT_EQ(Graph()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(Graph()->MarkerTextLines().isEmpty());
    EXPECT_FALSE(Graph()->Zoomed());
}

TEST_F(ChartInteractionUi, AZoomSurvivesRefreshesUntilZoomOut) {
    const QCPRange full = Graph()->xAxis->range();
    Trigger("ViewZoomIn");
    EXPECT_TRUE(Form().Zoom().Armed());
    const double middle = Graph()->axisRect()->rect().center().y();
    Drag(Graph(), QPointF(PixelOf(10).x(), middle - 20), QPointF(PixelOf(30).x(), middle + 20));
    ASSERT_TRUE(Graph()->Zoomed());
    EXPECT_FALSE(Form().Zoom().Armed());
    EXPECT_TRUE(Form().Zoom().GraphZoomed());
    const QCPRange zoomed = Graph()->xAxis->range();
    EXPECT_NEAR(zoomed.lower, Graph()->View().Points()[10].x, 0.6 * kSecond);
    EXPECT_NEAR(zoomed.upper, Graph()->View().Points()[30].x, 0.6 * kSecond);
    const QCPRange zoomedValues = Graph()->yAxis->range();

    // New samples and refreshes leave the zoomed ranges alone.
    ASSERT_TRUE(m_pSeries->AppendSamples({"61;0.00005;OK;50"}));
    Form().RefreshView();
    Form().RefreshView();
    EXPECT_EQ(Graph()->xAxis->range(), zoomed);
    EXPECT_EQ(Graph()->yAxis->range(), zoomedValues);
    // While zoomed, both axes are fixed: the scroll bars move them.
    EXPECT_TRUE(Find<QScrollBar>("ScrollBarGraphH")->isEnabled());
    EXPECT_TRUE(Find<QScrollBar>("ScrollBarGraphV")->isEnabled());

    Trigger("ViewZoomOut");
    Form().RefreshView();
    EXPECT_FALSE(Graph()->Zoomed());
    EXPECT_FALSE(Form().Zoom().GraphZoomed());
    EXPECT_EQ(Graph()->xAxis->range().lower, full.lower);
    EXPECT_NEAR(Graph()->xAxis->range().upper, full.upper + kSecond, 1e-3 * kSecond);
}

TEST_F(ChartInteractionUi, AClickAfterZoomInDoesNotCollapseTheAxes) {
    const QCPRange full = Graph()->xAxis->range();
    Trigger("ViewZoomIn");
    Drag(Graph(), PixelOf(20), PixelOf(20) + QPointF(1, 1));
    EXPECT_FALSE(Graph()->Zoomed());
    EXPECT_EQ(Graph()->xAxis->range(), full);
}

TEST_F(ChartInteractionUi, ScrollBarsOfAnAutomaticAxisAreDisabledAndOthersMoveTheAxis) {
    auto* h = Find<QScrollBar>("ScrollBarGraphH");
    auto* v = Find<QScrollBar>("ScrollBarGraphV");
    ASSERT_NE(h, nullptr);
    ASSERT_NE(v, nullptr);
    ViewSetup().SetXAutoScale(0, true);
    ViewSetup().SetYAutoScale(true);
    Form().ApplyViewSettings();
    EXPECT_FALSE(h->isEnabled());
    EXPECT_FALSE(v->isEnabled());

    ViewSetup().SetXAutoScale(0, false);
    ViewSetup().SetGraphXOffset(0);
    ViewSetup().SetGraphXLength(20);
    Form().ApplyViewSettings();
    ASSERT_TRUE(h->isEnabled());
    EXPECT_FALSE(v->isEnabled());
    EXPECT_EQ(h->value(), 0);

    // Half way along the bar: the window starts half way into the data, 20 s wide.
    h->setValue(50);
    const double first = Graph()->View().Points().front().x;
    const double last = Graph()->View().Points().back().x;
    EXPECT_NEAR(Graph()->xAxis->range().lower, first + 0.5 * (last - first), 1e-3 * kSecond);
    EXPECT_NEAR(Graph()->xAxis->range().size(), 20 * kSecond, 1e-3 * kSecond);
}

} // namespace

