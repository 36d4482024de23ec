// Feeds arbitrary text to the reader of the simulated analyser's live
// templates and plays back what it found. Neither may crash or read past the
// last line, whatever the record lines hold.

#include "core/Clock.h"
#include "core/DateTime.h"
#include "core/SafeFile.h"
#include "link/OrvCommunication.h"
#include "link/SimulatedAnalyser.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace ombrix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ManualClock clock(0.0);
    InstallClock(&clock);
    static OrvCommunication link;

    SimulatedAnalyser analyser;
    analyser.LoadTemplatesFromLines(
        SplitLines(std::string(reinterpret_cast<const char*>(data), size)));

    for (int i = 0; i < 3; ++i) {
        analyser.NextValueLine(eFST, link);
        analyser.NextValueLine(eSTD, link);
    }
    const bool anyValues =
        analyser.ValueTemplates().size() >= 2 && !analyser.ValueTemplates()[0].empty();
    if (anyValues && !analyser.NextValueLine(eFST, link)) std::abort();
    if (!analyser.SpectrumTemplates().empty() && !analyser.NextSpectrum(link)) std::abort();
    if (!analyser.HarmonicsTemplates().empty() && !analyser.NextHarmonics(link)) std::abort();
    for (const auto* list : {&analyser.ValueTemplates(), &analyser.HarmonicsTemplates(),
                             &analyser.SpectrumTemplates()})
        for (const TemplateBlock& block : *list)
            if (block.empty()) std::abort();
    return 0;
}
