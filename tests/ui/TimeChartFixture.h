#pragma once
// The program started on the demo data, with timed series built as the
// analyser sends them and the view settings put back after each test.

#include "MainWindowFixture.h"

#include "core/FormatSettings.h"
#include "core/NumberFormat.h"
#include "datasets/OrvAutoDataset.h"
#include "mainwindow/ChartGraph.h"
#include "presentation/ViewSetupStruct.h"

#include <QMouseEvent>

#include <string>
#include <vector>

namespace uitest {

struct Sample {
    double value = 0;
    const char* valid = "OK";
};

class TimeChartFixture : public MainWindowFixture {
protected:
    static constexpr double kSecond = 1.0 / 86400.0;

    void SetUp() override {
        MainWindowFixture::SetUp();
        m_SavedRegional = ombrix::RegionalFormat();
        m_SavedCurrent = ombrix::CurrentFormat();
        m_SavedView = ombrix::ViewSetup().GetImage();
        m_SavedSeparator = ombrix::OrvDataset::TransferSeparator();
        ombrix::OrvDataset::SetTransferSeparator(';');
        ombrix::ViewSetup().SetDefaults();
    }
    void TearDown() override {
        ombrix::OrvDataset::SetTransferSeparator(m_SavedSeparator);
        ombrix::ViewSetup().SetImage(std::string_view(
            reinterpret_cast<const char*>(m_SavedView.data()), m_SavedView.size()));
        MainWindowFixture::TearDown();
        ombrix::SetRegionalFormat(m_SavedRegional);
        ombrix::CurrentFormat() = m_SavedCurrent;
    }

    // DATALOG on the demo data, then fixed conventions whatever the machine's
    // locale (the program takes the locale's at its start).
    void Start() {
        ASSERT_NO_FATAL_FAILURE(StartDatalog());
        ombrix::InstallFormatSettings(ombrix::FormatSettings{});
        ombrix::OrvDataset::SetTransferSeparator(';');
        // The program read the view settings a test before may have left.
        ombrix::ViewSetup().SetDefaults();
        Form().ApplyViewSettings();
    }

    // A series from 15/03/2024 10:00:00, one sample a second, in `unit`;
    // without samples, a series as the live one begins.
    static std::unique_ptr<ombrix::OrvAutoDataset> MakeSeries(const std::vector<Sample>& samples,
                                                              const std::string& unit = "T") {
        ombrix::TransferLines lines = {
            "MEM#;D;PROBE;CHN;MODE;DATE;TIME;STEP;FILTER;DET;MAX",
            "7;A;INT_PRB;ALL;FST;15/03/2024;10:00:00;00:00:01;5Hz..2KHz;RMS;LIVE",
            "N;VALUE[" + unit + "];VALID;FREQ[HZ]"};
        for (std::size_t i = 0; i < samples.size(); ++i)
            lines.push_back(std::to_string(i + 1) + ";" +
                            ombrix::FloatToStr(samples[i].value, '.') + ";" + samples[i].valid +
                            ";50");
        auto series = std::make_unique<ombrix::OrvAutoDataset>(
            7, ombrix::eIntProbe, 0, ombrix::eFST,
            ombrix::EncodeDate(2024, 3, 15) + ombrix::EncodeTime(10, 0, 0, 0));
        if (samples.empty()) return series;
        int index = 0;
        EXPECT_TRUE(series->ParseFrom(lines, index));
        return series;
    }

    // `count` samples rising from 1, flagged where `flags` says.
    static std::vector<Sample> Rising(int count,
                                      const std::vector<std::pair<int, const char*>>& flags = {}) {
        std::vector<Sample> samples(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            samples[static_cast<std::size_t>(i)].value = 1e-6 * (1 + i % 17);
        for (const auto& [index, valid] : flags)
            samples[static_cast<std::size_t>(index)].valid = valid;
        return samples;
    }

    // Shows `series` alone in DATALOG on the page `sheet`.
    ombrix::OrvAutoDataset* ShowSeries(std::unique_ptr<ombrix::OrvAutoDataset> series,
                                       int sheet = ombrix::eSheetGraph) {
        ombrix::OrvAutoDataset* shown = series.get();
        auto list = MakeDataList({});
        list->Append(std::move(series));
        ShowOnly(std::move(list));
        Form().PageControlView().ActivatePage(sheet);
        Form().RefreshView();
        return shown;
    }

    ombrix::ChartGraph* Graph() const { return Find<ombrix::ChartGraph>("ChartGraph"); }

    static void SendMouse(QWidget* widget, QEvent::Type type, QPointF pos, Qt::MouseButton button,
                          Qt::MouseButtons buttons) {
        QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
    // A drag with the left button from `from` to `to`, in steps as a hand moves.
    static void Drag(QWidget* widget, QPointF from, QPointF to) {
        SendMouse(widget, QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
        SendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        constexpr int kSteps = 5;
        for (int step = 1; step <= kSteps; ++step)
            SendMouse(widget, QEvent::MouseMove, from + (to - from) * step / kSteps, Qt::NoButton,
                      Qt::LeftButton);
        SendMouse(widget, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    }

private:
    ombrix::ViewSetupStruct::Image m_SavedView{};
    char m_SavedSeparator = ' ';
    ombrix::FormatSettings m_SavedRegional;
    ombrix::FormatSettings m_SavedCurrent;
};

} // namespace uitest
