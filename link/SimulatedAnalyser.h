#pragma once
// The analyser side of the demo connection: live measurements played back from
// the templates of the demo data file, with the waits that imitate the
// analyser's measuring time. One set of templates and play-back positions
// serves the whole program run.

#include "config/Listendecl.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ombrix {

class OrvCommunication;

using TemplateBlock = std::vector<std::string>;

class SimulatedAnalyser {
public:
    // Waits of the simulated measuring time, in pauses of kPauseMs.
    static constexpr int kPauseMs = 100;
    static constexpr int kSpectrumPauses = 150;
    static constexpr int kHarmonicsPauses = 10;

    // Replaces the templates by those of the demo file's live section. A
    // missing file, a file that does not name itself a demo file or one without
    // the live section leaves no templates. The play-back positions start again.
    void LoadTemplates(const std::filesystem::path& demoFile);
    void LoadTemplatesFromLines(const std::vector<std::string>& lines);

    // Value blocks: 0 serves FST, 1 serves STD.
    const std::vector<TemplateBlock>& ValueTemplates() const { return m_ValueTemplates; }
    const std::vector<TemplateBlock>& HarmonicsTemplates() const { return m_HarmonicsTemplates; }
    const std::vector<TemplateBlock>& SpectrumTemplates() const { return m_SpectrumTemplates; }

    // The next line of the block of `mode` (FST or STD); nothing without that
    // block or when it is empty. Moves the activity indicator; no wait.
    std::optional<std::string> NextValueLine(Code mode, OrvCommunication& communication);
    // The next spectrum or harmonics block, after the measuring time has
    // passed; nothing without such a block.
    std::optional<TemplateBlock> NextSpectrum(OrvCommunication& communication);
    std::optional<TemplateBlock> NextHarmonics(OrvCommunication& communication);

    // The number written in front of each played-back value line.
    void RestartSampleCounter() { m_nSampleCounter = 1; }
    int TakeSampleNumber() { return m_nSampleCounter++; }
    int SampleCounter() const { return m_nSampleCounter; }

private:
    std::optional<TemplateBlock> NextBlock(const std::vector<TemplateBlock>& blocks,
                                           size_t& position, int pauses,
                                           OrvCommunication& communication);
    void ResetPositions();

    std::vector<TemplateBlock> m_ValueTemplates;
    std::vector<TemplateBlock> m_HarmonicsTemplates;
    std::vector<TemplateBlock> m_SpectrumTemplates;
    size_t m_nFstPosition = 0;
    size_t m_nStdPosition = 0;
    size_t m_nHarmonicsPosition = 0;
    size_t m_nSpectrumPosition = 0;
    int m_nSampleCounter = 1;
};

// The one simulated analyser of the program.
SimulatedAnalyser& DemoAnalyser();

} // namespace ombrix
