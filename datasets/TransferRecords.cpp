#include "datasets/TransferRecords.h"

#include "config/Listendecl.h"
#include "core/FormatSettings.h"
#include "core/NumberFormat.h"
#include "datasets/OrvDataList.h"
#include "export/ExportCells.h"

#include <future>
#include <system_error>

namespace ombrix {

namespace {

constexpr int kFrameColumns = 8;
// Columns after these may be the kind's own; an unknown name among the first
// six makes the record unreadable.
constexpr int kFirstOwnColumn = 7;

bool IsFrameName(const std::string& name) {
    return name == "MEM#" || name == "D" || name == "PROBE" || name == "CHN" || name == "MODE" ||
           name == "DATE" || name == "TIME" || name == "STANDARD";
}

bool StartsWithMemNumber(std::string_view line) {
    return line.size() >= 4 && line.compare(0, 4, "MEM#") == 0;
}

// Sets `cancel` when it leaves, so that the other half stops early on any way
// out of the reading of the first half.
class CancelOnExit {
public:
    explicit CancelOnExit(std::atomic<bool>& cancel) : m_cancel(cancel) {}
    ~CancelOnExit() { m_cancel.store(true, std::memory_order_relaxed); }
    CancelOnExit(const CancelOnExit&) = delete;
    CancelOnExit& operator=(const CancelOnExit&) = delete;

private:
    std::atomic<bool>& m_cancel;
};

void MoveDatasets(RecordRun& from, RecordRun& to) {
    to.datasets.reserve(to.datasets.size() + from.datasets.size());
    for (auto& dataset : from.datasets)
        to.datasets.push_back(std::move(dataset));
    from.datasets.clear();
}

} // namespace

bool ReadRecordFrame(std::string_view labelLine, std::string_view valueLine, char separator,
                     const FormatSettings& fs, RecordFrame& frame) {
    std::string labels(labelLine);
    std::string values(valueLine);
    for (int column = 1; column <= kFrameColumns; ++column) {
        const std::string name = SplitToken(labels, separator);
        const std::string value = SplitToken(values, separator);
        if (name == "MEM#") {
            frame.memNumber = ParseInt(value);
        } else if (name == "D") {
            frame.kind = ParseOrvDataType(value);
        } else if (name == "PROBE") {
            frame.probe = ParseProbe(value);
        } else if (name == "CHN") {
            frame.channel = ParseChannel(value);
        } else if (name == "MODE") {
            frame.mode = ParseMode(value);
        } else if (name == "DATE") {
            frame.dateText = value;
        } else if (name == "TIME") {
            frame.dateTime = StrToDateTime(frame.dateText + " " + value, fs);
        } else if (name == "STANDARD") {
        } else if (column >= kFirstOwnColumn) {
            break;
        } else {
            return false;
        }
    }
    return true;
}

bool FrameStandsAlone(std::string_view labelLine, char separator) {
    std::string labels(labelLine);
    bool memNumber = false, kind = false, probe = false, channel = false, mode = false;
    bool date = false, dateTime = false;
    for (int column = 1; column <= kFrameColumns; ++column) {
        const std::string name = SplitToken(labels, separator);
        if (!IsFrameName(name)) break;
        memNumber |= name == "MEM#";
        kind |= name == "D";
        probe |= name == "PROBE";
        channel |= name == "CHN";
        mode |= name == "MODE";
        date |= name == "DATE";
        // The time is read with the date last read: it must be this record's.
        if (name == "TIME") dateTime = date;
    }
    return memNumber && kind && probe && channel && mode && dateTime;
}

RecordRun ReadRecords(const TransferLines& lines, int from, int stop, RecordFrame& frame,
                      const std::atomic<bool>* cancel) {
    const char separator = OrvDataset::TransferSeparator();
    const FormatSettings& fs = CurrentFormat();
    const int count = static_cast<int>(lines.size());
    RecordRun run;
    int index = from;
    try {
        while (count >= index + 2 && index < stop) {
            if (cancel && cancel->load(std::memory_order_relaxed)) break;
            const auto at = static_cast<std::size_t>(index);
            if (!ReadRecordFrame(lines[at], lines[at + 1], separator, fs, frame)) {
                run.failed = true;
                break;
            }
            std::unique_ptr<OrvDataset> dataset =
                CreateDataset(frame.kind, frame.memNumber, frame.probe, frame.channel, frame.mode,
                              frame.dateTime);
            if (!dataset || !dataset->ParseFrom(lines, index)) {
                run.failed = true;
                break;
            }
            run.datasets.push_back(std::move(dataset));
        }
    } catch (const std::exception&) {
        run.failed = true;
    } catch (...) {
        run.error = std::current_exception();
    }
    run.next = index;
    run.frame = frame;
    return run;
}

int FindSplitLine(const TransferLines& lines, char separator) {
    const int count = static_cast<int>(lines.size());
    if (count < kSplitMinimumLines) return -1;
    // The record needs its two lines, or it would not be read at all.
    for (int i = count / 2; i + 2 <= count; ++i) {
        const std::string_view line = lines[static_cast<std::size_t>(i)];
        if (StartsWithMemNumber(line) && FrameStandsAlone(line, separator)) return i;
    }
    return -1;
}

RecordRun ReadAllRecords(const TransferLines& lines) {
    const int count = static_cast<int>(lines.size());
    RecordFrame frame;
    const int split = FindSplitLine(lines, OrvDataset::TransferSeparator());
    if (split < 0) return ReadRecords(lines, 0, count, frame);

    // Everything the second half reads (the lines, the separator and the number
    // conventions) stays unchanged until both halves are done; the settings
    // store, made for one thread, is read through a copy taken here.
    const ExportFormatsCopy formats;
    std::atomic<bool> cancel{false};
    std::future<RecordRun> second;
    try {
        second = std::async(std::launch::async, [&lines, split, count, &cancel, &formats] {
            const UseExportFormatsCopy useCopy(formats);
            RecordFrame own; // the split record sets every column itself
            return ReadRecords(lines, split, count, own, &cancel);
        });
    } catch (const std::system_error&) {
        return ReadRecords(lines, 0, count, frame); // no thread to be had
    }
    RecordRun run;
    {
        // On any way out the future's end waits for the second half; it is
        // told to stop first.
        CancelOnExit stopSecondHalf(cancel);
        run = ReadRecords(lines, 0, split, frame);
        if (run.failed || run.error) return run;
        if (run.next == split) {
            // The second half stops after the record it is reading (it may not
            // have had a processor yet); this thread reads what it left.
            cancel.store(true, std::memory_order_relaxed);
            RecordRun rest = second.get();
            MoveDatasets(rest, run);
            run.next = rest.next;
            run.failed = rest.failed;
            run.error = rest.error;
            if (run.failed || run.error) return run;
            // Any frame will do where it stopped without reading a record: the
            // split record sets every column itself.
            RecordRun last = ReadRecords(lines, rest.next, count, rest.frame);
            MoveDatasets(last, run);
            run.next = last.next;
            run.failed = last.failed;
            run.error = last.error;
            return run;
        }
    }
    // The first half's last record reached past the split line, which was
    // thus inside it: the reading goes on from where the first half ended.
    second.wait();
    RecordRun rest = ReadRecords(lines, run.next, count, frame);
    MoveDatasets(rest, run);
    run.next = rest.next;
    run.failed = rest.failed;
    run.error = rest.error;
    return run;
}

} // namespace ombrix
