// The spectrum, peak list and harmonics pages in the running program: what
// they draw for the demo data and for small spectra and harmonics lists, the
// limit curve only for an absolute spectrum on log-log axes, the overdrive
// colour and legend, and the spectrum's marker dragged with the mouse.

#include "MainWindowFixture.h"

#include "../model/ViewFixtures.h"

#include "datasets/OrvListDataset.h"
#include "datasets/OrvVectorDataset.h"
#include "mainwindow/ChartFFT.h"
#include "mainwindow/HarmonicsChartPage.h"
#include "mainwindow/PeakListPage.h"
#include "mainwindow/PeakListView.h"
#include "mainwindow/ValidityColors.h"
#include "presentation/OrvStandard.h"
#include "presentation/ViewSetupStruct.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTableWidget>

#include <functional>

using namespace ombrix;

namespace {

class SpectrumCharts : public uitest::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        StartDatalog();
        Form().resize(1100, 800);
    }

    void Apply(const std::function<void(ViewSetupStruct&)>& change) {
        change(ViewSetup());
        Form().ApplyViewSettings();
    }

    ChartFFTPage& Fft() const {
        return *dynamic_cast<ChartFFTPage*>(Form().InstalledViewPage(eSheetFFT));
    }
    PeakListPage& Peaks() const {
        return *dynamic_cast<PeakListPage*>(Form().InstalledViewPage(eSheetPeakList));
    }
    HarmonicsChartPage& Harmonics() const {
        return *dynamic_cast<HarmonicsChartPage*>(Form().InstalledViewPage(eSheetHarmonics));
    }

    // The first spectrum of the demo memory in tesla, or in per cent of a standard.
    OrvVectorDataset* DemoSpectrum(bool normalised) const {
        OrvDataList* list = Main().CurrentDataList();
        for (int i = 0; i < list->GetCount(); ++i) {
            auto* spectrum = dynamic_cast<OrvVectorDataset*>(list->GetDataset(i));
            if (spectrum && (spectrum->GetUnit() == eUnitPercent) == normalised) return spectrum;
        }
        return nullptr;
    }

    void ShowPage(int sheet) {
        Form().PageControlView().ActivatePage(sheet);
        Form().RefreshView();
        QApplication::processEvents();
    }

    // Shows datasets built in memory, as a list of their own.
    void ShowBuilt(std::vector<std::unique_ptr<OrvDataset>> datasets) {
        auto list = std::make_unique<OrvDataList>();
        for (auto& dataset : datasets)
            list->Append(std::move(dataset));
        ShowOnly(std::move(list));
    }

    // Datasets parsed from transfer lines with the separator those lines use.
    template <typename Make> auto Built(Make make) {
        const char saved = OrvDataset::TransferSeparator();
        OrvDataset::SetTransferSeparator(';');
        auto dataset = make();
        OrvDataset::SetTransferSeparator(saved);
        return dataset;
    }
};

