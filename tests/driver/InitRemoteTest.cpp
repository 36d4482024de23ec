#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

#include "DriverTestSupport.h"

namespace orvdrv_test {
namespace {

using Lines = std::vector<std::string>;

// Whether someone else could take the port now.
bool PortIsFree(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return false;
    // The tty refuses a second opener, except a privileged one; the lock stops that one too.
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return free;
}

class InitRemote : public DriverTest {};

TEST_F(InitRemote, WakesTheAnalyserAndTakesItIntoRemoteAt9600) {
    auto& analyser = StartAnalyser();
    ASSERT_EQ(::InitRemote(analyser.PortName().c_str(), 9600), ORVDRV_OK);
    EXPECT_EQ(analyser.ReceivedTexts(), (Lines{" \n", "REMOTE?\n", "REMOTE\n"}));
    EXPECT_TRUE(analyser.State().remote);
    const auto settings = analyser.HostSettings();
    ASSERT_TRUE(settings);
    EXPECT_EQ(cfgetospeed(&*settings), B9600);
    EXPECT_EQ(Command(140, -1, "3").code, ORVDRV_OK);
}

TEST_F(InitRemote, SendsNoRemoteToAnAnalyserThatIsAlreadyRemote) {
    auto& analyser = StartAnalyser({.remote = true});
    ASSERT_EQ(::InitRemote(analyser.PortName().c_str(), 9600), ORVDRV_OK);
    EXPECT_EQ(analyser.ReceivedTexts(), (Lines{" \n", "REMOTE?\n"}));
}

TEST_F(InitRemote, SwitchesBothSidesTo19200WhenAsked) {
    auto& analyser = StartAnalyser();
    ASSERT_EQ(::InitRemote(analyser.PortName().c_str(), 19200), ORVDRV_OK);
    const auto received = analyser.Received();
    ASSERT_EQ(analyser.ReceivedTexts(),
              (Lines{" \n", "REMOTE?\n", "REMOTE\n", "C100 1\n", " \n", "REMOTE?\n"}));
    for (const auto& line : received)
        EXPECT_TRUE(line.heard) << line.text;
    EXPECT_EQ(received[3].hostBaud, 9600);
    EXPECT_EQ(received[4].hostBaud, 19200);
    // The analyser needs its second to switch before the host talks at the new rate.
    EXPECT_GE(received[4].arrived - received[3].arrived, 500ms);
    EXPECT_EQ(analyser.State().baud, 19200);
    EXPECT_EQ(Command(140, -1, "3").code, ORVDRV_OK);
}

TEST_F(InitRemote, FindsAnAnalyserLeftAt19200WithoutSwitchingIt) {
    auto& analyser = StartAnalyser({.baud = 19200});
    ASSERT_EQ(::InitRemote(analyser.PortName().c_str(), 19200), ORVDRV_OK);
    const auto received = analyser.Received();
    ASSERT_EQ(analyser.ReceivedTexts(),
              (Lines{" \n", "REMOTE?\n", " \n", "REMOTE?\n", "REMOTE\n"}));
    EXPECT_FALSE(received[1].heard) << "the first question goes out at 9600";
    EXPECT_TRUE(received[3].heard);
    EXPECT_EQ(received[4].hostBaud, 19200);
    EXPECT_EQ(Command(140, -1, "3").code, ORVDRV_OK);
}

TEST_F(InitRemote, Gives4AndClosesThePortWhenTheAnalyserStaysOutOfRemote) {
    struct Refusal {
        const char* line;
        const char* answer;
    };
    // A refused "REMOTE", and an analyser that answers "REMOTE?" with an error at 9600 and
    // cannot be heard at 19200.
    for (const Refusal refusal :
         {Refusal{"REMOTE", "FAILED: command ignored"}, Refusal{"REMOTE?", "ERROR"}}) {
        auto& analyser = StartAnalyser();
        analyser.On(refusal.line, Response::Line(refusal.answer));
        EXPECT_EQ(::InitRemote(analyser.PortName().c_str(), 9600), ORVDRV_NO_REMOTE)
            << refusal.line;
        EXPECT_EQ(Command(140, -1, "3").code, ORVDRV_NO_PORT) << refusal.line;
        EXPECT_TRUE(PortIsFree(analyser.PortName())) << refusal.line;
    }
}

TEST_F(InitRemote, Gives2ForPortsThatCannotBeOpenedOrSetUp) {
    char file[] = "/tmp/orvdrv-not-a-port-XXXXXX";
    const int fd = ::mkstemp(file);
    ASSERT_GE(fd, 0);
    ::close(fd);
    for (const char* port :
         {"/dev/orvdrv-no-such-port", "/dev/null", "", static_cast<const char*>(file)}) {
        EXPECT_EQ(::InitRemote(port, 9600), ORVDRV_PORT_UNAVAILABLE) << port;
        EXPECT_EQ(Command(140, -1, "3").code, ORVDRV_NO_PORT) << port;
    }
    EXPECT_EQ(::InitRemote(nullptr, 9600), ORVDRV_PORT_UNAVAILABLE);
    ::unlink(file);
}

TEST_F(InitRemote, HoldsThePortExclusivelyUntilCancelRemote) {
    auto& analyser = Connect();
    EXPECT_FALSE(PortIsFree(analyser.PortName()));
    ASSERT_EQ(CancelRemote(), ORVDRV_OK);
    EXPECT_TRUE(PortIsFree(analyser.PortName()));
    // ... and the library itself can take it again.
    EXPECT_EQ(::InitRemote(analyser.PortName().c_str(), 9600), ORVDRV_OK);
}

TEST_F(InitRemote, ClosesAPortLeftOpenBeforeTakingAnother) {
    auto& first = Connect();
    auto& second = StartAnalyser();
    ASSERT_EQ(::InitRemote(second.PortName().c_str(), 9600), ORVDRV_OK);
    EXPECT_TRUE(PortIsFree(first.PortName()));
    EXPECT_EQ(Command(140, -1, "3").code, ORVDRV_OK);
    EXPECT_EQ(second.ReceivedTexts().back(), "C140 3\n");
}

TEST_F(InitRemote, SetsTheLineUpAsRawEightBitsNoParityOneStopBit) {
    auto& analyser = Connect();
    const auto settings = analyser.HostSettings();
    ASSERT_TRUE(settings);
    const termios& t = *settings;
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    struct Flag {
        const char* name;
        bool set;
        bool wanted;
    };
    const Flag flags[] = {
        {"PARENB", (t.c_cflag & PARENB) != 0, false},
        {"CSTOPB", (t.c_cflag & CSTOPB) != 0, false},
        {"CRTSCTS", (t.c_cflag & CRTSCTS) != 0, false},
        {"CLOCAL", (t.c_cflag & CLOCAL) != 0, true},
        {"CREAD", (t.c_cflag & CREAD) != 0, true},
        {"INPCK", (t.c_iflag & INPCK) != 0, false},
        {"IXON", (t.c_iflag & IXON) != 0, false},
        {"IXOFF", (t.c_iflag & IXOFF) != 0, true},
        {"ICRNL", (t.c_iflag & ICRNL) != 0, false},
        {"ISTRIP", (t.c_iflag & ISTRIP) != 0, false},
        {"OPOST", (t.c_oflag & OPOST) != 0, false},
        {"ICANON", (t.c_lflag & ICANON) != 0, false},
        {"ECHO", (t.c_lflag & ECHO) != 0, false},
        {"ISIG", (t.c_lflag & ISIG) != 0, false},
    };
    for (const auto& flag : flags)
        EXPECT_EQ(flag.set, flag.wanted) << flag.name;
}

} // namespace
} // namespace orvdrv_test
