#pragma once
// The commands of ombrix-cli. Each takes its words after the command name and
// returns the process exit code.

#include <string>
#include <vector>

namespace ombrix::cli {

int InfoCommand(const std::vector<std::string>& words);
int ExportCommand(const std::vector<std::string>& words);
int StatsCommand(const std::vector<std::string>& words);
int HistogramCommand(const std::vector<std::string>& words);
int PeaksCommand(const std::vector<std::string>& words);
int RemoteCommand(const std::vector<std::string>& words);
int SetupsCommand(const std::vector<std::string>& words);

} // namespace ombrix::cli
