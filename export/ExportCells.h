#pragma once
// The rules every written line of the transfer layout is built from: the four
// export format settings with their regional fall-back, the one column
// separator, padded cells, the label line cut after its last cell, and a line
// list of fixed capacity that raises an overflow instead of growing.

#include <exception>
#include <string>
#include <vector>

namespace ombrix {

enum class ExportFormatKind { Date = 0, Time = 1, ListSeparator = 2, DecimalSeparator = 3 };

// The stored text of the kind; when it is empty and `fallBack` is set, the
// regional value (short date picture, long time picture, or the separator as a
// one-character text). Reads the settings afresh on every call.
std::string GetExportFormat(ExportFormatKind kind, bool fallBack);
void SetExportFormat(ExportFormatKind kind, const std::string& text);

// The column separator of written cells: the effective list separator for CSV,
// one blank for plain text.
void SetExportSeparator(bool csv);
const std::string& GetExportSeparator();

// text + separator + blanks up to `width` characters; the text is never cut.
std::string PadCell(const std::string& text, std::size_t width);
// Removes everything from the last separator character of the line to its end.
void StripLastSeparator(std::string& line);

// Raised by writers before they append lines that would not fit.
class ExportOverflow : public std::exception {
public:
    const char* what() const noexcept override { return ""; }
};

// The lines of one export file.
class LineList {
public:
    static constexpr std::size_t kExportCapacity = 65535;

    explicit LineList(std::size_t capacity = kExportCapacity) : m_capacity(capacity) {}

    std::size_t Capacity() const { return m_capacity; }
    void SetCapacity(std::size_t capacity) { m_capacity = capacity; }
    std::size_t Count() const { return m_lines.size(); }
    // Lines that still fit (0 when the list is at or over its capacity).
    std::size_t Room() const { return m_capacity > m_lines.size() ? m_capacity - m_lines.size() : 0; }
    // Raises ExportOverflow unless more than `lines` lines are left.
    void RequireRoomFor(std::size_t lines) const {
        if (Room() <= lines) throw ExportOverflow();
    }

    void Add(std::string line) { m_lines.push_back(std::move(line)); }
    void Clear() { m_lines.clear(); }
    // Removes the lines from `count` on (to take back a record that did not fit).
    void Truncate(std::size_t count) {
        if (count < m_lines.size()) m_lines.resize(count);
    }

    const std::vector<std::string>& Lines() const { return m_lines; }
    const std::string& operator[](std::size_t i) const { return m_lines[i]; }

private:
    std::size_t m_capacity;
    std::vector<std::string> m_lines;
};

} // namespace ombrix
