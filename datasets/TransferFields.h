#pragma once
// The cells of dataset records in the transfer text, read and written: a field
// splitter with the rules of SplitToken that works on views of the line (a
// spectrum or series of a million lines is read without copying its lines), the
// walk over a record's label and value lines, and cells appended in place.

#include "config/Listendecl.h"
#include "datasets/TransferLines.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace ombrix {

// Splits fields off a line as SplitToken does: the text before the next
// separator, trimmed; the separator and the blanks after it leave the rest. When
// no separator is left, the whole rest is the field and the rest keeps it.
// The returned views point into the line, which must outlive the splitter.
class FieldSplitter {
public:
    // With `endIsSeparator` the line reads as if one separator were appended:
    // its last field is taken once and the rest is then empty.
    FieldSplitter(std::string_view line, char separator, bool endIsSeparator = false)
        : m_rest(line), m_separator(separator), m_endIsSeparator(endIsSeparator) {}

    bool Empty() const { return m_rest.empty(); }
    // Inline: it runs for every cell of every sample line.
    std::string_view Next() {
        // Fields are a few characters long: a plain loop beats a library
        // search that has to be set up for each of them.
        const char* data = m_rest.data();
        const std::size_t size = m_rest.size();
        std::size_t pos = 0;
        while (pos < size && data[pos] != m_separator)
            ++pos;
        std::string_view field;
        if (pos < size) {
            field = m_rest.substr(0, pos);
            m_rest.remove_prefix(pos + 1);
        } else {
            field = m_rest;
            if (m_endIsSeparator) m_rest = {};
        }
        while (!m_rest.empty() && m_rest.front() == ' ')
            m_rest.remove_prefix(1);
        return Trim(field);
    }
    std::string_view Rest() const { return m_rest; }

private:
    static bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= ' '; }
    static std::string_view Trim(std::string_view text) {
        while (!text.empty() && IsTrimmed(text.front()))
            text.remove_prefix(1);
        while (!text.empty() && IsTrimmed(text.back()))
            text.remove_suffix(1);
        return text;
    }

    std::string_view m_rest;
    char m_separator;
    bool m_endIsSeparator;
};

bool StartsWith(std::string_view text, std::string_view prefix);

// The line opens what follows a record's values: its comment or the next record.
bool StartsNextPart(std::string_view line);

// The number of value lines from `first` on up to the next part (at least one):
// what a record's element list is sized by before it is read.
std::size_t ValueLineCount(const TransferLines& lines, std::size_t first);

// ParseValid of a cell, without a string for the usual "OK".
Code ReadValid(std::string_view text);
// ValidText of a code, kept for the whole run: written once per sample.
std::string_view ValidCellText(Code code);

// MEM#, D, PROBE, CHN, MODE, DATE and TIME: the data list reads them, the kinds
// pass over them.
bool IsCommonColumn(std::string_view name);

// Walks the names of a record's label line and the values beside them in its
// value line until the names run out or one is empty. `handle(name, value)`
// returns false for a name the kind does not know, which ends the walk with
// false. The label line is read as if one separator were appended to it.
template <class Handler>
bool ReadColumns(std::string_view labelLine, std::string_view valueLine, char separator,
                 Handler&& handle) {
    FieldSplitter names(labelLine, separator, true);
    FieldSplitter values(valueLine, separator);
    while (!names.Empty()) {
        const std::string_view name = names.Next();
        const std::string_view value = values.Next();
        if (name.empty()) break;
        if (!handle(name, value)) return false;
    }
    return true;
}

// The text, the export separator and blanks up to `width`, appended to `line`
// (PadCell without the intermediate text).
void AppendCell(std::string& line, std::string_view text, std::size_t width);

// Cells appended to a line being built, as AppendCell appends them, written
// straight into the line's own memory: the writers of sample and element
// lines, a million of them in a large export. Copying each line from a buffer
// of its own cost more than building it, since a copy read back bytes that had
// just been stored one by one.
class CellWriter {
public:
    // The line being built starts at the current end of `line`; until
    // Finish(), `line` holds room beyond it.
    CellWriter(std::string& line, std::string_view separator)
        : m_line(line), m_separator(separator), m_lineStart(line.size()), m_end(line.size()) {}
    CellWriter(const CellWriter&) = delete;
    CellWriter& operator=(const CellWriter&) = delete;

    void Text(std::string_view text, std::size_t width);
    void Decimal(int value, std::size_t width);
    // The value as the analyser writes it: 5 digits, exponent of at least 2.
    void Exponent(double value, char decimalSeparator, std::size_t width);
    // StripLastSeparator of the line built so far.
    void StripLastSeparator();
    // Ends the line: `line` holds exactly what was written.
    void Finish() { m_line.resize(m_end); }

private:
    // Room for `bytes` more characters where the next cell goes.
    char* Room(std::size_t bytes);
    // The separator and blanks up to `width` after a cell text of `length`
    // characters already written at the end; room for them was taken.
    void EndCell(std::size_t length, std::size_t width);

    std::string& m_line;
    std::string_view m_separator;
    std::size_t m_lineStart;
    std::size_t m_end; // where the next cell goes
};

// The label line and the value line of a record being written, cell by cell.
struct RecordCells {
    std::string labels;
    std::string values;

    void Add(std::string_view label, std::string_view value, std::size_t width) {
        AppendCell(labels, label, width);
        AppendCell(values, value, width);
    }
};

// Integers as the analyser writes them: plain decimal.
std::string DecimalText(int value);
void AppendDecimal(std::string& out, int value);

// The decimal mark of band texts (filter, frequency range) in written records:
// the export setting, else the current one.
char ExportDecimalSeparator();

} // namespace ombrix
