#include "CliRunner.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace ombrix::test {

namespace fs = std::filesystem;

namespace {
std::string Quote(const std::string& word) {
    std::string quoted = "'";
    for (char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}
} // namespace

CliRunner::CliRunner() {
    std::string pattern = (fs::temp_directory_path() / "ombrix-cli-test-XXXXXX").string();
    m_folder = ::mkdtemp(pattern.data());
}

CliRunner::~CliRunner() {
    std::error_code ec;
    fs::remove_all(m_folder, ec);
}

CliResult CliRunner::Run(const std::vector<std::string>& args) const {
    std::string command = "cd " + Quote(m_folder.string()) + " && env LANG=" + m_locale +
                          " LC_ALL=" + m_locale +
                          " OMBRIX_SETTINGS=" + Quote((m_folder / "settings.conf").string()) +
                          " OMBRIX_HOME=" + Quote(m_folder.string()) + " " + Quote(OMBRIX_CLI);
    for (const auto& a : args)
        command += " " + Quote(a);
    command += " > out.txt.log 2> err.txt.log";
    const int status = std::system(command.c_str());
    CliResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = Read("out.txt.log");
    result.err = Read("err.txt.log");
    return result;
}

void CliRunner::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(m_folder / name, std::ios::binary) << bytes;
}

std::string CliRunner::Read(const std::string& name) const {
    std::ifstream in(m_folder / name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace ombrix::test
