#include "CliRunner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <string>

using nlohmann::json;
using ombrix::test::CliRunner;

namespace {

const std::string kDemo = std::string(OMBRIX_DATA_DIR) + "/DemoDat.dat";

json InfoJson(const CliRunner& cli, const std::string& file) {
    const auto r = cli.Run({"info", "--json", "--values", file});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return json::parse(r.out);
}

// The version is written with the export decimal mark; everything else must
// come back exactly.
json WithoutVersionMark(json j) {
    std::string version = j["sw_version"];
    for (auto& c : version)
        if (c == ',') c = '.';
    j["sw_version"] = version;
    return j;
}

TEST(CliInfo, DemoDataHoldsEveryKind) {
    CliRunner cli;
    const json j = InfoJson(cli, kDemo);
    EXPECT_EQ(j["device"], "LF-Analyser");
    EXPECT_GT(j["counts"]["normal"].get<int>(), 0);
    EXPECT_GT(j["counts"]["auto"].get<int>(), 0);
    EXPECT_GT(j["counts"]["matrix"].get<int>(), 0);
    EXPECT_GT(j["counts"]["list"].get<int>(), 0);
    EXPECT_GT(j["counts"]["vector"].get<int>(), 0);
    EXPECT_EQ(j["counts"]["total"].get<size_t>(), j["datasets"].size());
    for (const auto& d : j["datasets"]) {
        EXPECT_TRUE(d.contains("mem") && d.contains("kind") && d.contains("datetime") &&
                    d.contains("unit"));
        if (d["kind"] == "V") {
            EXPECT_EQ(d["values"].size(), d["elements"].get<size_t>());
            EXPECT_FALSE(d["peaks"].empty());
        }
    }
    const auto text = cli.Run({"info", kDemo});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find("Datasets: "), std::string::npos);
}

