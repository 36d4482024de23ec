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
// A view, or the one-page report, drawn by the program's own windows; in a
// build without windows they say so and fail.
int RenderCommand(const std::vector<std::string>& words);
int ReportCommand(const std::vector<std::string>& words);

} // namespace ombrix::cli
