#include "config/UserSetupsFile.h"

#include "core/FormatSettings.h"
#include "core/NumberFormat.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace ombrix {

namespace {

constexpr char kFileDecimalSeparator = '.';
constexpr const char* kValueSeparator = ";\t";

struct Column {
    const char* keyword;
    ConfigItem item;
    int listIndex; // entry of a frequency list; -1 for an integer item
};

// In the order of the keyword line.
constexpr Column kColumns[] = {
    {"MODE", ConfigItem::MODE, -1},           {"RANGE_B", ConfigItem::RANGE_B, -1},
    {"BUNIT", ConfigItem::BUNIT, -1},         {"RANGE_E", ConfigItem::RANGE_E, -1},
    {"RANGE_F", ConfigItem::RANGE_F, -1},     {"LIVE", ConfigItem::LIVE, -1},
    {"CHANNEL", ConfigItem::CHANNEL, -1},     {"FILTER", ConfigItem::FILTER, -1},
    {"BBINDEX", ConfigItem::BBINDEX, -1},     {"BPINDEX", ConfigItem::BPINDEX, -1},
    {"BSINDEX", ConfigItem::BSINDEX, -1},     {"DECFST", ConfigItem::DECFST, -1},
    {"DECFFT", ConfigItem::DECFFT, -1},       {"DECHAR", ConfigItem::DECHAR, -1},
    {"FUNDINDEX", ConfigItem::FUNDINDEX, -1}, {"STDINDEX", ConfigItem::STDINDEX, -1},
    {"NAVG", ConfigItem::NAVG, -1},           {"SPECNORM", ConfigItem::SPECNORM, -1},
    {"BPFRQ0", ConfigItem::BPFRQ, 0},         {"BPFRQ1", ConfigItem::BPFRQ, 1},
    {"BPFRQ2", ConfigItem::BPFRQ, 2},         {"BPFRQ3", ConfigItem::BPFRQ, 3},
    {"BPFRQ4", ConfigItem::BPFRQ, 4},         {"BPFRQ5", ConfigItem::BPFRQ, 5},
    {"BSFRQ0", ConfigItem::BSFRQ, 0},         {"BSFRQ1", ConfigItem::BSFRQ, 1},
    {"BSFRQ2", ConfigItem::BSFRQ, 2},         {"BSFRQ3", ConfigItem::BSFRQ, 3},
    {"BSFRQ4", ConfigItem::BSFRQ, 4},         {"BSFRQ5", ConfigItem::BSFRQ, 5},
    {"FUNDFRQ0", ConfigItem::FUNDFRQ, 0},     {"FUNDFRQ1", ConfigItem::FUNDFRQ, 1},
    {"FUNDFRQ2", ConfigItem::FUNDFRQ, 2},     {"FUNDFRQ3", ConfigItem::FUNDFRQ, 3},
    {"FUNDFRQ4", ConfigItem::FUNDFRQ, 4},     {"FUNDFRQ5", ConfigItem::FUNDFRQ, 5},
};

const Column* ColumnOf(const std::string& keyword) {
    for (const Column& column : kColumns)
        if (keyword == column.keyword) return &column;
    return nullptr;
}

std::string IntegerText(int value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string ValueText(const ConfigDataStruct& setup, const Column& column) {
    if (column.listIndex < 0) return IntegerText(ItemValue(setup, column.item));
    return FloatToStr(FrequencyAt(FrequencyListOf(setup, column.item), column.listIndex),
                      kFileDecimalSeparator);
}

// An integer its field cannot hold would index past a frequency list or
// wrap around in a byte, so it reads like an unreadable one.
int IntegerOrDefault(ConfigItem item, const std::string& text) {
    const int fallback = item == ConfigItem::NAVG ? 1 : 0;
    int value = 0;
    return TryParseInt(text, value) && ItemValueFits(item, value) ? value : fallback;
}

// The name is what the line holds before its first ";". A cut that ends in
// blanks is trimmed again, so the name reads back as it is written.
std::string NameOf(const std::string& line) {
    std::string rest = line;
    std::string name = SplitToken(rest, ';');
    if (name.size() > kSetupLabelLength) {
        name.resize(kSetupLabelLength);
        while (!name.empty() && static_cast<unsigned char>(name.back()) <= ' ')
            name.pop_back();
    }
    return name;
}

std::optional<ConfigDataStruct> ReadSetup(const std::string& nameLine,
                                          const std::string& keywordLine,
                                          const std::string& valueLine) {
    ConfigDataStruct setup;
    setup.Label = NameOf(nameLine);
    std::string keywords = keywordLine + ";";
    std::string values = valueLine;
    while (!keywords.empty()) {
        const std::string keyword = SplitToken(keywords, ';');
        if (keyword.empty()) break;
        const std::string value = SplitToken(values, ';');
        const Column* column = ColumnOf(keyword);
        if (!column) return std::nullopt;
        if (column->listIndex < 0) {
            SetItemValue(setup, column->item, IntegerOrDefault(column->item, value));
            continue;
        }
        double frequency = 0;
        if (!TryParseFloat(value, kFileDecimalSeparator, frequency)) return std::nullopt;
        FrequencyListOf(setup, column->item)[static_cast<std::size_t>(column->listIndex)] =
            frequency;
    }
    return setup;
}

} // namespace

std::vector<std::string> UserSetupLines(const std::vector<ConfigDataStruct>& setups) {
    FormatSettingsScope scope;
    CurrentFormat().DecimalSeparator = kFileDecimalSeparator;
    std::vector<std::string> lines;
    lines.reserve(setups.size() * 3);
    for (const ConfigDataStruct& setup : setups) {
        lines.push_back(setup.Label);
        lines.emplace_back(kUserSetupKeywordLine);
        std::string values;
        for (const Column& column : kColumns) {
            if (!values.empty()) values += kValueSeparator;
            values += ValueText(setup, column);
        }
        lines.push_back(std::move(values));
    }
    return lines;
}

bool ReadUserSetupLines(const std::vector<std::string>& lines,
                        std::vector<ConfigDataStruct>& setups) {
    FormatSettingsScope scope;
    CurrentFormat().DecimalSeparator = kFileDecimalSeparator;
    for (std::size_t i = 0; i + 2 < lines.size(); i += 3) {
        auto setup = ReadSetup(lines[i], lines[i + 1], lines[i + 2]);
        if (!setup) return false;
        setups.push_back(std::move(*setup));
    }
    return true;
}

} // namespace ombrix
