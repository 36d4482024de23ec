#include <gtest/gtest.h>

#include <vector>

#include "SimOptions.h"

namespace {

std::optional<orvsim::SimOptions> Parse(std::vector<const char*> args, std::string& error) {
    return orvsim::ParseSimOptions(args, error);
}

std::string Answer(const orvsim::Response& response) {
    std::string bytes;
    for (const auto& chunk : response.chunks)
        bytes += chunk.bytes;
    return bytes;
}

TEST(SimOptions, ReadsEveryBehaviourInOrder) {
    std::string error;
    const auto options = Parse({"--baud", "19200", "--remote", "--reply", "C1 1=HELLO", "--fail",
                                "C140*=103", "--no-crlf", "C2 2=PART", "--garbage", "C3 3=10",
                                "--silent", "C4 4", "--close", "C5 5", "--link", "/tmp/orv", "-v"},
                               error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->analyser.baud, 19200);
    EXPECT_TRUE(options->analyser.remote);
    EXPECT_TRUE(options->verbose);
    EXPECT_EQ(options->link, "/tmp/orv");
    const auto& rules = options->rules;
    ASSERT_EQ(rules.size(), 6u);
    EXPECT_EQ(rules[0].first, "C1 1");
    EXPECT_EQ(Answer(rules[0].second), "HELLO\r\n");
    EXPECT_EQ(rules[1].first, "C140*");
    EXPECT_EQ(Answer(rules[1].second), "FAILED: arg out of range\r\n");
    EXPECT_EQ(Answer(rules[2].second), "PART");
    EXPECT_EQ(Answer(rules[3].second).size(), 12u);
    EXPECT_EQ(rules[4].first, "C4 4");
    EXPECT_TRUE(rules[4].second.chunks.empty());
    EXPECT_TRUE(rules[5].second.hangUp);
}

TEST(SimOptions, RefusesWhatItCannotDo) {
    const std::vector<std::vector<const char*>> wrong = {
        {"--baud", "4800"}, {"--baud"},           {"--fail", "C1=99"}, {"--fail", "C1"},
        {"--reply", "=OK"}, {"--garbage", "*=x"}, {"--frobnicate"},
    };
    for (const auto& args : wrong) {
        std::string error;
        EXPECT_FALSE(Parse(args, error)) << args[0];
        EXPECT_FALSE(error.empty()) << args[0];
    }
}

} // namespace
