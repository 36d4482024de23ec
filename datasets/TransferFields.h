#pragma once
// The cells of dataset records in the transfer text, read and written: a field
// splitter with the rules of SplitToken that works on views of the line (a
// spectrum or series of a million lines is read without copying its lines), the
// walk over a record's label and value lines, and cells appended in place.

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
    FieldSplitter(std::string_view line, char separator, bool endIsSeparator = false);

    bool Empty() const { return m_rest.empty(); }
    std::string_view Next();
    std::string_view Rest() const { return m_rest; }

private:
    void SkipBlanks();

    std::string_view m_rest;
    char m_separator;
    bool m_endIsSeparator;
};

bool StartsWith(std::string_view text, std::string_view prefix);

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

// The decimal mark of band texts (filter, frequency range) in written records:
// the export setting, else the current one.
char ExportDecimalSeparator();

} // namespace ombrix
