#pragma once
// What the load wizard does with the data, without its pages: reading the
// source (the analyser's memory, which the simulated analyser keeps in the
// demo data file, or an exported file), and keeping the datasets chosen on the
// Overview page by ranges or on the Details page one by one.

#include <array>
#include <filesystem>
#include <vector>

namespace ombrix {

class OrvCommunication;
class OrvDataList;

enum class SourceReadResult {
    eRead,        // the list holds the datasets of the source
    eIgnored,     // no demo memory in the demo file: the wizard stays, without a message
    eFormatError, // "Format Error"
    eUnreadable,  // the chosen file cannot be opened
};

// The analyser's memory: the DATALOG section of "DemoDat.dat" in the program folder.
SourceReadResult ReadAnalyserMemory(OrvDataList& list);
// An exported file (or a copy of the demo file, whose DATALOG section is taken).
SourceReadResult ReadTransferFile(OrvDataList& list, const std::filesystem::path& file);

// The Overview page: a range per row; a row that is not ticked keeps 0 to 0.
// Row 0 is "ALL", rows 1 to 5 the kinds normal, auto, matrix, list, vector.
struct OverviewRow {
    bool enabled = false;
    int from = 0;
    int to = 0;
};
using OverviewRanges = std::array<OverviewRow, 6>;

// The counts the Overview page shows when it opens: No, From and To per row.
struct OverviewCount {
    int count = 0;
    int from = 0;
    int to = 0;
};
std::array<OverviewCount, 6> OverviewCounts(const OrvDataList& list);

// Keeps the datasets of a list read in full: by the ticked ranges (Overview) or
// by the ticked rows (Details, one tick per dataset in list order). For a list
// known only from its directory the chosen datasets are read from the analyser
// instead; false when that read fails (true also after a "Format Error",
// which `formatError` reports).
bool KeepByRanges(OrvDataList& list, OrvCommunication& communication, const OverviewRanges& ranges,
                  bool* formatError = nullptr);
bool KeepByTicks(OrvDataList& list, OrvCommunication& communication,
                 const std::vector<bool>& ticked, bool* formatError = nullptr);

// A list of which only the analyser's header is known gets its datasets from
// the memory directory before the Details page can list them.
enum class DirectoryRead {
    eNotNeeded, // the list already knows its datasets
    eRead,      // the list now holds the directory
    eFailed,    // no directory: the Details page stays empty
};
DirectoryRead ReadDirectoryForDetails(OrvDataList& list, OrvCommunication& communication);

} // namespace ombrix
