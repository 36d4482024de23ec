#include "CliRunner.h"

#include "datasets/ValueClass.h"
#include "presentation/ViewSetupStruct.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <string>
#include <vector>

using nlohmann::json;
using ombrix::test::CliRunner;

namespace {

const std::string kDemo = std::string(OMBRIX_DATA_DIR) + "/DemoDat.dat";

// Two series in V/m: MEM# 1 with 1, 2, 3; MEM# 2 with 0.5, 9.99, 10, 12; MEM# 3
// with a single value.
const std::string kSeries =
    "Device:     LF-Analyser\r\n"
    "SN:         23-0871\r\n"
    "CAL-DATE:   2026-03-17\r\n"
    "HW-Version: 3\r\n"
    "SW-Version: 2.14\r\n"
    "SW-Date:    2025-11-04\r\n"
    "SW-Time:    09:12:40\r\n"
    "MEM# D PROBE CHN MODE DATE TIME STEP FILTER DET\r\n"
    "1 A EF_PRB ALL FST 26-10-06 10:02:00 00:00:01 5Hz..2KHz RMS\r\n"
    "N VALUE[V/m] VALID FREQ[HZ]\r\n"
    "1 1 OK 50\r\n2 2 OK 50\r\n3 3 OK 50\r\n"
    "MEM# D PROBE CHN MODE DATE TIME STEP FILTER DET\r\n"
    "2 A EF_PRB ALL FST 26-10-06 10:05:00 00:00:01 5Hz..2KHz RMS\r\n"
    "N VALUE[V/m] VALID FREQ[HZ]\r\n"
    "1 0.5 OK 50\r\n2 9.99 OK 50\r\n3 10 OK 50\r\n4 12 OK 50\r\n5 99 !O 50\r\n"
    "MEM# D PROBE CHN MODE DATE TIME STEP FILTER DET\r\n"
    "3 A EF_PRB ALL FST 26-10-06 10:09:00 00:00:01 5Hz..2KHz RMS\r\n"
    "N VALUE[V/m] VALID FREQ[HZ]\r\n"
    "1 7 OK 50\r\n";

json RunJson(const CliRunner& cli, const std::vector<std::string>& args) {
    const auto r = cli.Run(args);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return r.exitCode == 0 ? json::parse(r.out) : json();
}

json DemoDataset(const CliRunner& cli, int mem) {
    const json list = RunJson(cli, {"info", "--json", "--values", kDemo});
    for (const json& d : list["datasets"])
        if (d["mem"] == mem) return d;
    return {};
}

struct Expected {
    int count = 0;
    double min = 0, max = 0, mean = 0, variance = 0;
    int over = 0;
};

// The figures computed here from the values, independently of the program.
Expected FiguresOf(const std::vector<double>& values, double threshold) {
    Expected e;
    double sum = 0;
    for (double v : values) {
        sum += v;
        e.max = std::max(e.max, v);
        if (e.min > v || e.min <= 0) e.min = v;
        e.over += v > threshold ? 1 : 0;
    }
    e.mean = sum / static_cast<double>(values.size());
    for (double v : values)
        e.variance += (v - e.mean) * (v - e.mean) / static_cast<double>(values.size() - 1);
    return e;
}

void ExpectFigures(const json& j, const Expected& e) {
    EXPECT_EQ(j["count"], e.count);
    EXPECT_NEAR(j["min"].get<double>(), e.min, 1e-12 * e.max);
    EXPECT_NEAR(j["max"].get<double>(), e.max, 1e-12 * e.max);
    EXPECT_NEAR(j["mean"].get<double>(), e.mean, 1e-9 * e.max);
    EXPECT_NEAR(j["variance"].get<double>(), e.variance, 1e-9 * e.variance);
    EXPECT_NEAR(j["std_dev"].get<double>(), std::sqrt(e.variance), 1e-9 * std::sqrt(e.variance));
    EXPECT_EQ(j["over_threshold"], e.over);
}

void StoreViewSettings(const CliRunner& cli, void (*change)(ombrix::ViewSetupStruct&)) {
    ombrix::ViewSetupStruct setup;
    setup.SetDefaults();
    change(setup);
    ASSERT_TRUE(setup.SaveViewSettings(cli.File("OrvView.dat")));
}

TEST(CliStats, DemoSeriesLeavesFlaggedSamplesOut) {
    CliRunner cli;
    const json series = DemoDataset(cli, 6);
    std::vector<double> valid;
    bool flagged = false;
    for (const json& s : series["values"]) {
        if (s[2] == "OK")
            valid.push_back(s[1].get<double>());
        else
            flagged = true;
    }
    ASSERT_TRUE(flagged);
    // A threshold that some values exceed, stored as the program stores it.
    StoreViewSettings(cli,
                      [](ombrix::ViewSetupStruct& s) { s.SetThreshold(ombrix::eTesla, 3.2e-6); });
    Expected e = FiguresOf(valid, 3.2e-6);
    e.count = static_cast<int>(series["values"].size());
    ASSERT_GT(e.over, 0);
    const json j = RunJson(cli, {"stats", kDemo, "--mem", "6", "--json"});
    ExpectFigures(j, e);
    EXPECT_DOUBLE_EQ(j["threshold"].get<double>(), 3.2e-6);

    const auto text = cli.Run({"stats", kDemo, "--mem", "6"});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find("No. of values:          600"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("Threshold:              3.2 \xC2\xB5T"), std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("not considered for statistic results"), std::string::npos);
}

TEST(CliStats, SmallSeriesAndASingleValue) {
    CliRunner cli;
    cli.Write("series.txt", kSeries);
    const json j = RunJson(cli, {"stats", "series.txt", "--mem", "1", "--json"});
    EXPECT_EQ(j["count"], 3);
    EXPECT_DOUBLE_EQ(j["min"].get<double>(), 1);
    EXPECT_DOUBLE_EQ(j["max"].get<double>(), 3);
    EXPECT_DOUBLE_EQ(j["mean"].get<double>(), 2);
    EXPECT_DOUBLE_EQ(j["variance"].get<double>(), 1);
    EXPECT_DOUBLE_EQ(j["std_dev"].get<double>(), 1);
    EXPECT_DOUBLE_EQ(j["threshold"].get<double>(), 50);

    const json single = RunJson(cli, {"stats", "series.txt", "--mem", "3", "--json"});
    EXPECT_EQ(single["count"], 1);
    EXPECT_TRUE(single["variance"].is_null());
    EXPECT_TRUE(single["std_dev"].is_null());
    const auto text = cli.Run({"stats", "series.txt", "--mem", "3"});
    EXPECT_NE(text.out.find("Standard deviation:     ?"), std::string::npos) << text.out;
}

TEST(CliStats, GridLineAndPlane) {
    CliRunner cli;
    const json grid = DemoDataset(cli, 9);
    struct Case {
        std::vector<std::string> selection;
        bool (*take)(const json& point);
    };
    const Case cases[] = {
        {{"--axis", "X", "--at", "1,1"}, [](const json& p) { return p[1] == 1 && p[2] == 1; }},
        {{"--axis", "Y", "--at", "2,2"}, [](const json& p) { return p[0] == 2 && p[2] == 2; }},
        {{"--plane", "XY", "--at", "1"}, [](const json& p) { return p[2] == 1; }},
        {{"--plane", "YZ", "--at", "3"}, [](const json& p) { return p[0] == 3; }},
        {{}, [](const json&) { return true; }},
    };
    for (const Case& c : cases) {
        // Walked X, then Y, then Z, as the program walks the grid.
        std::vector<std::vector<double>> points;
        for (const json& p : grid["values"])
            if (c.take(p) && p[3].get<double>() >= 0)
                points.push_back({p[0].get<double>(), p[1].get<double>(), p[2].get<double>(),
                                  p[3].get<double>()});
        std::sort(points.begin(), points.end());
        std::vector<double> values;
        for (const auto& p : points)
            values.push_back(p[3]);
        ASSERT_GE(values.size(), 2u);
        Expected e = FiguresOf(values, 1e-5);
        e.count = static_cast<int>(values.size());
        std::vector<std::string> args{"stats", kDemo, "--mem", "9", "--json"};
        args.insert(args.end(), c.selection.begin(), c.selection.end());
        SCOPED_TRACE(args.back());
        ExpectFigures(RunJson(cli, args), e);
    }
}

TEST(CliHistogram, ClassesAgainstTheStoredReference) {
    CliRunner cli;
    cli.Write("series.txt", kSeries);
    StoreViewSettings(cli, [](ombrix::ViewSetupStruct& s) {
        s.SetHistogramRefAuto(false);
        s.SetHistogramRef(ombrix::eEField, 10);
    });
    const json j = RunJson(cli, {"histogram", "series.txt", "--mem", "2", "--json"});
    EXPECT_DOUBLE_EQ(j["reference"].get<double>(), 10);
    EXPECT_EQ(j["count"], 4);
    const std::vector<double> classes = j["classes"];
    EXPECT_EQ(classes, (std::vector<double>{25, 0, 0, 0, 0, 0, 0, 0, 0, 25, 50}));

    const auto text = cli.Run({"histogram", "series.txt", "--mem", "2"});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find("Histogram (Ref display X-Axis: 10 V/m)"), std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("No. of values: 4, Max value: 12 V/m"), std::string::npos) << text.out;
}

