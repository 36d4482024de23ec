// Loads arbitrary bytes as "OrvView.dat" (through a file, as the program does)
// and arbitrary text as "Standard.dat". Every accessor must stay inside the
// record, a file of at least 968 bytes must come back unchanged but for the two
// run-time slots, and a shorter one must give the defaults.

#include "core/SafeFile.h"
#include "presentation/ViewSetupStruct.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace ombrix;

namespace {

// A folder of this process for the two files, removed at exit.
struct ScratchFolder {
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "fuzz-view-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        path = pattern;
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::filesystem::path path;
};

const std::filesystem::path& Folder() {
    static const ScratchFolder folder;
    return folder.path;
}

void Write(const std::filesystem::path& file, const char* data, std::size_t size) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(data, static_cast<std::streamsize>(size));
}

void TouchEveryField(const ViewSetupStruct& vs) {
    double sum = vs.GetFFTXMax() + vs.GetFFTXMin() + vs.GetGraphXLength() + vs.GetGraphXOffset() +
                 vs.GetCurrentOffset() + vs.GetBubbleSize() + vs.GetPeakCount() +
                 vs.GetBGRotation() + vs.GetStandardIndex() + vs.GetMarkerVisible() + vs.GetYLog() +
                 vs.GetFFTXLog();
    for (int c = -1; c <= kValueClassCount; ++c) {
        const auto vc = static_cast<ValueClass>(c);
        sum += vs.GetThreshold(vc) + vs.GetYMax(vc) + vs.GetYMin(vc) + vs.GetHistogramRef(vc);
        for (int limit = -1; limit <= 9; ++limit)
            sum += vs.GetPlaneScale(vc, limit);
    }
    for (int i = -1; i <= 25; ++i)
        sum += vs.GetColors(i) + vs.GetLineWidth(i) + vs.GetBarWidth(i) + vs.GetIndexOffset(i) +
               vs.GetIndexDistance(i) + vs.GetBGStretch(i) + vs.GetBGOffset(i) +
               vs.GetXAutoScale(i) + vs.GetShowValue(i);
    (void)vs.GetStandard(vs.GetStandardIndex());
    volatile double sink = sum;
    (void)sink;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The bytes up to the view record's end are the view file, the rest a standards file.
    const char* bytes = reinterpret_cast<const char*>(data);
    const std::size_t viewSize = size < ViewSetupStruct::kSize + 64 ? size : ViewSetupStruct::kSize;
    const auto viewFile = Folder() / "OrvView.dat";
    const auto standardFile = Folder() / "Standard.dat";
    Write(viewFile, bytes, viewSize);
    Write(standardFile, bytes + viewSize, size - viewSize);

    ViewSetupStruct vs;
    const bool loaded = vs.LoadViewSettings(viewFile, standardFile);
    if (loaded != (viewSize >= ViewSetupStruct::kSize)) std::abort();
    const auto image = vs.GetImage();
    if (loaded) {
        for (std::size_t i = 0; i < ViewSetupStruct::kSize; ++i) {
            const bool runTime = (i >= 76 && i < 80) || (i >= 424 && i < 428);
            if (image[i] != (runTime ? 0 : static_cast<std::uint8_t>(bytes[i]))) std::abort();
        }
    } else {
        ViewSetupStruct defaults;
        defaults.SetDefaults();
        if (image != defaults.GetImage()) std::abort();
    }
    TouchEveryField(vs);
    return 0;
}
