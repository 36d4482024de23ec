#pragma once
// Reader of PCX pictures (run-length coded, 1 to 8 bits per pixel in one or more
// colour planes, with the header's 16-colour or the trailing 256-colour
// palette) into plain 8-bit RGB. The file may come from anywhere: every size
// and count in it is checked before it is used.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace ombrix {

struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb; // width x height x 3, rows top to bottom
};

enum class PcxResult {
    eDecoded,
    eNotPcx,      // no PCX header
    eUnsupported, // a bit depth and plane layout this reader does not know
    eBadSize,     // empty, inverted or oversized picture, or too short lines
    eTruncated,   // the pixel data ends before the last line
};

// Pictures with more pixels than this are refused rather than allocated.
constexpr long long kMaxPcxPixels = 8192LL * 8192LL;

// True when the data begins like a PCX file (for choosing the reader).
bool LooksLikePcx(std::span<const std::uint8_t> data);

PcxResult DecodePcx(std::span<const std::uint8_t> data, RgbPicture& picture);

} // namespace ombrix
