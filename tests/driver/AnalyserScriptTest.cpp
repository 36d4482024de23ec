// The scripted analyser is what the port tests measure the driver against; these cases pin the
// answers those tests rely on.
#include <gtest/gtest.h>

#include "AnalyserErrors.h"
#include "AnalyserScript.h"

namespace {

using orvsim::AnalyserScript;
using orvsim::AnalyserState;
using orvsim::Response;

std::string Answer(const Response& response) {
    std::string bytes;
    for (const auto& chunk : response.chunks)
        bytes += chunk.bytes;
    return bytes;
}

TEST(AnalyserScript, TakesCommandsOnlyInRemoteOperation) {
    AnalyserScript script;
    AnalyserState state;
    EXPECT_EQ(Answer(script.Respond("C140 3", state)), "FAILED: command ignored\r\n");
    EXPECT_EQ(Answer(script.Respond("REMOTE?", state)), "REMOTE 0\r\n");
    EXPECT_EQ(Answer(script.Respond("REMOTE", state)), "OK\r\n");
    EXPECT_EQ(Answer(script.Respond("REMOTE?", state)), "REMOTE 1\r\n");
    EXPECT_EQ(Answer(script.Respond("C140 3", state)), "OK\r\n");
    EXPECT_EQ(Answer(script.Respond(" ", state)), "ERROR CMD\r\n");
    EXPECT_EQ(Answer(script.Respond("LOCAL", state)), "OK\r\n");
    EXPECT_FALSE(state.remote);
}

TEST(AnalyserScript, C100SwitchesTheRateSilently) {
    AnalyserScript script;
    AnalyserState state{9600, true};
    EXPECT_TRUE(script.Respond("C100 1", state).chunks.empty());
    EXPECT_EQ(state.baud, 19200);
    EXPECT_TRUE(script.Respond("C100 0", state).chunks.empty());
    EXPECT_EQ(state.baud, 9600);
    EXPECT_EQ(Answer(script.Respond("C100 5", state)), "FAILED: arg out of range\r\n");
    EXPECT_EQ(state.baud, 9600);
}

TEST(AnalyserScript, ScriptedAnswersReplaceItsOwnAndTheLatestRuleWins) {
    AnalyserScript script;
    script.On("C140*", Response::Line("FAILED: arg out of range"));
    script.On("C140 9", Response::Silence());
    script.On("REMOTE", Response::Line("FAILED: command ignored"));
    AnalyserState state{9600, true};
    EXPECT_EQ(Answer(script.Respond("C140 3", state)), "FAILED: arg out of range\r\n");
    EXPECT_TRUE(script.Respond("C140 9", state).chunks.empty());
    EXPECT_EQ(Answer(script.Respond("C14 3", state)), "OK\r\n");
    state.remote = false;
    EXPECT_EQ(Answer(script.Respond("REMOTE", state)), "FAILED: command ignored\r\n");
    EXPECT_FALSE(state.remote) << "a scripted answer changes nothing";
}

TEST(AnalyserScript, NoiseAndGarbageNeverEndALineEarly) {
    const std::string noise = Answer(AnalyserScript::Misheard());
    EXPECT_EQ(noise.find('\r'), std::string::npos);
    EXPECT_EQ(noise.find('\n'), std::string::npos);
    const std::string garbage = Answer(Response::Garbage(4000));
    ASSERT_EQ(garbage.size(), 4002u);
    EXPECT_EQ(garbage.find("\r\n"), 4000u);
    EXPECT_NE(garbage.find('\0'), std::string::npos);
    EXPECT_NE(garbage.find('\xFF'), std::string::npos);
}

TEST(AnalyserErrors, CoverEveryCodeFrom100To116) {
    EXPECT_EQ(orvsim::ErrorAnswer(100), "ERROR CMD");
    EXPECT_EQ(orvsim::ErrorAnswer(103), "FAILED: arg out of range");
    EXPECT_EQ(orvsim::ErrorAnswer(116), "FAILED: Command number out of range");
    for (int code = 100; code <= 116; ++code)
        EXPECT_TRUE(orvsim::ErrorAnswer(code)) << code;
    EXPECT_FALSE(orvsim::ErrorAnswer(99));
    EXPECT_FALSE(orvsim::ErrorAnswer(117));
}

} // namespace
