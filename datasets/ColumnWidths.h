#pragma once
// Minimum widths of the cells of written records, one per column name; every
// kind that writes a column pads it to the same width.

#include <cstddef>

namespace ombrix {

inline constexpr std::size_t kMemNumberWidth = 5;
inline constexpr std::size_t kDataTypeWidth = 2;
inline constexpr std::size_t kProbeWidth = 11;
inline constexpr std::size_t kChannelWidth = 4;
inline constexpr std::size_t kModeWidth = 5;
inline constexpr std::size_t kStandardWidth = 13;
inline constexpr std::size_t kDateWidth = 9;
inline constexpr std::size_t kTimeWidth = 9;
inline constexpr std::size_t kStepWidth = 9;
inline constexpr std::size_t kFilterWidth = 12;
inline constexpr std::size_t kFRangeWidth = 12;
inline constexpr std::size_t kDetectionWidth = 5;
inline constexpr std::size_t kMaxHoldWidth = 5;
inline constexpr std::size_t kValueWidth = 11;
inline constexpr std::size_t kValidWidth = 6;
inline constexpr std::size_t kFrequencyWidth = 10;
inline constexpr std::size_t kDFWidth = 10;
inline constexpr std::size_t kNumberWidth = 5; // N of samples, points and spectrum lines
inline constexpr std::size_t kIndexWidth = 5;  // X, Y, Z of grid points

} // namespace ombrix