TEST(CliInfo, ExitCodes) {
    CliRunner cli;
    cli.Write("broken.txt", "Device: X\r\nnot a header\r\n");
    auto r = cli.Run({"info", "broken.txt"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Format Error"), std::string::npos);
    EXPECT_EQ(cli.Run({"info", "missing.txt"}).exitCode, 2);
    EXPECT_EQ(cli.Run({"info"}).exitCode, 2);
    EXPECT_EQ(cli.Run({"info", "--bogus", kDemo}).exitCode, 2);
    EXPECT_EQ(cli.Run({"frobnicate"}).exitCode, 2);
    EXPECT_EQ(cli.Run({"--help"}).exitCode, 0);
}

TEST(CliInfo, CrLfAndLfReadAlike) {
    CliRunner cli;
    std::string text = cli.Run({"info", "--json", kDemo}).out;
    std::string bytes;
    {
        std::ifstream in(kDemo, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    std::string lf;
    for (char c : bytes)
        if (c != '\r') lf += c;
    cli.Write("lf.dat", lf);
    EXPECT_EQ(cli.Run({"info", "--json", "lf.dat"}).out, text);
}

struct ExportCase {
    const char* locale;
    const char* out;
    std::vector<std::string> options;
};

// What export writes reads back to the same datasets, values and comments,
// in every locale and every cell form.
TEST(CliExport, WrittenFilesReadBackInEveryLocale) {
    const ExportCase cases[] = {
        {"C", "out.txt", {}},
        {"C", "out.csv", {"--list-sep", ";", "--decimal", ","}},
        {"C", "out.csv", {"--list-sep", ",", "--decimal", "."}},
        {"en_US.UTF-8", "out.txt", {}},
        {"en_US.UTF-8", "out.CSV", {}},
        {"en_US.UTF-8", "out.csv", {"--list-sep", ";", "--decimal", ","}},
        {"de_DE.UTF-8", "out.txt", {}},
        {"de_DE.UTF-8", "out.csv", {}},
        {"de_DE.UTF-8", "out.csv", {"--list-sep", ",", "--decimal", ".", "--date", "yy-mm-dd"}},
        {"de_DE.UTF-8", "out.csv", {"--date", "dd.mm.yy", "--time", "hh:mm:ss"}},
    };
    for (const auto& c : cases) {
        CliRunner cli;
        cli.SetLocale(c.locale);
        const json original = InfoJson(cli, kDemo);
        std::vector<std::string> args = {"export", kDemo, "-o", c.out};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const auto written = cli.Run(args);
        ASSERT_EQ(written.exitCode, 0) << c.locale << " " << c.out << ": " << written.err;
        const std::string bytes = cli.Read(c.out);
        ASSERT_FALSE(bytes.empty());
        EXPECT_NE(bytes.find("\r\n"), std::string::npos);
        EXPECT_EQ(WithoutVersionMark(InfoJson(cli, c.out)), original) << c.locale << " " << c.out;
    }
}

TEST(CliExport, SelectionAndRefusedSeparators) {
    CliRunner cli;
    ASSERT_EQ(cli.Run({"export", kDemo, "-o", "two.txt", "--select", "3,13"}).exitCode, 0);
    const json j = InfoJson(cli, "two.txt");
    ASSERT_EQ(j["datasets"].size(), 2u);
    EXPECT_EQ(j["datasets"][0]["mem"], 3);
    EXPECT_EQ(j["datasets"][1]["mem"], 13);

    const auto clash =
        cli.Run({"export", kDemo, "-o", "x.csv", "--list-sep", ",", "--decimal", ","});
    EXPECT_EQ(clash.exitCode, 2);
    EXPECT_NE(clash.err.find("no reader could split"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(cli.File("x.csv")));
    EXPECT_EQ(cli.Run({"export", kDemo, "-o", "y.csv", "--list-sep", "|"}).exitCode, 2);
    EXPECT_EQ(cli.Run({"export", kDemo}).exitCode, 2);

    // Nothing chosen: only the header would be written, so no file is.
    EXPECT_EQ(cli.Run({"export", kDemo, "-o", "none.txt", "--select", "999"}).exitCode, 0);
    EXPECT_FALSE(std::filesystem::exists(cli.File("none.txt")));
}

// A series of 70000 samples in a transfer of its own.
std::string LongSeries(int mem, int samples) {
    std::string text =
        "MEM#;D;PROBE;CHN;MODE;DATE;TIME;STEP;FILTER;DET\r\n" + std::to_string(mem) +
        ";A;INT_PRB;ALL;FST;26-03-01;08:00:00;00:00:01;5Hz..2KHz;RMS\r\nN;VALUE[T];VALID\r\n";
    for (int i = 0; i < samples; ++i)
        text += std::to_string(i) + ";1.0000E-06;OK\r\n";
    return text;
}

const std::string kHeader =
    "Device:;    LF-Analyser\r\nSN:;        T-1\r\nCAL-DATE:;  26-01-15\r\nHW-Version:;2\r\n"
    "SW-Version:;1.23\r\nSW-Date:;   26-02-01\r\nSW-Time:;   10:20:30\r\n";

TEST(CliExport, SplitsIntoNumberedPartsPast65535Lines) {
    CliRunner cli;
    cli.Write("big.csv", kHeader + LongSeries(1, 40000) + LongSeries(2, 40000) + LongSeries(3, 10));
    const auto r =
        cli.Run({"export", "big.csv", "-o", "parts.csv", "--list-sep", ";", "--decimal", "."});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(std::filesystem::exists(cli.File("parts.csv")));
    ASSERT_TRUE(std::filesystem::exists(cli.File("parts_0.csv")));
    ASSERT_TRUE(std::filesystem::exists(cli.File("parts_1.csv")));
    EXPECT_FALSE(std::filesystem::exists(cli.File("parts_2.csv")));
    const json first = InfoJson(cli, "parts_0.csv");
    const json second = InfoJson(cli, "parts_1.csv");
    ASSERT_EQ(first["datasets"].size(), 1u);
    ASSERT_EQ(second["datasets"].size(), 2u);
    EXPECT_EQ(second["datasets"][0]["samples"], 40000);
    EXPECT_EQ(second["datasets"][1]["mem"], 3);

    // One series larger than any file: the run stops there instead of
    // writing header-only parts without end.
    cli.Write("huge.csv", kHeader + LongSeries(1, 70000));
    const auto huge =
        cli.Run({"export", "huge.csv", "-o", "h.csv", "--list-sep", ";", "--decimal", "."});
    EXPECT_EQ(huge.exitCode, 1);
    EXPECT_NE(huge.err.find("MEM# 1"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(cli.File("h_0.csv")));
}

} // namespace