TEST_F(SpectrumCharts, LimitCurveOnlyForAbsoluteSpectrumOnLogLogAxes) {
    Apply([](ViewSetupStruct& s) {
        s.SetFFTXLog(true);
        s.SetYLog(true);
        s.SetStandardVisible(true);
        s.SetStandardIndex(0);
    });
    const OrvStandard* standard = ViewSetup().GetStandard(0);
    ASSERT_NE(standard, nullptr);
    OrvVectorDataset* absolute = DemoSpectrum(false);
    ASSERT_NE(absolute, nullptr);
    Select(absolute);
    ASSERT_EQ(Form().ViewSheet(), eSheetFFT);
    ChartFFT* chart = Fft().Chart();

    // The lines from the first one drawn, with the peak tops merged in, in the prefix chosen.
    const double df = absolute->GetDF();
    const int lines = absolute->GetElementCount() - FirstDrawnLine(absolute->GetDF());
    EXPECT_EQ(chart->FFTSeries()->dataCount(),
              lines + static_cast<int>(absolute->FindPeaks().size()));
    EXPECT_DOUBLE_EQ(chart->FFTSeries()->data()->begin()->key, FirstDrawnLine(df) * df);
    EXPECT_EQ(chart->yAxis->scaleType(), QCPAxis::stLogarithmic);
    EXPECT_EQ(chart->xAxis->scaleType(), QCPAxis::stLogarithmic);
    EXPECT_EQ(chart->yAxis->label(), QString::fromLatin1(Fft().View().ValueAxisTitle()));

    // The limit curve in the spectrum's quantity and prefix.
    ASSERT_EQ(chart->StandardSeries()->dataCount(), static_cast<int>(standard->GetPoints().size()));
    const StandardPoint& first = standard->GetPoints().front();
    EXPECT_DOUBLE_EQ(chart->StandardSeries()->data()->begin()->value,
                     StandardLimitInQuantity(first, absolute->GetValueClass()) /
                         Fft().View().Factor());
    EXPECT_TRUE(chart->StandardSeries()->visible());

    // A linear value axis: no curve.
    Apply([](ViewSetupStruct& s) { s.SetYLog(false); });
    EXPECT_EQ(chart->StandardSeries()->dataCount(), 0);
    EXPECT_EQ(chart->yAxis->scaleType(), QCPAxis::stLinear);

    // A spectrum in per cent of a reference: never a curve in tesla over it.
    Apply([](ViewSetupStruct& s) { s.SetYLog(true); });
    OrvVectorDataset* normalised = DemoSpectrum(true);
    ASSERT_NE(normalised, nullptr);
    Select(normalised);
    EXPECT_GT(chart->FFTSeries()->dataCount(), 0);
    EXPECT_EQ(chart->StandardSeries()->dataCount(), 0);
}

TEST_F(SpectrumCharts, OverdriveDrawsInItsColourWithLegendEntry) {
    std::vector<std::unique_ptr<OrvDataset>> datasets;
    const std::vector<double> values = {0, 1e-7, 2e-7, 1e-7, 3e-7, 2e-6, 9e-6, 2e-6, 4e-7, 1e-7};
    datasets.push_back(Built([&] { return test::MakeSpectrum(values, 10, "OK"); }));
    datasets.push_back(Built([&] { return test::MakeSpectrum(values, 10, "!O"); }));
    datasets.push_back(Built([] { return test::MakeHarmonics("OK"); }));
    datasets.push_back(Built([] { return test::MakeHarmonics("!O"); }));
    std::vector<OrvDataset*> shown;
    for (const auto& d : datasets)
        shown.push_back(d.get());
    ShowBuilt(std::move(datasets));

    const ChartColor lineColor = ViewSetup().GetColors(eColorSpectrumLine);
    const ChartColor barColor = ViewSetup().GetColors(eColorHarmonicsBars);
    struct Case {
        OrvDataset* dataset;
        bool overdriven;
    };
    for (const Case& c : {Case{shown[0], false}, Case{shown[1], true}}) {
        SCOPED_TRACE(c.overdriven ? "overdriven spectrum" : "spectrum");
        Select(c.dataset);
        ChartFFT* chart = Fft().Chart();
        EXPECT_EQ(FromQColor(chart->FFTSeries()->pen().color()),
                  c.overdriven ? OverdriveColor(lineColor) : lineColor);
        EXPECT_EQ(chart->legend->visible(), c.overdriven);
        EXPECT_EQ(chart->legend->hasItemWithPlottable(chart->FFTSeries()), c.overdriven);
        if (c.overdriven)
            EXPECT_EQ(chart->legend->itemWithPlottable(chart->FFTSeries())->plottable()->name(),
                      QStringLiteral("Overdrive"));
        // Lines from 40 Hz (the fourth) at 10 Hz spacing.
        EXPECT_DOUBLE_EQ(chart->FFTSeries()->data()->begin()->key, 40.0);
    }
    for (const Case& c : {Case{shown[2], false}, Case{shown[3], true}}) {
        SCOPED_TRACE(c.overdriven ? "overdriven harmonics" : "harmonics");
        Select(c.dataset);
        ASSERT_EQ(Form().ViewSheet(), eSheetHarmonics);
        OrvChart* chart = Harmonics().Chart();
        QCPBars* bars = Harmonics().Bars();
        EXPECT_EQ(FromQColor(bars->brush().color()),
                  c.overdriven ? OverdriveColor(barColor) : barColor);
        EXPECT_EQ(chart->legend->visible(), c.overdriven);
        EXPECT_EQ(chart->legend->hasItemWithPlottable(bars), c.overdriven);
    }
}

