#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/DatasetSummary.h"

#include <iostream>

namespace ombrix::cli {

int InfoCommand(const std::vector<std::string>& words) {
    const Arguments args(words, {}, {"--json", "--values"});
    if (args.Positional().size() != 1) throw UsageError{"info needs exactly one FILE"};
    OrvDataList list;
    if (!LoadTransferFile(args.Positional()[0], list)) {
        std::cerr << "Format Error\n";
        return kExitFormatError;
    }
    if (args.Flag("--json")) {
        std::cout << DataListJson(list, args.Flag("--values")).dump(2) << "\n";
        return kExitOk;
    }
    std::cout << "Device: " << Utf8(list.GetDevice()) << "  SN: " << Utf8(list.GetSerialNumber())
              << "  HW-Version: " << Utf8(list.GetHwVersion())
              << "  SW-Version: " << Utf8(list.GetSwVersion())
              << "\nCAL-DATE: " << IsoDate(list.GetCalDate())
              << "  SW date/time: " << IsoDateTime(list.GetSwDateTime())
              << "\nDatasets: " << list.GetTotalCount() << " (normal " << list.GetNormalCount()
              << ", auto " << list.GetAutoCount() << ", matrix " << list.GetMatrixCount()
              << ", list " << list.GetListCount() << ", vector " << list.GetVectorCount() << ")\n";
    for (int i = 0; i < list.GetCount(); ++i)
        std::cout << DatasetLine(*list.GetDataset(i)) << "\n";
    return kExitOk;
}

} // namespace ombrix::cli
