#pragma once
// The export run without its dialogs: the marked datasets of a data list go to
// the chosen file, or, when they need more than 65535 lines and the user
// agrees, to numbered parts name_0.ext, name_1.ext, ...

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace ombrix {

class OrvDataList;

inline constexpr const char* kExportSplitQuestion =
    "Excel does not allow to export more than 65535 lines at once.\n"
    "If you want to export all remaining datasets into additional, automatically generated, "
    "separate files "
    "(automatically indicated) please click: OK (operation can last for a few minutes)\n"
    "If you want to abort this operation please click: CANCEL\n\n"
    "Tip:\n"
    "In case of bigger sizes and quantities of datasets (e.g. like spectrums) please mark max. 20 "
    "datasets at once "
    "and restart the export procedure for each block again.";

struct ExportRunResult {
    enum Status {
        eWritten,         // every marked dataset is in the files written
        eCancelled,       // the split was refused: nothing written
        eDatasetTooLarge, // a dataset does not fit even into an empty file; the run stopped there
        eWriteFailed,     // a file could not be written; files written before stay
    };
    Status status = eWritten;
    std::vector<std::filesystem::path> files; // in the order written
    int datasetIndex = -1;                    // the dataset too large, for eDatasetTooLarge
    std::string error;
};

// `askSplit` is asked once, when the first file overflows; false cancels.
// The CSV form is chosen by the extension of `chosen`.
ExportRunResult ExportRun(OrvDataList& list, const std::filesystem::path& chosen,
                          const std::function<bool()>& askSplit, std::size_t capacity = 65535);

// name.ext -> name_<n>.ext
std::filesystem::path NumberedPartName(const std::filesystem::path& chosen, int counter);

} // namespace ombrix
