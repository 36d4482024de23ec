// orv-analyser-sim as a user starts it by hand: it prints its port and answers as scripted.
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "DriverTestSupport.h"

namespace orvdrv_test {
namespace {

// The first line the program prints, or "" when none comes within a few seconds.
std::string FirstLine(int fd) {
    std::string line;
    char c = 0;
    pollfd wait{fd, POLLIN, 0};
    while (::poll(&wait, 1, 5000) > 0 && ::read(fd, &c, 1) == 1 && c != '\n')
        line += c;
    return line;
}

// Ends the program however the test ends, so no analyser outlives it holding the test's output.
struct Child {
    pid_t pid = 0;
    int Stop() {
        int status = -1;
        if (pid > 0 && ::kill(pid, SIGTERM) == 0 && ::waitpid(pid, &status, 0) == pid) pid = 0;
        return status;
    }
    ~Child() {
        if (pid > 0 && ::kill(pid, SIGKILL) == 0) ::waitpid(pid, nullptr, 0);
    }
};

TEST(SimulatorProgram, AnswersTheDriverAsScriptedOnItsCommandLine) {
    int out[2];
    ASSERT_EQ(::pipe(out), 0);
    Child child;
    child.pid = ::fork();
    ASSERT_GE(child.pid, 0);
    if (child.pid == 0) {
        // Ends with the test even when the test dies first; its chatter stays out of the log.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        ::dup2(out[1], STDOUT_FILENO);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDERR_FILENO);
        ::close(out[0]);
        ::execl(ORV_ANALYSER_SIM, ORV_ANALYSER_SIM, "--remote", "--fail", "C140*=103", nullptr);
        ::_exit(127);
    }
    ::close(out[1]);

    const std::string port = FirstLine(out[0]);
    ::close(out[0]);
    EXPECT_EQ(port.rfind("/dev/pts/", 0), 0u) << port;
    EXPECT_EQ(InitRemote(port.c_str(), 9600), ORVDRV_OK);
    EXPECT_EQ(Command(140, -1, "3").code, 103);
    EXPECT_EQ(Command(132, 2, "50").code, ORVDRV_OK);
    EXPECT_EQ(CancelRemote(), ORVDRV_OK);

    const int status = child.Stop();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

} // namespace
} // namespace orvdrv_test
