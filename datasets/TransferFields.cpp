#include "datasets/TransferFields.h"

#include "core/FormatSettings.h"
#include "core/NumberFormat.h"
#include "export/ExportCells.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

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

char* CellWriter::Room(std::size_t bytes) {
    // Grown with some slack, so that a line usually takes one step.
    constexpr std::size_t kSlack = 96;
    if (m_end + bytes > m_line.size()) m_line.resize(m_end + bytes + kSlack);
    return m_line.data() + m_end;
}

void CellWriter::EndCell(std::size_t length, std::size_t width) {
    char* out = m_line.data() + m_end + length;
    for (char c : m_separator)
        *out++ = c;
    const std::size_t cell = std::max(length + m_separator.size(), width);
    for (std::size_t i = length + m_separator.size(); i < cell; ++i)
        *out++ = ' ';
    m_end += cell;
}

void CellWriter::Text(std::string_view text, std::size_t width) {
    char* out = Room(text.size() + m_separator.size() + width);
    std::copy(text.begin(), text.end(), out);
    EndCell(text.size(), width);
}

void CellWriter::Decimal(int value, std::size_t width) {
    constexpr std::size_t kDigits = 12; // sign and ten digits
    char* out = Room(kDigits + m_separator.size() + width);
    const auto result = std::to_chars(out, out + kDigits, value);
    EndCell(static_cast<std::size_t>(result.ptr - out), width);
}

void CellWriter::Exponent(double value, char decimalSeparator, std::size_t width) {
    char* out = Room(kMaxExponentText + m_separator.size() + width);
    if (!std::isfinite(value)) {
        const std::string text = FormatFloat(value, FloatForm::Exponent, 5, 2, decimalSeparator);
        std::copy(text.begin(), text.end(), out);
        EndCell(text.size(), width);
        return;
    }
    EndCell(static_cast<std::size_t>(WriteExponent(out, value, 5, 2, decimalSeparator) - out),
            width);
}

void CellWriter::StripLastSeparator() {
    if (m_separator.empty()) return;
    const char mark = m_separator.front();
    for (std::size_t i = m_end; i > m_lineStart; --i) {
        if (m_line[i - 1] == mark) {
            m_end = i - 1;
            return;
        }
    }
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
