// Arbitrary text read as a memory transfer and as a memory directory; whatever
// reads must also write and fill the tree. Nothing may crash, leak or leave the
// conventions changed.

#include "core/FormatSettings.h"
#include "core/SafeFile.h"
#include "datasets/DataTree.h"
#include "datasets/OrvDataList.h"
#include "export/ExportCells.h"
#include "export/ExportDataList.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace ombrix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const FormatSettings before = CurrentFormat();

    OrvDataList list;
    TransferLines lines = TransferLines::FromText(text);
    TransferLines copy = lines;
    const bool read = list.ParseTransfer(lines);
    if (!(CurrentFormat() == before)) std::abort();
    if (read) {
        DataTree tree;
        list.FillTree(tree);
        for (int i = 0; i < list.GetCount(); ++i) {
            OrvDataset* d = list.GetDataset(i);
            d->GetInfoText();
            d->GetMarkerText();
            d->SetChecked(true);
        }
        LineList out(4096);
        int index = 0;
        try {
            ExportDataList(list, out, true, index);
        } catch (const ExportOverflow&) {
        }
        if (!(CurrentFormat() == before)) std::abort();
    }

    OrvDataList directory;
    directory.ParseDirectory(copy);
    if (!(CurrentFormat() == before)) std::abort();
    return 0;
}
