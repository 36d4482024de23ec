#pragma once
// Datasets and settings for the tests of the chart views: series, grids,
// spectra and harmonics lists built as the analyser sends them, and the view
// settings at their defaults for the duration of one test.

#include "TestSupport.h"

#include "core/NumberFormat.h"
#include "datasets/OrvAutoDataset.h"
#include "datasets/OrvListDataset.h"
#include "datasets/OrvMatrixDataset.h"
#include "datasets/OrvVectorDataset.h"
#include "presentation/ViewSetupStruct.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace ombrix::test {

class ViewTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        m_savedView = ViewSetup().GetImage();
        m_savedSeparator = OrvDataset::TransferSeparator();
        OrvDataset::SetTransferSeparator(';');
        ViewSetup().SetDefaults();
        for (int valueClass = 0; valueClass < kValueClassCount; ++valueClass)
            for (int limit = 0; limit < ViewSetupStruct::kPlaneLimitCount; ++limit)
                ViewSetup().SetPlaneScale(valueClass, limit, 0);
    }
    void TearDown() override {
        OrvDataset::SetTransferSeparator(m_savedSeparator);
        ViewSetup().SetImage(std::string_view(reinterpret_cast<const char*>(m_savedView.data()),
                                              m_savedView.size()));
        ModelTest::TearDown();
    }
    static ViewSetupStruct& Settings() { return ViewSetup(); }

private:
    ViewSetupStruct::Image m_savedView{};
    char m_savedSeparator = ' ';
};

struct Sample {
    double value = 0;
    const char* valid = "OK";
};

// 15/03/2024 10:00:00, the start the data list gives the series below.
inline const DateTime kSeriesStart = EncodeDate(2024, 3, 15) + EncodeTime(10, 0, 0, 0);

inline std::string Number(double v) {
    return FloatToStr(v, '.');
}

// A series starting 15/03/2024 10:00:00, one sample every `stepSeconds`
// (at most 59), in the unit given; "V/m" is measured with the E-field probe.
inline std::unique_ptr<OrvAutoDataset>
MakeSeries(const std::vector<Sample>& samples, int stepSeconds = 1, const std::string& unit = "T") {
    const bool electric = unit == "V/m";
    const std::string step =
        "00:00:" + std::string(stepSeconds < 10 ? "0" : "") + std::to_string(stepSeconds);
    TransferLines lines = {"MEM#;D;PROBE;CHN;MODE;DATE;TIME;STEP;FILTER;DET;MAX",
                           std::string("7;A;") + (electric ? "EF_PRB" : "INT_PRB") +
                               ";ALL;FST;15/03/2024;10:00:00;" + step + ";5Hz..2KHz;RMS;LIVE",
                           "N;VALUE[" + unit + "];VALID;FREQ[HZ]"};
    for (std::size_t i = 0; i < samples.size(); ++i)
        lines.push_back(std::to_string(i + 1) + ";" + Number(samples[i].value) + ";" +
                        samples[i].valid + ";50");
    auto series = std::make_unique<OrvAutoDataset>(7, electric ? eEFieldProbe : eIntProbe, 0, eFST,
                                                   kSeriesStart);
    int index = 0;
    EXPECT_TRUE(series->ParseFrom(lines, index));
    return series;
}

inline std::vector<Sample> Values(const std::vector<double>& values) {
    std::vector<Sample> samples;
    for (double v : values)
        samples.push_back({v, "OK"});
    return samples;
}

struct GridPoint {
    int x, y, z;
    double value;
    const char* valid = "OK";
};

// A grid in V/m (E-field probe) or tesla.
inline std::unique_ptr<OrvMatrixDataset> MakeGrid(const std::vector<GridPoint>& points,
                                                  bool electric = true) {
    TransferLines lines = {"MEM#;D;PROBE;CHN;MODE;DATE;FILTER;DET",
                           std::string("9;M;") + (electric ? "EF_PRB" : "INT_PRB") +
                               ";ALL;FST;15/03/2024;5Hz..2KHz;RMS",
                           electric ? "N;X;Y;Z;TIME;MAX;VALUE[V/m];VALID"
                                    : "N;X;Y;Z;TIME;MAX;VALUE[T];VALID"};
    int n = 1;
    for (const GridPoint& p : points)
        lines.push_back(std::to_string(n++) + ";" + std::to_string(p.x) + ";" +
                        std::to_string(p.y) + ";" + std::to_string(p.z) + ";11:00:00;LIVE;" +
                        Number(p.value) + ";" + p.valid);
    auto grid =
        std::make_unique<OrvMatrixDataset>(9, electric ? eEFieldProbe : eIntProbe, 0, eFST, 0);
    int index = 0;
    EXPECT_TRUE(grid->ParseFrom(lines, index));
    return grid;
}

// A spectrum in tesla (or per cent), element i at i x df Hz.
inline std::unique_ptr<OrvVectorDataset> MakeSpectrum(const std::vector<double>& values, int df,
                                                      const char* valid = "OK",
                                                      const char* unit = "T") {
    TransferLines lines = {
        "MEM#;D;PROBE;CHN;MODE;DATE;TIME;F_RANGE;DET;MAX;VALID;DF[HZ]",
        std::string("5;V;INT_PRB;ALL;FFT;15/03/2024;09:05:07;40Hz..32KHz;PEAK;LIVE;") + valid +
            ";" + std::to_string(df) + ";",
        std::string("N;VALUE[") + unit + "];"};
    for (std::size_t i = 0; i < values.size(); ++i)
        lines.push_back(std::to_string(i) + ";" + Number(values[i]));
    auto spectrum = std::make_unique<OrvVectorDataset>(5, eIntProbe, 0, eFFT, 0);
    int index = 0;
    EXPECT_TRUE(spectrum->ParseFrom(lines, index));
    return spectrum;
}

inline std::unique_ptr<OrvListDataset> MakeHarmonics(const char* valid) {
    TransferLines lines = {"MEM#;D;PROBE;CHN;MODE;DATE;TIME;DET;MAX;VALID",
                           std::string("21;L;INT_PRB;ALL;HAR;15/03/2024;09:05:07;AVG;LIVE;") +
                               valid + ";",
                           "F1[Hz];50.02",
                           "V1[T];1.2345E-05",
                           "K2[%];12.346",
                           "K3[%];0.5",
                           "K4[%];3.2",
                           "K5[%];2.1",
                           "K6[%];0.05",
                           "K7[%];1.75",
                           "K8[%];0",
                           "K9[%];0.9",
                           "KT[%];13.12",
                           "KN[%];4.25"};
    auto list = std::make_unique<OrvListDataset>(21, eIntProbe, 0, eHAR, 0);
    int index = 0;
    EXPECT_TRUE(list->ParseFrom(lines, index));
    return list;
}

} // namespace ombrix::test
