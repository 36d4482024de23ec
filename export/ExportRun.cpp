#include "export/ExportRun.h"

#include "datasets/OrvDataList.h"
#include "export/ExportCells.h"
#include "export/ExportDataList.h"

namespace ombrix {

namespace {
constexpr std::size_t kHeaderLines = 7;
}

std::filesystem::path NumberedPartName(const std::filesystem::path& chosen, int counter) {
    std::filesystem::path part = chosen;
    part.replace_filename(chosen.stem().string() + "_" + std::to_string(counter) +
                          chosen.extension().string());
    return part;
}

ExportRunResult ExportRun(OrvDataList& list, const std::filesystem::path& chosen,
                          const std::function<bool()>& askSplit, std::size_t capacity) {
    ExportRunResult result;
    const bool csv = IsCsvFileName(chosen);
    LineList lines(capacity);
    int index = 0;
    int counter = -1;
    while (index < list.GetCount()) {
        lines.Clear();
        lines.SetCapacity(capacity);
        try {
            ExportDataList(list, lines, csv, index);
        } catch (const ExportOverflow&) {
            if (counter == -1) {
                if (!askSplit()) {
                    result.status = ExportRunResult::eCancelled;
                    return result;
                }
                counter = 0;
            }
            if (lines.Count() <= kHeaderLines) {
                // Not even an empty file takes this dataset: more parts would
                // only repeat the header without end.
                result.status = ExportRunResult::eDatasetTooLarge;
                result.datasetIndex = index;
                return result;
            }
        }
        const std::filesystem::path file =
            counter >= 0 ? NumberedPartName(chosen, counter) : chosen;
        if (lines.Count() > kHeaderLines) {
            if (!WriteExportFile(file, lines, &result.error)) {
                result.status = ExportRunResult::eWriteFailed;
                return result;
            }
            result.files.push_back(file);
        }
        ++counter;
    }
    return result;
}

} // namespace ombrix
