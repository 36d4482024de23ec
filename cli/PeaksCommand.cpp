#include "cli/Commands.h"
#include "cli/ViewCommandSupport.h"
#include "core/NumberFormat.h"
#include "datasets/OrvVectorDataset.h"
#include "mainwindow/PeakListView.h"
#include "presentation/ViewSetupStruct.h"

#include <iomanip>
#include <iostream>

namespace ombrix::cli {

int PeaksCommand(const std::vector<std::string>& words) {
    const Arguments args(words, {"--mem", "--count"}, {"--json"});
    if (args.Positional().size() != 1) throw UsageError{"peaks needs exactly one FILE"};
    OrvDataList list;
    if (!LoadTransferFile(args.Positional()[0], list)) {
        std::cerr << "Format Error\n";
        return kExitFormatError;
    }
    auto* spectrum = dynamic_cast<OrvVectorDataset*>(&DatasetOfMemory(list, args));
    if (!spectrum) throw UsageError{"peaks takes a spectrum (kind V)"};
    LoadStoredViewSettings();
    int count = ViewSetup().GetPeakCount();
    if (args.Has("--count") && (!TryParseInt(args.Value("--count"), count) || count < 0))
        throw UsageError{"--count takes a number of peaks, 0 or more"};

    const PeakListLayout layout = PeakListLayoutFor(count);
    const std::vector<PeakRow> rows = PeakListRows(*spectrum, layout.rowCount);
    if (args.Flag("--json")) {
        nlohmann::json j = nlohmann::json::array();
        for (const PeakRow& row : rows)
            j.push_back({JsonNumber(row.frequency), JsonNumber(row.value)});
        std::cout << j.dump(2) << "\n";
        return kExitOk;
    }
    std::cout << std::left << std::setw(10) << layout.header[0] << std::setw(16) << layout.header[1]
              << "Value\n";
    for (std::size_t i = 0; i < rows.size(); ++i)
        std::cout << std::setw(10) << layout.rowTitles[i] << std::setw(16)
                  << Utf8(rows[i].frequencyText) << Utf8(rows[i].valueText) << "\n";
    if (rows.empty()) std::cout << "no peaks\n";
    return kExitOk;
}

} // namespace ombrix::cli
