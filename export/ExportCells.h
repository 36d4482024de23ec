#pragma once
// The rules every written line of the transfer layout is built from: the four
// export format settings with their regional fall-back, the one column
// separator, padded cells, the label line cut after its last cell, and a line
// list of fixed capacity that raises an overflow instead of growing.

#include <algorithm>
#include <exception>
#include <string>
#include <string_view>
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

// The export formats as they stand, for a helper thread. The settings store
// serves one thread, so a helper that reads records (a dataset reads a date in
// the export picture) answers from this copy, and leaves the separator of
// written cells, which the thread that started it keeps, alone.
struct ExportFormatsCopy {
    ExportFormatsCopy(); // taken now, on the calling thread
    std::string stored[4];
    std::string withFallBack[4];
};

// While alive, GetExportFormat on the calling thread answers from `copy` and
// SetExportSeparator does nothing there.
class UseExportFormatsCopy {
public:
    explicit UseExportFormatsCopy(const ExportFormatsCopy& copy);
    ~UseExportFormatsCopy();
    UseExportFormatsCopy(const UseExportFormatsCopy&) = delete;
    UseExportFormatsCopy& operator=(const UseExportFormatsCopy&) = delete;

private:
    const ExportFormatsCopy* m_previous;
};

// text + separator + blanks up to `width` characters; the text is never cut.
std::string PadCell(const std::string& text, std::size_t width);
// Removes everything from the last separator character of the line to its end.
void StripLastSeparator(std::string& line);

// Raised by writers before they append lines that would not fit.
class ExportOverflow : public std::exception {
public:
    const char* what() const noexcept override { return ""; }
};

// The lines of one export file, kept as the file's text: every line is
// followed by CR LF in one buffer, so a file of 65535 lines costs no
// allocation per line and is written as it stands.
class LineList {
public:
    static constexpr std::size_t kExportCapacity = 65535;

    explicit LineList(std::size_t capacity = kExportCapacity) : m_capacity(capacity) {}

    std::size_t Capacity() const { return m_capacity; }
    void SetCapacity(std::size_t capacity) { m_capacity = capacity; }
    std::size_t Count() const { return m_starts.size(); }
    // Lines that still fit (0 when the list is at or over its capacity).
    std::size_t Room() const { return m_capacity > Count() ? m_capacity - Count() : 0; }
    // Raises ExportOverflow unless more than `lines` lines are left.
    void RequireRoomFor(std::size_t lines) const {
        if (Room() <= lines) throw ExportOverflow();
    }

    void Add(std::string_view line) {
        m_starts.push_back(m_text.size());
        m_text.append(line);
        m_text.append("\r\n");
    }
    // Appends a line that `build(text)` appends to the file text itself, so a
    // long run of lines is written without a string per line.
    template <class Build> void AddInPlace(Build&& build) {
        m_starts.push_back(m_text.size());
        build(m_text);
        m_text.append("\r\n");
    }
    // Room for `bytes` more characters, grown by doubling so that repeated
    // calls stay linear.
    void ReserveText(std::size_t bytes) {
        const std::size_t wanted = m_text.size() + bytes;
        if (wanted > m_text.capacity()) m_text.reserve(std::max(wanted, 2 * m_text.capacity()));
    }
    void Clear() {
        m_text.clear();
        m_starts.clear();
    }
    // Removes the lines from `count` on (to take back a record that did not fit).
    void Truncate(std::size_t count) {
        if (count >= m_starts.size()) return;
        m_text.resize(m_starts[count]);
        m_starts.resize(count);
    }

    std::string_view operator[](std::size_t i) const {
        const std::size_t end = i + 1 < m_starts.size() ? m_starts[i + 1] : m_text.size();
        return std::string_view(m_text).substr(m_starts[i], end - m_starts[i] - 2);
    }
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        lines.reserve(Count());
        for (std::size_t i = 0; i < Count(); ++i)
            lines.emplace_back((*this)[i]);
        return lines;
    }
    // The lines as a file holds them, each ended by CR LF.
    const std::string& Text() const { return m_text; }

private:
    std::size_t m_capacity;
    std::string m_text;
    std::vector<std::size_t> m_starts;
};

} // namespace ombrix
