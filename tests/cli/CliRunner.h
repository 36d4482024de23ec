#pragma once
// Runs ombrix-cli in a scratch folder of its own, with its own settings file
// and locale, and collects exit code, standard output and standard error.

#include <filesystem>
#include <string>
#include <vector>

namespace ombrix::test {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class CliRunner {
public:
    CliRunner();
    ~CliRunner();
    CliRunner(const CliRunner&) = delete;
    CliRunner& operator=(const CliRunner&) = delete;

    // The locale the tool sees (LANG and LC_ALL), "C" by default.
    void SetLocale(std::string locale) { m_locale = std::move(locale); }
    CliResult Run(const std::vector<std::string>& args) const;

    const std::filesystem::path& Folder() const { return m_folder; }
    std::filesystem::path File(const std::string& name) const { return m_folder / name; }
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;

private:
    std::filesystem::path m_folder;
    std::string m_locale = "C";
};

} // namespace ombrix::test
