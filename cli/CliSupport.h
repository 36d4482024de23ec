#pragma once
// What every command of ombrix-cli shares: the conventions of the user's
// locale, the stored settings, reading a file as transfer text, Latin-1 to
// UTF-8 for the terminal and JSON, and the exit codes.

#include "datasets/OrvDataList.h"

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace ombrix::cli {

enum ExitCode { kExitOk = 0, kExitFormatError = 1, kExitUsage = 2 };

// A usage error or a file that cannot be read: message and exit code 2.
struct UsageError {
    std::string message;
};

// Arguments of one command: positional words and --options (with values where
// the command says so).
class Arguments {
public:
    Arguments(const std::vector<std::string>& words, const std::vector<std::string>& valueOptions,
              const std::vector<std::string>& flagOptions);
    bool Flag(const std::string& name) const { return m_flags.count(name) != 0; }
    bool Has(const std::string& name) const { return m_values.count(name) != 0; }
    std::string Value(const std::string& name, const std::string& fallBack = {}) const;
    const std::vector<std::string>& Positional() const { return m_positional; }

private:
    std::map<std::string, std::string> m_values;
    std::map<std::string, bool> m_flags;
    std::vector<std::string> m_positional;
};

// A file read by LoadTransferFile is mapped; should another program shorten it
// while a command runs, the process stops with a message and exit code 2
// instead of crashing.
void InstallFileChangeGuard();

// Reads FILE as a transfer text into `list`: the whole file, or of the demo
// data file the section the load wizard takes. UsageError when the file
// cannot be read; false when the text does not read.
bool LoadTransferFile(const std::filesystem::path& file, OrvDataList& list);

std::string Utf8(const std::string& latin1);

} // namespace ombrix::cli
