// render and report: a view of a dataset drawn by the program's own windows as
// PNG, PDF or SVG, and the one-page report as PDF; the arguments they refuse.

#include "CliRunner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdint>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

using nlohmann::json;
using ombrix::test::CliResult;
using ombrix::test::CliRunner;

namespace {

const std::string kDemo = std::string(OMBRIX_DATA_DIR) + "/DemoDat.dat";
constexpr double kPointsPerMm = 72.0 / 25.4;

// The memory number of the first dataset of `kind` in the demo memory.
int FirstOfKind(const CliRunner& cli, const std::string& kind) {
    const CliResult r = cli.Run({"info", "--json", kDemo});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const json list = json::parse(r.out);
    for (const json& d : list["datasets"])
        if (d["kind"] == kind) return d["mem"].get<int>();
    ADD_FAILURE() << "no dataset of kind " << kind;
    return -1;
}

std::uint32_t BigEndian(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

// Width and height of a PNG file from its header; 0 x 0 when it is none.
std::pair<std::uint32_t, std::uint32_t> PngSize(const std::string& bytes) {
    if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 ||
        bytes.compare(12, 4, "IHDR") != 0)
        return {0, 0};
    return {BigEndian(bytes, 16), BigEndian(bytes, 20)};
}

// The first page size of a PDF file in points; 0 x 0 when it is none.
std::pair<double, double> PdfPageSize(const std::string& bytes) {
    static const std::regex box(R"(/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+)\s*\])");
    std::smatch match;
    if (bytes.rfind("%PDF", 0) != 0 || !std::regex_search(bytes, match, box)) return {0, 0};
    return {std::stod(match[1]), std::stod(match[2])};
}

// Without the program's windows there is nothing to draw with: the commands
// say so and fail; the tests below need a build with windows.
TEST(RenderCommand, UnavailableWithoutWindows) {
    if (OMBRIX_CLI_DRAWS) GTEST_SKIP() << "this build draws";
    CliRunner cli;
    for (const char* command : {"render", "report"}) {
        const CliResult r =
            cli.Run({command, kDemo, "--mem", "1", "--view", "value", "-o", "a.pdf"});
        EXPECT_EQ(r.exitCode, 2) << command;
        EXPECT_NE(r.err.find("not available in this build"), std::string::npos) << r.err;
    }
}

#define SKIP_WITHOUT_WINDOWS()                                                                     \
    if (!OMBRIX_CLI_DRAWS) GTEST_SKIP() << "this build has no windows to draw with"

TEST(RenderCommand, ValueViewAsPngPdfAndSvgAtTheChosenSize) {
    SKIP_WITHOUT_WINDOWS();
    CliRunner cli;
    const std::string mem = std::to_string(FirstOfKind(cli, "N"));

    CliResult r = cli.Run({"render", kDemo, "--mem", mem, "--view", "value", "-o", "value.png"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto [width, height] = PngSize(cli.Read("value.png"));
    EXPECT_GT(width, 100u);
    EXPECT_GT(height, 50u);

    r = cli.Run(
        {"render", kDemo, "--mem", mem, "--view", "value", "--size", "640x480", "-o", "sized.png"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(PngSize(cli.Read("sized.png")), (std::pair<std::uint32_t, std::uint32_t>{640, 480}));

    // A PDF page of the picture's size (96 pixels to the inch).
    r = cli.Run(
        {"render", kDemo, "--mem", mem, "--view", "value", "--size", "640x480", "-o", "value.pdf"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto [pageWidth, pageHeight] = PdfPageSize(cli.Read("value.pdf"));
    EXPECT_NEAR(pageWidth, 480.0, 1.0);
    EXPECT_NEAR(pageHeight, 360.0, 1.0);

    r = cli.Run({"render", kDemo, "--mem", mem, "--view", "value", "-o", "value.svg"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(cli.Read("value.svg").find("<svg"), std::string::npos);
    // Looking changes nothing: the program folder gets no view settings file.
    EXPECT_FALSE(std::filesystem::exists(cli.File("OrvView.dat")));
}

// The chart views are drawn when the program has them; a view the program
// does not offer says so.
TEST(RenderCommand, SpectrumViewsOfAVectorDataset) {
    SKIP_WITHOUT_WINDOWS();
    CliRunner cli;
    const std::string mem = std::to_string(FirstOfKind(cli, "V"));
    for (const char* view : {"peaklist", "fft"}) {
        const CliResult r = cli.Run(
            {"render", kDemo, "--mem", mem, "--view", view, "-o", std::string(view) + ".png"});
        if (r.exitCode != 0 && r.err.find("not available in this build") != std::string::npos)
            continue;
        ASSERT_EQ(r.exitCode, 0) << view << ": " << r.err;
        EXPECT_GT(PngSize(cli.Read(std::string(view) + ".png")).first, 100u) << view;
    }
}

TEST(ReportCommand, OneA4PageAsPrintPrintsIt) {
    SKIP_WITHOUT_WINDOWS();
    CliRunner cli;
    const std::string mem = std::to_string(FirstOfKind(cli, "N"));
    const CliResult r =
        cli.Run({"report", kDemo, "--mem", mem, "--view", "value", "-o", "page.pdf"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto [width, height] = PdfPageSize(cli.Read("page.pdf"));
    EXPECT_NEAR(width, 210 * kPointsPerMm, 1.0);
    EXPECT_NEAR(height, 297 * kPointsPerMm, 1.0);
}

struct Refused {
    std::vector<std::string> args;
    int exitCode;
    const char* says;
};

TEST(RenderCommand, RefusedArgumentsAndFiles) {
    SKIP_WITHOUT_WINDOWS();
    CliRunner cli;
    const std::string normal = std::to_string(FirstOfKind(cli, "N"));
    cli.Write("garbage.txt", "this is not an analyser memory\r\n");
    const Refused cases[] = {
        {{"render", kDemo, "--view", "value", "-o", "a.png"}, 2, "--mem"},
        {{"render", kDemo, "--mem", normal, "--view", "pie", "-o", "a.png"}, 2, "--view takes"},
        {{"render", kDemo, "--mem", normal, "--view", "value"}, 2, "-o"},
        {{"render", kDemo, "--mem", normal, "--view", "value", "-o", "a.bmp"},
         2,
         ".png, .pdf or .svg"},
        {{"render", kDemo, "--mem", normal, "--view", "value", "--size", "0x10", "-o", "a.png"},
         2,
         "--size"},
        {{"render", kDemo, "--mem", normal, "--view", "value", "--size", "99999x99999", "-o",
          "a.png"},
         2,
         "--size"},
        {{"render", kDemo, "--mem", "9999", "--view", "value", "-o", "a.png"},
         2,
         "no dataset MEM# 9999"},
        {{"render", kDemo, "--mem", normal, "--view", "graph", "-o", "a.png"},
         2,
         "it shows: value"},
        {{"render", "missing.txt", "--mem", "1", "--view", "value", "-o", "a.png"},
         2,
         "missing.txt"},
        {{"render", "garbage.txt", "--mem", "1", "--view", "value", "-o", "a.png"},
         1,
         "Format Error"},
        {{"report", kDemo, "--mem", normal, "--view", "value", "-o", "a.png"}, 2, ".pdf"},
    };
    for (const Refused& c : cases) {
        const CliResult r = cli.Run(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.says << ": " << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_TRUE(cli.Read("a.png").empty()) << c.says;
    }
}

} // namespace
