#include "presentation/PcxDecoder.h"

#include <algorithm>
#include <array>

namespace ombrix {

namespace {

constexpr std::size_t kHeaderSize = 128;
constexpr std::uint8_t kManufacturer = 0x0A;
constexpr std::uint8_t kPaletteMark = 0x0C;
constexpr std::size_t kTrailingPaletteSize = 1 + 256 * 3;
// One run of the coding yields at most 63 bytes from two bytes of the file.
constexpr long long kLongestRun = 63;

struct Header {
    int version = 0;
    int encoding = 0;
    int bitsPerPixel = 0;
    int width = 0;
    int height = 0;
    int planes = 0;
    int bytesPerLine = 0;
    std::span<const std::uint8_t> egaPalette; // 16 x RGB
};

int Word(std::span<const std::uint8_t> data, std::size_t at) {
    return data[at] | (data[at + 1] << 8);
}

// Monochrome pictures without a palette of their own draw black on white.
constexpr std::array<std::uint8_t, 6> kMonochrome = {0, 0, 0, 255, 255, 255};

class RunDecoder {
public:
    RunDecoder(std::span<const std::uint8_t> data, bool coded) : m_Data(data), m_bCoded(coded) {}

    // Fills `line` with the next decoded bytes; false when the data ends first.
    bool Next(std::vector<std::uint8_t>& line) {
        std::size_t filled = 0;
        while (filled < line.size()) {
            if (m_nRun > 0) {
                const std::size_t take = std::min<std::size_t>(m_nRun, line.size() - filled);
                std::fill_n(line.begin() + static_cast<std::ptrdiff_t>(filled), take, m_nValue);
                filled += take;
                m_nRun -= take;
                continue;
            }
            if (m_nPos >= m_Data.size()) return false;
            const std::uint8_t byte = m_Data[m_nPos++];
            if (m_bCoded && (byte & 0xC0) == 0xC0) {
                if (m_nPos >= m_Data.size()) return false;
                m_nRun = byte & 0x3F;
                m_nValue = m_Data[m_nPos++];
            } else {
                m_nRun = 1;
                m_nValue = byte;
            }
        }
        return true;
    }

private:
    std::span<const std::uint8_t> m_Data;
    bool m_bCoded;
    std::size_t m_nPos = 0;
    std::size_t m_nRun = 0; // a run may go on into the next line
    std::uint8_t m_nValue = 0;
};

// The palette index of pixel x of a line of `planes` planes of `bits` bits.
int PaletteIndex(const std::vector<std::uint8_t>& line, int bytesPerLine, int planes, int bits,
                 int x) {
    int index = 0;
    for (int plane = 0; plane < planes; ++plane) {
        const std::size_t bitPos = static_cast<std::size_t>(x) * static_cast<std::size_t>(bits);
        const std::uint8_t byte =
            line[static_cast<std::size_t>(plane) * static_cast<std::size_t>(bytesPerLine) +
                 bitPos / 8];
        const int shift = 8 - bits - static_cast<int>(bitPos % 8);
        const int value = (byte >> shift) & ((1 << bits) - 1);
        index |= value << (plane * bits);
    }
    return index;
}

} // namespace

bool LooksLikePcx(std::span<const std::uint8_t> data) {
    return data.size() >= kHeaderSize && data[0] == kManufacturer && data[2] <= 1 &&
           (data[3] == 1 || data[3] == 2 || data[3] == 4 || data[3] == 8);
}

PcxResult DecodePcx(std::span<const std::uint8_t> data, RgbPicture& picture) {
    if (!LooksLikePcx(data)) return PcxResult::eNotPcx;
    Header h;
    h.version = data[1];
    h.encoding = data[2];
    h.bitsPerPixel = data[3];
    const int xMin = Word(data, 4), yMin = Word(data, 6), xMax = Word(data, 8),
              yMax = Word(data, 10);
    h.egaPalette = data.subspan(16, 48);
    h.planes = data[65];
    h.bytesPerLine = Word(data, 66);
    if (xMax < xMin || yMax < yMin) return PcxResult::eBadSize;
    h.width = xMax - xMin + 1;
    h.height = yMax - yMin + 1;

    const int bits = h.bitsPerPixel, planes = h.planes;
    const bool trueColour = bits == 8 && (planes == 3 || planes == 4);
    const bool indexed = planes >= 1 && bits * planes <= 8;
    if (!trueColour && !indexed) return PcxResult::eUnsupported;

    const long long pixels = static_cast<long long>(h.width) * h.height;
    if (pixels > kMaxPcxPixels) return PcxResult::eBadSize;
    if (static_cast<long long>(h.bytesPerLine) * 8 < static_cast<long long>(h.width) * bits)
        return PcxResult::eBadSize;
    const long long lineBytes = static_cast<long long>(h.bytesPerLine) * planes;
    const auto body = data.subspan(kHeaderSize);
    // Refuse a header that promises far more pixels than the file can hold,
    // before anything is allocated for them.
    const long long expansion = h.encoding == 1 ? kLongestRun : 1;
    if (lineBytes * h.height > static_cast<long long>(body.size()) * expansion)
        return PcxResult::eTruncated;

    // The 256-colour palette follows the pixel data, marked by one byte.
    std::span<const std::uint8_t> palette = h.egaPalette;
    std::span<const std::uint8_t> pixelData = body;
    if (bits == 8 && planes == 1) {
        palette = {};
        if (body.size() >= kTrailingPaletteSize &&
            body[body.size() - kTrailingPaletteSize] == kPaletteMark) {
            palette = body.subspan(body.size() - kTrailingPaletteSize + 1);
            pixelData = body.first(body.size() - kTrailingPaletteSize);
        }
    } else if (bits == 1 && planes == 1) {
        palette = kMonochrome;
    }

    picture.width = h.width;
    picture.height = h.height;
    picture.rgb.assign(static_cast<std::size_t>(pixels) * 3, 0);
    std::vector<std::uint8_t> line(static_cast<std::size_t>(lineBytes));
    RunDecoder runs(pixelData, h.encoding == 1);
    const std::size_t paletteColours = palette.size() / 3;
    std::uint8_t* out = picture.rgb.data();
    for (int y = 0; y < h.height; ++y) {
        if (!runs.Next(line)) {
            picture = {};
            return PcxResult::eTruncated;
        }
        for (int x = 0; x < h.width; ++x, out += 3) {
            if (trueColour) {
                for (int c = 0; c < 3; ++c)
                    out[c] = line[static_cast<std::size_t>(c) *
                                      static_cast<std::size_t>(h.bytesPerLine) +
                                  static_cast<std::size_t>(x)];
                continue;
            }
            const int index = bits == 8 ? line[static_cast<std::size_t>(x)]
                                        : PaletteIndex(line, h.bytesPerLine, planes, bits, x);
            if (palette.empty()) { // 8-bit without palette: grey levels
                out[0] = out[1] = out[2] = static_cast<std::uint8_t>(index);
            } else if (static_cast<std::size_t>(index) < paletteColours) {
                for (int c = 0; c < 3; ++c)
                    out[c] =
                        palette[static_cast<std::size_t>(index) * 3 + static_cast<std::size_t>(c)];
            }
        }
    }
    return PcxResult::eDecoded;
}

} // namespace ombrix
