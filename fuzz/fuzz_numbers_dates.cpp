// Feeds arbitrary text to the number, date and picture readers. None may crash,
// read past its text, or leave the conventions changed.

#include "config/Listendecl.h"
#include "core/DateTime.h"
#include "core/FormatSettings.h"
#include "core/NumberFormat.h"
#include "core/NumberFormatDetail.h"
#include "core/Ombrix.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace ombrix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const char decimal = (data[0] & 1) ? ',' : '.';
    // The input is a text and, after the first NUL, a picture.
    const std::string all(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto nul = all.find('\0');
    const std::string text = all.substr(0, nul);
    const std::string picture = nul == std::string::npos ? "dd.mm.yy hh:nn:ss" : all.substr(nul + 1);

    const FormatSettings before = CurrentFormat();
    FormatSettings fs;
    fs.DecimalSeparator = decimal;
    fs.DateSeparator = (data[0] & 2) ? '.' : '-';
    fs.TimeSeparator = (data[0] & 4) ? ':' : '.';
    fs.ShortDateFormat = (data[0] & 8) ? "yy-mm-dd" : "m/d/yyyy";

    double number = 0;
    int integer = 0;
    DateTime when = 0;
    TryParseFloat(text, decimal, number);
    // The quick reader of plain decimals must read what the strict one reads.
    double quick = 0;
    double strict = 0;
    if (detail::TryParsePlainDecimal(text, decimal, quick) &&
        (!detail::TryParseFloatStrict(text, decimal, strict) ||
         std::memcmp(&quick, &strict, sizeof quick) != 0))
        std::abort();
    TryParseInt(text, integer);
    TryStrToDate(text, fs, when);
    TryStrToTime(text, fs, when);
    TryStrToDateTime(text, fs, when);
    TryParseByPicture(text, picture, fs, when);
    ParseValue(text, (data[0] & 16) != 0);
    std::string rest = text;
    for (int i = 0; i < 4; ++i) SplitToken(rest, decimal);

    // Whatever was read must format without trouble.
    FormatFloat(number, FloatForm::General, 15, 0, decimal);
    FormatFloat(number, FloatForm::Exponent, 5, 2, decimal);
    FormatFloat(number, FloatForm::Fixed, 5, 2, decimal);
    FormatDateTime(picture, when, fs);
    FormatValue(number, "T");

    if (!(CurrentFormat() == before)) std::abort();
    return 0;
}
