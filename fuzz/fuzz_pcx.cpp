// Feeds arbitrary bytes to the PCX reader. It may neither crash nor read or
// write outside its buffers, and a decoded picture has exactly the pixels its
// size names.

#include "presentation/PcxDecoder.h"

#include <cstdint>
#include <cstdlib>
#include <span>

using namespace ombrix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RgbPicture picture;
    const PcxResult result = DecodePcx(std::span<const std::uint8_t>(data, size), picture);
    if (result == PcxResult::eDecoded) {
        if (picture.width <= 0 || picture.height <= 0) std::abort();
        const auto pixels =
            static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
        if (picture.rgb.size() != pixels * 3) std::abort();
    } else if (!picture.rgb.empty()) {
        std::abort();
    }
    return 0;
}
