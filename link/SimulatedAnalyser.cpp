#include "link/SimulatedAnalyser.h"

#include "core/Clock.h"
#include "core/HostWindow.h"
#include "core/SafeFile.h"
#include "datasets/DemoSections.h"
#include "link/OrvCommunication.h"

namespace ombrix {

namespace {

enum class TemplateKind { Value, Harmonics, Spectrum };

// The kind letter stands where the analyser's padded value line puts it: the
// memory number cell is five characters wide.
constexpr size_t kKindLetterColumn = 5;

struct KindRule {
    char letter;
    TemplateKind kind;
    // Data begin this many lines after the "MEM#" line: behind the value line,
    // and for values and spectra also behind their column line.
    size_t dataOffset;
};

constexpr KindRule kKindRules[] = {
    {'A', TemplateKind::Value, 3},
    {'L', TemplateKind::Harmonics, 2},
    {'V', TemplateKind::Spectrum, 3},
};

const KindRule* KindOfRecord(const std::string& valueLine) {
    for (const KindRule& rule : kKindRules)
        if (valueLine.find(rule.letter) == kKindLetterColumn) return &rule;
    return nullptr;
}

// The application-starting cursor for the duration of a simulated measurement.
class BusyCursor {
public:
    BusyCursor() { Host().SetBusyCursor(true); }
    ~BusyCursor() { Host().SetBusyCursor(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

void SimulatedAnalyser::ResetPositions() {
    m_nFstPosition = 0;
    m_nStdPosition = 0;
    m_nHarmonicsPosition = 0;
    m_nSpectrumPosition = 0;
}

void SimulatedAnalyser::LoadTemplates(const std::filesystem::path& demoFile) {
    const std::optional<std::string> text = ReadWholeFile(demoFile);
    LoadTemplatesFromLines(text ? SplitLines(*text) : std::vector<std::string>{});
}

void SimulatedAnalyser::LoadTemplatesFromLines(const std::vector<std::string>& lines) {
    ResetPositions();
    m_ValueTemplates.clear();
    m_HarmonicsTemplates.clear();
    m_SpectrumTemplates.clear();

    const int marker = FindMarkerLine(lines, kRemoteMarker);
    if (!IsDemoFile(lines) || marker < 0) return;

    auto listOf = [this](TemplateKind kind) -> std::vector<TemplateBlock>& {
        switch (kind) {
        case TemplateKind::Harmonics:
            return m_HarmonicsTemplates;
        case TemplateKind::Spectrum:
            return m_SpectrumTemplates;
        case TemplateKind::Value:
            break;
        }
        return m_ValueTemplates;
    };

    TemplateBlock block;
    TemplateKind kind = TemplateKind::Value;
    bool inRecord = false;
    auto closeBlock = [&] {
        if (inRecord && !block.empty()) listOf(kind).push_back(std::move(block));
        block = {};
        inRecord = false;
    };

    size_t i = static_cast<size_t>(marker) + 1;
    while (i < lines.size()) {
        if (lines[i].find("MEM#") == std::string::npos) {
            if (inRecord) block.push_back(lines[i]);
            ++i;
            continue;
        }
        closeBlock();
        const KindRule* rule = i + 1 < lines.size() ? KindOfRecord(lines[i + 1]) : nullptr;
        // A record of unknown kind ends the templates; those before it stay.
        if (!rule) return;
        kind = rule->kind;
        inRecord = true;
        i += rule->dataOffset;
    }
    closeBlock();
}

std::optional<std::string> SimulatedAnalyser::NextValueLine(Code mode,
                                                            OrvCommunication& communication) {
    // The STD block is the second one: without both blocks neither mode plays.
    if (m_ValueTemplates.size() < 2 || (mode != eFST && mode != eSTD)) return std::nullopt;
    const TemplateBlock& block = m_ValueTemplates[mode == eFST ? 0 : 1];
    size_t& position = mode == eFST ? m_nFstPosition : m_nStdPosition;
    if (block.empty()) return std::nullopt;
    if (position >= block.size()) position = 0;
    std::string line = block[position++];
    communication.TickStatus();
    return line;
}

std::optional<TemplateBlock> SimulatedAnalyser::NextSpectrum(OrvCommunication& communication) {
    return NextBlock(m_SpectrumTemplates, m_nSpectrumPosition, kSpectrumPauses, communication);
}

std::optional<TemplateBlock> SimulatedAnalyser::NextHarmonics(OrvCommunication& communication) {
    return NextBlock(m_HarmonicsTemplates, m_nHarmonicsPosition, kHarmonicsPauses, communication);
}

std::optional<TemplateBlock> SimulatedAnalyser::NextBlock(const std::vector<TemplateBlock>& blocks,
                                                          size_t& position, int pauses,
                                                          OrvCommunication& communication) {
    if (blocks.empty()) return std::nullopt;
    if (position >= blocks.size()) position = 0;
    TemplateBlock result = blocks[position++];

    BusyCursor busy;
    for (int pause = 0; pause < pauses; ++pause) {
        // The window stays responsive and its indicator moves while the
        // analyser measures.
        Host().ProcessPendingEvents();
        communication.TickStatus();
        CurrentClock().Pause(kPauseMs);
    }
    return result;
}

SimulatedAnalyser& DemoAnalyser() {
    static SimulatedAnalyser analyser;
    return analyser;
}

} // namespace ombrix
