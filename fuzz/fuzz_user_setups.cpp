// Feeds arbitrary text to the reader of the user setups file. It may neither
// crash nor leave a list index that reads past its frequency list, must leave
// the number conventions as it found them, and what it read must write out and
// read back unchanged.

#include "config/UserSetupsFile.h"
#include "core/FormatSettings.h"
#include "core/SafeFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using namespace ombrix;

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FormatSettings regional;
    if (size > 0 && (data[0] & 1)) {
        regional.DecimalSeparator = ',';
        regional.ThousandSeparator = '.';
    }
    CurrentFormat() = regional;

    std::vector<ConfigDataStruct> setups;
    const std::vector<std::string> input =
        SplitLines(std::string(reinterpret_cast<const char*>(data), size));
    ReadUserSetupLines(input, setups);
    Check(CurrentFormat() == regional);
    Check(setups.size() <= input.size() / 3);
    for (const ConfigDataStruct& setup : setups) {
        Check(setup.Label.size() <= kSetupLabelLength);
        for (ConfigItem index : {ConfigItem::BPINDEX, ConfigItem::BSINDEX, ConfigItem::FUNDINDEX})
            Check(ItemValueFits(index, ItemValue(setup, index)));
    }

    const std::vector<std::string> written = UserSetupLines(setups);
    Check(CurrentFormat() == regional);
    std::vector<ConfigDataStruct> again;
    Check(ReadUserSetupLines(written, again));
    Check(again.size() == setups.size());
    for (std::size_t i = 0; i < setups.size(); ++i)
        Check(again[i].Label == setups[i].Label);
    Check(UserSetupLines(again) == written);
    return 0;
}
