#include "CliRunner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>

using nlohmann::json;
using ombrix::test::CliRunner;

namespace {

// The program folder of the run: the shipped data files.
void ShipDataFiles(const CliRunner& cli) {
    for (const char* f : {"DemoDat.dat", "OrvConf.dat", "Standard.dat"})
        std::filesystem::copy_file(std::filesystem::path(OMBRIX_DATA_DIR) / f, cli.File(f));
}

struct RemoteCase {
    const char* mode;
    std::vector<std::string> storing;
    int stored; // datasets the run stores
    const char* kind;
};

// Every mode with storing immediate, programmed and stopped; what the run
// writes reads back with info.
TEST(CliRemote, EveryModeAndStoringChoiceWritesWhatInfoReads) {
    const RemoteCase cases[] = {
        {"FST", {"--store", "immd"}, 1, "A"},
        {"STD", {"--store", "pgmd", "--start", "2", "--stop", "4"}, 1, "A"},
        {"FST", {"--store", "stop"}, 0, ""},
        {"FFT", {"--store", "immd", "--asap"}, 5, "V"},
        {"FFT", {"--store", "pgmd", "--start", "2", "--stop", "3", "--asap"}, 2, "V"},
        {"FFT", {"--store", "stop", "--load-cont"}, 0, ""},
        {"HAR", {"--store", "immd", "--interval", "00:00:02"}, 2, "L"},
        {"HAR", {"--store", "pgmd", "--start", "1", "--stop", "3", "--asap"}, 3, "L"},
        {"HAR", {"--store", "stop"}, 0, ""},
    };
    for (const auto& c : cases) {
        CliRunner cli;
        ShipDataFiles(cli);
        std::vector<std::string> args = {"remote", "--mode", c.mode, "--ticks", "5", "--fast", "-o", "run.csv", "--json"};
        args.insert(args.end(), c.storing.begin(), c.storing.end());
        const auto r = cli.Run(args);
        ASSERT_EQ(r.exitCode, 0) << c.mode << ": " << r.err;
        EXPECT_NE(r.err.find("tick 6"), std::string::npos) << "every tick shows its value";
        const json run = json::parse(r.out);
        const size_t stored = run.is_null() ? 0 : run["datasets"].size();
        EXPECT_EQ(stored, static_cast<size_t>(c.stored)) << c.mode << " " << c.storing[1];
        if (c.stored == 0) {
            EXPECT_FALSE(std::filesystem::exists(cli.File("run.csv")));
            continue;
        }
        for (const auto& d : run["datasets"]) EXPECT_EQ(d["kind"], c.kind);
        const auto back = cli.Run({"info", "--json", "run.csv"});
        ASSERT_EQ(back.exitCode, 0) << back.err;
        EXPECT_EQ(json::parse(back.out)["datasets"], run["datasets"]) << c.mode;
    }
}

TEST(CliRemote, UsageErrors) {
    CliRunner cli;
    ShipDataFiles(cli);
    EXPECT_EQ(cli.Run({"remote", "--ticks", "2"}).exitCode, 2);
    EXPECT_EQ(cli.Run({"remote", "--mode", "XYZ", "--ticks", "2"}).exitCode, 2);
    EXPECT_EQ(cli.Run({"remote", "--mode", "FST", "--ticks", "2", "--store", "pgmd"}).exitCode, 2);
    EXPECT_EQ(cli.Run({"remote", "--mode", "FST", "--ticks", "2", "--interval", "5s", "--fast"}).exitCode, 2);
}

TEST(CliSetups, TheShippedSetupsWithTheirDescriptions) {
    CliRunner cli;
    ShipDataFiles(cli);
    const auto r = cli.Run({"setups", "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const json setups = json::parse(r.out);
    ASSERT_GE(setups.size(), 4u);
    for (const auto& s : setups) {
        EXPECT_FALSE(s["name"].get<std::string>().empty());
        EXPECT_FALSE(s["description"].get<std::string>().empty());
    }
    EXPECT_EQ(cli.Run({"setups"}).exitCode, 0);
    std::filesystem::remove(cli.File("OrvConf.dat"));
    EXPECT_EQ(cli.Run({"setups"}).exitCode, 2);
}

} // namespace