TEST_F(SpectrumCharts, HarmonicsBarsWithValueMarksTitleAndFoot) {
    std::vector<std::unique_ptr<OrvDataset>> datasets;
    datasets.push_back(Built([] { return test::MakeHarmonics("OK"); }));
    auto* list = static_cast<OrvListDataset*>(datasets.front().get());
    ShowBuilt(std::move(datasets));
    Select(list);
    ASSERT_EQ(Form().ViewSheet(), eSheetHarmonics);

    QCPBars* bars = Harmonics().Bars();
    ASSERT_EQ(bars->dataCount(), 9);
    const double expected[] = {100, 12.346, 0.5, 3.2, 2.1, 0.05, 1.75, 0, 0.9};
    for (int i = 0; i < 9; ++i) {
        EXPECT_DOUBLE_EQ(bars->data()->at(i)->key, i + 1);
        EXPECT_DOUBLE_EQ(bars->data()->at(i)->value, expected[i]) << "K" << i + 1;
    }
    OrvChart* chart = Harmonics().Chart();
    QStringList marks;
    for (int i = 0; i < chart->itemCount(); ++i)
        if (auto* text = qobject_cast<QCPItemText*>(chart->item(i))) marks << text->text();
    EXPECT_EQ(marks.size(), 9);
    EXPECT_TRUE(marks.contains(QStringLiteral("12.346%")));
    EXPECT_TRUE(marks.contains(QStringLiteral("100%")));
    EXPECT_EQ(chart->TitleElement()->text(), QString::fromLatin1(list->QuantityName()));
    EXPECT_TRUE(chart->FootElement()->text().startsWith(QStringLiteral("Detected fundamental: ")))
        << chart->FootElement()->text().toStdString();
    EXPECT_TRUE(chart->FootElement()->text().contains(QStringLiteral(", KT: 13.12")))
        << chart->FootElement()->text().toStdString();

    // The bottom axis reads K1 .. K9; value marks go with the setting.
    QVector<double> ticks;
    QVector<QString> labels;
    chart->xAxis->ticker()->generate(chart->xAxis->range(), QLocale(), QLatin1Char('g'), 6, ticks,
                                     nullptr, &labels);
    EXPECT_TRUE(labels.contains(QStringLiteral("K1")) && labels.contains(QStringLiteral("K9")));
    Apply([](ViewSetupStruct& s) { s.SetShowValue(1, false); });
    EXPECT_EQ(chart->itemCount(), 0);
}

