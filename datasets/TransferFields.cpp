#include "datasets/TransferFields.h"

#include "core/FormatSettings.h"
#include "core/NumberFormat.h"
#include "export/ExportCells.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace ombrix {

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool StartsNextPart(std::string_view line) {
    // Asked of every sample and element line: the first letter settles it for
    // nearly all of them.
    if (line.empty() || (line.front() != 'C' && line.front() != 'M')) return false;
    return StartsWith(line, "COMMENT") || StartsWith(line, "MEM#");
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

std::size_t ValueLineCount(const TransferLines& lines, std::size_t first) {
    std::size_t count = 1;
    while (first + count < lines.size() && !StartsNextPart(lines[first + count]))
        ++count;
    return count;
}

Code ReadValid(std::string_view text) {
    if (text == "OK") return eValidOK;
    return ParseValid(std::string(text));
}

std::string_view ValidCellText(Code code) {
    static const std::array<std::string, 256> kTexts = [] {
        std::array<std::string, 256> texts;
        for (std::size_t i = 0; i < texts.size(); ++i)
            texts[i] = ValidText(static_cast<Code>(i));
        return texts;
    }();
    return kTexts[code];
}

void CellWriter::Text(std::string_view text, std::size_t width) {
    const std::size_t length = text.size() + m_separator.size();
    const std::size_t cell = std::max(length, width);
    if (m_used + cell > kBufferSize) Finish();
    if (cell > kBufferSize) {
        // A cell longer than the buffer (a long separator) goes straight on.
        m_line.append(text);
        m_line.append(m_separator);
        m_line.append(cell - length, ' ');
        return;
    }
    char* out = m_buffer + m_used;
    for (char c : text)
        *out++ = c;
    for (char c : m_separator)
        *out++ = c;
    for (std::size_t i = length; i < cell; ++i)
        *out++ = ' ';
    m_used += cell;
}

void CellWriter::Decimal(int value, std::size_t width) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    Text(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)), width);
}

void CellWriter::Exponent(double value, char decimalSeparator, std::size_t width) {
    m_number.clear();
    AppendFloat(m_number, value, FloatForm::Exponent, 5, 2, decimalSeparator);
    Text(m_number, width);
}

void CellWriter::StripLastSeparator() {
    if (m_separator.empty()) return;
    const char mark = m_separator.front();
    for (std::size_t i = m_used; i > 0; --i) {
        if (m_buffer[i - 1] == mark) {
            m_used = i - 1;
            return;
        }
    }
    // Not in the buffer: the part of the line before it may hold the last one.
    const auto pos = std::string_view(m_line).substr(m_lineStart).rfind(mark);
    if (pos == std::string_view::npos) return;
    m_line.resize(m_lineStart + pos);
    m_used = 0;
}

void CellWriter::Finish() {
    m_line.append(m_buffer, m_used);
    m_used = 0;
}

void AppendDecimal(std::string& out, int value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
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
