// The statistic page with its threshold edit, and the histogram page, on the
// running program with built series and with the demo data.

#include "TimeChartFixture.h"

#include "mainwindow/HistogramPage.h"
#include "mainwindow/OrvChart.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace ombrix;

namespace {

class StatisticHistogramUi : public uitest::TimeChartFixture {
protected:
    void SetUp() override {
        TimeChartFixture::SetUp();
        Start();
    }
    QString Text(const char* label) const { return Find<QLabel>(label)->text(); }
    HistogramPage& Histogram() const {
        return *static_cast<HistogramPage*>(Form().InstalledViewPage(eSheetHistogram));
    }
    void TypeThreshold(const char* text) {
        auto* edit = Find<QLineEdit>("EditStatisticThreshold");
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromLatin1(text));
        QTest::keyClick(edit, Qt::Key_Return);
    }
};

TEST_F(StatisticHistogramUi, StatisticOfASeriesFillsTheLabels) {
    struct Case {
        std::vector<uitest::Sample> samples;
        const char* count;
        bool spread;
        bool flaggedNote;
    };
    const Case cases[] = {
        {{{1}, {2}, {3}}, "3", true, false},
        {{{1}}, "1", false, false},
        // The flagged sample counts in the number but not in the figures.
        {{{1}, {2, "!O"}, {3}}, "3", true, true},
        {{}, "0", false, false},
    };
    for (const Case& c : cases) {
        ShowSeries(MakeSeries(c.samples, "V/m"), eSheetStatistic);
        EXPECT_EQ(Text("LabelStatisticNbrOfVal"), QString::fromLatin1(c.count));
        EXPECT_EQ(Text("LabelStatisticVarianz") != "?", c.spread) << c.count;
        EXPECT_EQ(Text("LabelStatisticStdAb") != "?", c.spread) << c.count;
        EXPECT_EQ(Find<QLabel>("LabelInvalidData")->isVisibleTo(&Form()), c.flaggedNote);
        EXPECT_TRUE(Find<QGroupBox>("GroupBoxStatisticTime")->isVisibleTo(&Form()));
    }
    ShowSeries(MakeSeries({{1}, {2}, {3}}, "V/m"), eSheetStatistic);
    EXPECT_TRUE(Text("LabelStatisticMeanVal").startsWith("2"))
        << Text("LabelStatisticMeanVal").toStdString();
    EXPECT_TRUE(Text("LabelStatisticStdAb").startsWith("1"))
        << Text("LabelStatisticStdAb").toStdString();
    EXPECT_TRUE(Text("LabelStatisticMeanVal").endsWith("V/m"));
}

TEST_F(StatisticHistogramUi, ThresholdTypedOnTheStatisticPageIsCheckedAndStoredInTesla) {
    ASSERT_TRUE(uitest::ShowActive(&Form()));
    ShowSeries(MakeSeries({{0.5}, {1.5}, {3}}, "G"), eSheetStatistic);
    TypeThreshold("2");
    EXPECT_NEAR(ViewSetup().GetThreshold(eTesla), 0.0002, 1e-15);
    // The refresh after the new threshold counts the values above it.
    EXPECT_EQ(Text("LabelStatisticOverThreshold"), "1");

    auto seen = std::make_shared<uitest::SeenMessage>();
    uitest::AnswerNextMessageBox(QMessageBox::Ok, seen);
    TypeThreshold("400");
    ASSERT_TRUE(seen->seen);
    EXPECT_EQ(seen->title, "Ombrix Error");
    EXPECT_TRUE(seen->text.contains("316")) << seen->text.toStdString();
    EXPECT_TRUE(seen->text.startsWith("Only values between")) << seen->text.toStdString();
    EXPECT_NEAR(ViewSetup().GetThreshold(eTesla), 0.0002, 1e-15);
    // The focus stays in the edit for a correction.
    EXPECT_EQ(Form().focusWidget(), Find<QLineEdit>("EditStatisticThreshold"));
}

TEST_F(StatisticHistogramUi, HistogramOfTheDemoSeriesAndGrid) {
    for (Code kind : {eAuto, eMatrix}) {
        OrvDataset* dataset = FirstOfKind(kind);
        ASSERT_NE(dataset, nullptr);
        Select(dataset);
        Form().PageControlView().ActivatePage(eSheetHistogram);
        Form().RefreshView();
        ASSERT_TRUE(Histogram().Shown().has_value());
        const HistogramChart& shown = *Histogram().Shown();
        ASSERT_GT(shown.valueCount, 0);
        QCPBars* bars = Histogram().Bars();
        ASSERT_EQ(bars->dataCount(), HistogramChart::kClasses);
        double total = 0;
        for (auto it = bars->data()->constBegin(); it != bars->data()->constEnd(); ++it)
            total += it->value;
        EXPECT_NEAR(total, 100.0, 1e-9);
        OrvChart& chart = Histogram().Chart();
        EXPECT_TRUE(chart.TitleElement()->text().startsWith("Histogram (Ref display X-Axis: "));
        EXPECT_TRUE(chart.FootElement()->text().startsWith(
            "No. of values: " + QString::number(shown.valueCount) + ", Max value: "));
        EXPECT_EQ(chart.yAxis->label(), "% of measurement values");
        // The bottom axis reads the reference at the mark 1.
        QVector<double> ticks;
        QVector<QString> labels;
        chart.xAxis->ticker()->generate(chart.xAxis->range(), QLocale(), 'g', 6, ticks, nullptr,
                                        &labels);
        const qsizetype one = ticks.indexOf(1.0) >= 0 ? ticks.indexOf(1.0) : 10;
        ASSERT_LT(one, labels.size());
        EXPECT_EQ(labels[one], QString::fromLatin1(HistogramAxisLabel(1.0, shown.reference)));
    }
}

} // namespace
