#pragma once
// The records of a transfer text after its header, read in file order. A long
// text is read in two halves at once: the second half starts at a record whose
// label line carries every frame column itself, so its reading does not depend
// on the records before it. The outcome is that of reading the whole text in
// one go: the first record that does not read, in file order, decides.

#include "core/DateTime.h"
#include "datasets/OrvDataset.h"
#include "datasets/TransferLines.h"

#include <atomic>
#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ombrix {

struct FormatSettings;

// The columns that open every record. Columns a record does not carry keep the
// previous record's values.
struct RecordFrame {
    int memNumber = 0;
    Code kind = 0;
    Code probe = 0;
    Code channel = 0;
    Code mode = 0;
    std::string dateText;
    DateTime dateTime = 0;
};

// Reads the frame of a record from its label and value lines; false on an
// unknown column among the first six. A value that does not convert throws.
bool ReadRecordFrame(std::string_view labels, std::string_view values, char separator,
                     const FormatSettings& fs, RecordFrame& frame);

// Whether a record's label line sets every frame column (DATE before TIME), so
// that the frame it leaves is the same whatever came before.
bool FrameStandsAlone(std::string_view labels, char separator);

// The records read from one stretch of lines.
struct RecordRun {
    std::vector<std::unique_ptr<OrvDataset>> datasets; // in file order
    int next = 0;                                      // the first line not read
    // A record did not read: `datasets` holds those before it.
    bool failed = false;
    // Anything else thrown while reading, to be raised again once the datasets
    // before it are handed on.
    std::exception_ptr error;
    RecordFrame frame; // as the last record read left it
};

// Reads records from line `from` on while one starts before `stop` and has at
// least two lines. `cancel`, when given and set, ends the reading before the
// next record; `next` and `frame` then say where to go on.
RecordRun ReadRecords(const TransferLines& lines, int from, int stop, RecordFrame& frame,
                      const std::atomic<bool>* cancel = nullptr);

// Lines below which a text is read on one thread.
inline constexpr int kSplitMinimumLines = 4096;

// The line where the second half starts: a record that stands alone at or
// after the middle; -1 when the text is shorter than kSplitMinimumLines or no
// such record follows the middle.
int FindSplitLine(const TransferLines& lines, char separator);

// Reads all records, the second half of a long text on another thread. The
// result is that of ReadRecords over the whole text.
RecordRun ReadAllRecords(const TransferLines& lines);

} // namespace ombrix