TEST(CliHistogram, AutomaticReferenceOfTheDemoSeries) {
    CliRunner cli;
    const json j = RunJson(cli, {"histogram", kDemo, "--mem", "7", "--json"});
    EXPECT_EQ(j["count"], 360);
    const json stats = RunJson(cli, {"stats", kDemo, "--mem", "7", "--json"});
    EXPECT_DOUBLE_EQ(j["reference"].get<double>(), stats["max"].get<double>());
    double total = 0;
    for (const json& c : j["classes"])
        total += c.get<double>();
    EXPECT_NEAR(total, 100, 1e-9);
    EXPECT_GT(j["classes"][10].get<double>(), 0); // the maximum itself sits at the reference
}

TEST(CliPeaks, LargestPeaksOfTheDemoSpectrum) {
    CliRunner cli;
    const json info = DemoDataset(cli, 13);
    const json peaks = RunJson(cli, {"peaks", kDemo, "--mem", "13", "--json"});
    ASSERT_EQ(peaks.size(), 9u); // PeakCount 9 by default
    for (std::size_t i = 0; i < peaks.size(); ++i)
        EXPECT_EQ(peaks[i], info["peaks"][i]) << i;
    EXPECT_EQ(RunJson(cli, {"peaks", kDemo, "--mem", "13", "--count", "3", "--json"}).size(), 3u);
    EXPECT_TRUE(RunJson(cli, {"peaks", kDemo, "--mem", "13", "--count", "0", "--json"}).empty());

    StoreViewSettings(cli, [](ombrix::ViewSetupStruct& s) { s.SetPeakCount(2); });
    EXPECT_EQ(RunJson(cli, {"peaks", kDemo, "--mem", "13", "--json"}).size(), 2u);

    const auto text = cli.Run({"peaks", kDemo, "--mem", "13"});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find("Peak 1:   50 Hz"), std::string::npos) << text.out;
}

