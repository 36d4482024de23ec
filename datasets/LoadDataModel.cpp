#include "datasets/LoadDataModel.h"

#include "core/ProgramFolder.h"
#include "core/SafeFile.h"
#include "datasets/DemoSections.h"
#include "datasets/OrvDataList.h"
#include "link/OrvCommunication.h"

#include <cstdint>

namespace ombrix {

namespace {

SourceReadResult Parse(OrvDataList& list, TransferLines& lines) {
    if (!list.ParseTransfer(lines)) return SourceReadResult::eFormatError;
    // Data from a file count as saved.
    list.SetAllExported(true);
    return SourceReadResult::eRead;
}

int Value(const OverviewRow& row, int OverviewRow::*field) {
    return row.enabled ? row.*field : 0;
}

// After an analyser read: what the wizard reads replaces the directory.
bool ParseAnalyserRead(OrvDataList& list, TransferLines& lines, bool* formatError) {
    const bool ok = list.ParseTransfer(lines);
    if (formatError) *formatError = !ok;
    if (ok) list.SetAllExported(false); // from the analyser: not saved yet
    return true;
}

} // namespace

SourceReadResult ReadAnalyserMemory(OrvDataList& list) {
    auto bytes = ReadWholeFile(ProgramFile(kDemoDataFileName));
    if (!bytes) return SourceReadResult::eIgnored;
    TransferLines lines = TransferLines::FromText(std::move(*bytes));
    if (!IsDemoFile(lines) || !KeepDatalogSection(lines)) return SourceReadResult::eIgnored;
    return Parse(list, lines);
}

SourceReadResult ReadTransferFile(OrvDataList& list, const std::filesystem::path& file) {
    std::optional<TransferLines> read = TransferLines::FromFile(file);
    if (!read) return SourceReadResult::eUnreadable;
    TransferLines& lines = *read;
    if (FindMarkerLine(lines, kDatalogMarker) >= 0) KeepDatalogSection(lines);
    return Parse(list, lines);
}

std::array<OverviewCount, 6> OverviewCounts(const OrvDataList& list) {
    const int counts[6] = {list.GetTotalCount(),  list.GetNormalCount(), list.GetAutoCount(),
                           list.GetMatrixCount(), list.GetListCount(),   list.GetVectorCount()};
    std::array<OverviewCount, 6> rows{};
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = {counts[i], counts[i] > 0 ? 1 : 0, counts[i]};
    return rows;
}

bool KeepByRanges(OrvDataList& list, OrvCommunication& communication, const OverviewRanges& r,
                  bool* formatError) {
    if (formatError) *formatError = false;
    const auto f = &OverviewRow::from;
    const auto t = &OverviewRow::to;
    if (list.GetListState() == eFullList) {
        list.KeepRanges(Value(r[0], f), Value(r[0], t), Value(r[1], f), Value(r[1], t),
                        Value(r[2], f), Value(r[2], t), Value(r[3], f), Value(r[3], t),
                        Value(r[4], f), Value(r[4], t), Value(r[5], f), Value(r[5], t));
        return true;
    }
    TransferLines lines;
    if (!communication.ReadMemoryByRanges(Value(r[0], f), Value(r[0], t), Value(r[1], f),
                                          Value(r[1], t), Value(r[2], f), Value(r[2], t),
                                          Value(r[3], f), Value(r[3], t), Value(r[4], f),
                                          Value(r[4], t), Value(r[5], f), Value(r[5], t), lines))
        return false;
    return ParseAnalyserRead(list, lines, formatError);
}

bool KeepByTicks(OrvDataList& list, OrvCommunication& communication,
                 const std::vector<bool>& ticked, bool* formatError) {
    if (formatError) *formatError = false;
    if (list.GetListState() == eFullList) {
        for (int row = static_cast<int>(ticked.size()) - 1; row >= 0; --row)
            if (!ticked[static_cast<size_t>(row)]) list.DeleteDataset(row);
        return true;
    }
    std::vector<std::uint16_t> numbers;
    for (size_t row = 0; row < ticked.size() && row < static_cast<size_t>(list.GetCount()); ++row)
        if (ticked[row])
            numbers.push_back(
                static_cast<std::uint16_t>(list.GetDataset(static_cast<int>(row))->GetMemNumber()));
    TransferLines lines;
    if (!communication.ReadMemoryByIndex(numbers, static_cast<int>(numbers.size()), lines))
        return false;
    return ParseAnalyserRead(list, lines, formatError);
}

DirectoryRead ReadDirectoryForDetails(OrvDataList& list, OrvCommunication& communication) {
    if (list.GetListState() != eHeaderList) return DirectoryRead::eNotNeeded;
    TransferLines lines;
    if (!communication.ReadMemoryDirectory(lines) || !list.ParseDirectory(lines))
        return DirectoryRead::eFailed;
    return DirectoryRead::eRead;
}

} // namespace ombrix
