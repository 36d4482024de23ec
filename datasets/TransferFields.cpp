#include "datasets/TransferFields.h"

#include "core/FormatSettings.h"
#include "export/ExportCells.h"

#include <array>
#include <charconv>

namespace ombrix {

namespace {

bool IsTrimmed(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsTrimmed(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsTrimmed(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

FieldSplitter::FieldSplitter(std::string_view line, char separator, bool endIsSeparator)
    : m_rest(line), m_separator(separator), m_endIsSeparator(endIsSeparator) {}

void FieldSplitter::SkipBlanks() {
    while (!m_rest.empty() && m_rest.front() == ' ')
        m_rest.remove_prefix(1);
}

std::string_view FieldSplitter::Next() {
    const auto pos = m_rest.find(m_separator);
    std::string_view field;
    if (pos != std::string_view::npos) {
        field = m_rest.substr(0, pos);
        m_rest.remove_prefix(pos + 1);
    } else {
        field = m_rest;
        if (m_endIsSeparator) m_rest = {};
    }
    SkipBlanks();
    return Trim(field);
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool IsCommonColumn(std::string_view name) {
    static constexpr std::array<std::string_view, 7> kCommon = {"MEM#", "D",    "PROBE", "CHN",
                                                                "MODE", "DATE", "TIME"};
    for (std::string_view common : kCommon)
        if (name == common) return true;
    return false;
}

void AppendCell(std::string& line, std::string_view text, std::size_t width) {
    const std::size_t start = line.size();
    line += text;
    line += GetExportSeparator();
    const std::size_t length = line.size() - start;
    if (length < width) line.append(width - length, ' ');
}

std::string DecimalText(int value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

char ExportDecimalSeparator() {
    const std::string separator = GetExportFormat(ExportFormatKind::DecimalSeparator, true);
    return separator.empty() ? CurrentFormat().DecimalSeparator : separator.front();
}

} // namespace ombrix
