// The driver against a scripted analyser on a pseudo-terminal pair.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "ScriptedAnalyser.h"
#include "orvdrv.h"

namespace orvdrv_test {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using orvsim::Response;
using orvsim::ScriptedAnalyser;

struct Reply {
    int code;
    std::string text;
};

inline Reply Command(int command, int sub, const char* argument, int replySize = 256) {
    std::vector<char> buffer(static_cast<std::size_t>(replySize), '#');
    const int code = sendCommand(command, sub, argument, buffer.data(), replySize);
    return {code, buffer.data()};
}

inline std::chrono::milliseconds Since(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
}

class DriverTest : public ::testing::Test {
protected:
    void TearDown() override {
        // Hand the analyser back without waiting the full time for an answer that a test may
        // have scripted away.
        SetTimeout(200);
        CancelRemote();
    }

    ScriptedAnalyser& StartAnalyser(ScriptedAnalyser::Options options = {}) {
        m_analysers.push_back(std::make_unique<ScriptedAnalyser>(options));
        m_analysers.back()->Start();
        return *m_analysers.back();
    }

    // An analyser in remote operation with the host at 9600 baud.
    ScriptedAnalyser& Connect(ScriptedAnalyser::Options options = {}) {
        auto& analyser = StartAnalyser(options);
        EXPECT_EQ(InitRemote(analyser.PortName().c_str(), 9600), ORVDRV_OK);
        return analyser;
    }

private:
    std::vector<std::unique_ptr<ScriptedAnalyser>> m_analysers;
};

} // namespace orvdrv_test
