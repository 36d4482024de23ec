#pragma once
// The frame both command-line programs share: the user's formats and the stored
// settings installed, the command looked up and run, its usage errors turned
// into exit code 2.

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace ombrix::cli {

using Command = std::function<int(const std::vector<std::string>&)>;

// Runs words[0] with the words after it; `program` names the program in
// messages, `usage` is shown for an unknown command.
int RunCommand(const char* program, const std::map<std::string, Command>& commands,
               const std::vector<std::string>& words, const char* usage);

} // namespace ombrix::cli
