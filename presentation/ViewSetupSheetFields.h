#pragma once
// The edit fields, check boxes and colour shapes of each view setup sheet and
// the record fields they show; used by the sheet rules only.

#include <string>
#include <string_view>
#include <vector>

namespace ombrix {

inline constexpr const char* kHertzUnit = "Hz";
inline constexpr const char* kMetreUnit = "m";
inline constexpr const char* kSecondUnit = "s";

// The edit fields of a sheet in layout order.
std::vector<std::string> TextFieldsOf(int sheet);
// Fields in metres: their trailing metre sign is dropped before reading.
bool IsMetreField(std::string_view field);

} // namespace ombrix