TEST_F(SpectrumCharts, PeakListRowsFollowTheShownSpectrum) {
    Apply([](ViewSetupStruct& s) { s.SetPeakCount(9); });
    OrvVectorDataset* demo = DemoSpectrum(false);
    ASSERT_NE(demo, nullptr);
    Select(demo);
    ShowPage(eSheetPeakList);
    ASSERT_EQ(Form().ViewSheet(), eSheetPeakList);

    QTableWidget* grid = Peaks().Grid();
    ASSERT_EQ(grid->rowCount(), 10);
    ASSERT_EQ(grid->columnCount(), 3);
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("Peaks"));
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("Frequence"));
    EXPECT_EQ(grid->item(9, 0)->text(), QStringLiteral("Peak 9:"));
    const std::vector<PeakRow> rows = PeakListRows(*demo, 10);
    ASSERT_FALSE(rows.empty());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        EXPECT_EQ(grid->item(row, 1)->text(), QString::fromLatin1(rows[i].frequencyText)) << row;
        EXPECT_EQ(grid->item(row, 2)->text(), QString::fromLatin1(rows[i].valueText)) << row;
    }

    // A spectrum with one peak: the rows below it must not keep the peaks of
    // the spectrum shown before.
    std::vector<std::unique_ptr<OrvDataset>> datasets;
    datasets.push_back(Built([] {
        return test::MakeSpectrum({0, 0, 0, 0, 1e-7, 1e-7, 5e-6, 1e-7, 1e-7, 1e-7}, 10);
    }));
    OrvDataset* single = datasets.front().get();
    ShowBuilt(std::move(datasets));
    Select(single);
    ShowPage(eSheetPeakList);
    ASSERT_EQ(Form().ViewSheet(), eSheetPeakList);
    const auto found =
        static_cast<int>(PeakListRows(*static_cast<OrvVectorDataset*>(single), 10).size());
    ASSERT_GE(found, 1);
    ASSERT_LT(found, static_cast<int>(rows.size())) << "the second spectrum must have fewer peaks";
    EXPECT_FALSE(grid->item(1, 1)->text().isEmpty());
    for (int row = found + 1; row < grid->rowCount(); ++row) {
        EXPECT_TRUE(grid->item(row, 1)->text().isEmpty()) << row;
        EXPECT_TRUE(grid->item(row, 2)->text().isEmpty()) << row;
        EXPECT_EQ(grid->item(row, 0)->text(), QStringLiteral("Peak %1:").arg(row));
    }
}

TEST_F(SpectrumCharts, DraggingTheMarkerSnapsToTheLineUnderTheMouse) {
    Apply([](ViewSetupStruct& s) { s.SetMarkerVisible(true); });
    OrvVectorDataset* spectrum = DemoSpectrum(false);
    ASSERT_NE(spectrum, nullptr);
    Select(spectrum);
    ChartFFT* chart = Fft().Chart();
    QTest::qWait(50);
    chart->replot();
    ASSERT_GT(chart->axisRect()->width(), 100) << chart->width() << "x" << chart->height();

    // The marker on a line in the middle of the plot; grab it there, halfway up.
    spectrum->SetCursor(spectrum->GetElementCount() / 4);
    chart->replot();
    const double df = spectrum->GetDF();
    const QRect plot = chart->axisRect()->rect();
    const int y = plot.center().y();
    const QPoint grab(qRound(chart->xAxis->coordToPixel(spectrum->GetCursor() * df)), y);
    ASSERT_TRUE(plot.contains(grab)) << "marker outside the plot";
    const VectorPeak target = spectrum->FindPeaks().front();
    const QPoint drop(qRound(chart->xAxis->coordToPixel(target.m_dFrequency)), y);

    auto send = [chart](QEvent::Type type, QPoint at, Qt::MouseButton button,
                        Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), QPointF(chart->mapToGlobal(at)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(chart, &event);
    };
    send(QEvent::MouseMove, grab, Qt::NoButton, Qt::NoButton);
    send(QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, (grab + drop) / 2, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseMove, drop, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, drop, Qt::LeftButton, Qt::NoButton);

    // The line under the mouse (within a pixel's worth of frequency) ...
    const int expected = spectrum->FrequencyToIndex(chart->xAxis->pixelToCoord(drop.x()));
    EXPECT_EQ(spectrum->GetCursor(), expected);
    EXPECT_NEAR(spectrum->GetCursor() * df, target.m_dFrequency, 2 * df);
    // ... whose nearest peak is the one dropped on, and the foot follows.
    double peakFrequency = 0;
    double peakValue = 0;
    ASSERT_TRUE(spectrum->NearestPeak(peakFrequency, peakValue));
    EXPECT_DOUBLE_EQ(peakFrequency, target.m_dFrequency);
    const QStringList foot = chart->MarkerTextLines();
    const std::vector<std::string> lines = ombrix::MarkerTextLines(spectrum->GetMarkerText());
    ASSERT_EQ(foot.size(), static_cast<qsizetype>(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(foot[static_cast<qsizetype>(i)], QString::fromLatin1(lines[i]));
}

} // namespace
