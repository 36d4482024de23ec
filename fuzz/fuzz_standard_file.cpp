// Feeds arbitrary text to the reader of standard data files. It may neither
// crash nor read past the last line, and must leave the number conventions as
// it found them, whatever the user's decimal separator.

#include "core/FormatSettings.h"
#include "presentation/OrvStandard.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace ombrix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FormatSettings regional;
    if (size > 0 && (data[0] & 1)) {
        regional.DecimalSeparator = ',';
        regional.ThousandSeparator = '.';
    }
    CurrentFormat() = regional;

    StandardList list;
    const StandardFileResult result =
        ReadStandardText(list, std::string_view(reinterpret_cast<const char*>(data), size));
    if (!(CurrentFormat() == regional)) std::abort();
    if (result == eStandardFileMissing) std::abort();
    for (const auto& standard : list) {
        for (const auto& point : standard->GetPoints())
            (void)StandardLimitInQuantity(point,
                                          static_cast<ValueClass>(point.frequency > 0 ? 5 : 1));
    }
    return 0;
}