TEST(CliViewCommands, ExitCodes) {
    CliRunner cli;
    cli.Write("broken.txt", "Device: X\r\nnot a header\r\n");
    cli.Write("series.txt", kSeries);
    struct Case {
        std::vector<std::string> args;
        int exitCode;
    };
    const Case cases[] = {
        {{"stats", "broken.txt", "--mem", "1"}, 1},
        {{"stats", "missing.txt", "--mem", "1"}, 2},
        {{"stats", kDemo}, 2},
        {{"stats", kDemo, "--mem", "99"}, 2},
        {{"stats", kDemo, "--mem", "x"}, 2},
        {{"stats", kDemo, "--mem", "13"}, 2},                              // a spectrum
        {{"stats", kDemo, "--mem", "6", "--axis", "X", "--at", "1,1"}, 2}, // a series has no lines
        {{"stats", kDemo, "--mem", "9", "--axis", "X"}, 2},
        {{"stats", kDemo, "--mem", "9", "--axis", "X", "--at", "1"}, 2},
        {{"stats", kDemo, "--mem", "9", "--axis", "W", "--at", "1,1"}, 2},
        {{"stats", kDemo, "--mem", "9", "--plane", "XY", "--at", "1,1"}, 2},
        {{"stats", kDemo, "--mem", "9", "--plane", "XY", "--axis", "X", "--at", "1"}, 2},
        {{"stats", kDemo, "--mem", "9", "--at", "1"}, 2},
        {{"histogram", kDemo, "--mem", "11"}, 2},
        {{"peaks", kDemo, "--mem", "6"}, 2},
        {{"peaks", kDemo, "--mem", "13", "--count", "-1"}, 2},
        {{"peaks", kDemo, "--mem", "13", "--bogus"}, 2},
        {{"stats", kDemo, "--mem", "9", "--plane", "XZ", "--at", "1"}, 0},
        {{"histogram", kDemo, "--mem", "10"}, 0},
    };
    for (const Case& c : cases) {
        const auto r = cli.Run(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode)
            << c.args[0] << " " << c.args[1] << " ... " << c.args.back() << "\n"
            << r.err;
    }
}

} // namespace
