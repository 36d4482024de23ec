#pragma once
// Reading and writing whole files byte for byte. A write goes to a temporary
// file in the same folder that is renamed over the target only when complete,
// so a failed write never destroys the last good file.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ombrix {

// False with a reason in `error` when the file could not be written whole.
bool WriteFileSafely(const std::filesystem::path& target, const std::string& bytes, std::string* error = nullptr);

// The file's bytes, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

// Lines of a text that ends lines with CR LF or LF; a last line without an end
// counts as a line, an end at the very end of the text adds none.
std::vector<std::string> SplitLines(const std::string& text);
// The lines joined with CR LF after each line.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

} // namespace ombrix
