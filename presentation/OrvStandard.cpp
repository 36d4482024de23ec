#include "presentation/OrvStandard.h"

#include "config/Listendecl.h"
#include "core/ConvertError.h"
#include "core/FormatSettings.h"
#include "core/NumberFormat.h"
#include "core/SafeFile.h"

#include <optional>

namespace ombrix {

namespace {

// A standard takes its name line, three lines without meaning, at least one
// point line and the terminator: seven lines from the name on.
constexpr std::size_t kSkippedLines = 3;
constexpr std::size_t kMinimumLines = 7;
constexpr const char* kTerminator = "-";
constexpr char kFieldSeparator = ';';
constexpr double kGaussPerTesla = 10000.0;
constexpr double kAmperePerMetrePerTesla = 795774.8;

// One point line: frequency; magnetic limit; electric limit. A line with fewer
// fields repeats its last field for the missing ones.
StandardPoint ReadPoint(const std::string& line) {
    std::string rest = line;
    StandardPoint point;
    point.frequency = ParseFloat(SplitToken(rest, kFieldSeparator));
    point.magneticLimit = ParseFloat(SplitToken(rest, kFieldSeparator));
    point.electricLimit = ParseFloat(SplitToken(rest, kFieldSeparator));
    return point;
}

StandardFileResult ReadStandardLines(StandardList& target, const std::vector<std::string>& lines) {
    // The file writes numbers with '.' whatever the user's regional settings.
    FormatSettingsScope scope;
    CurrentFormat().DecimalSeparator = '.';
    if (CurrentFormat().ThousandSeparator == '.') CurrentFormat().ThousandSeparator = ',';

    std::size_t i = 0;
    while (i + kMinimumLines - 1 < lines.size()) {
        auto standard = std::make_unique<OrvStandard>(lines[i]);
        std::size_t j = i + 1 + kSkippedLines;
        for (;; ++j) {
            // Point lines that run to the end of the file leave the standard unfinished.
            if (j >= lines.size()) return eStandardFormatError;
            if (lines[j] == kTerminator) break;
            try {
                standard->AddPoint(ReadPoint(lines[j]));
            } catch (const ConvertError&) {
                return eStandardFormatError;
            }
        }
        target.push_back(std::move(standard));
        i = j + 1;
    }
    return eStandardsRead;
}

} // namespace

StandardFileResult ReadStandardText(StandardList& target, std::string_view text) {
    return ReadStandardLines(target, SplitLines(std::string(text)));
}

StandardFileResult ReadStandardFile(StandardList& target, const std::filesystem::path& file) {
    const std::optional<std::string> text = ReadWholeFile(file);
    if (!text) return eStandardFileMissing;
    return ReadStandardText(target, *text);
}

double StandardLimitInQuantity(const StandardPoint& point, ValueClass valueClass) {
    switch (valueClass) {
    case eEField:
        return point.electricLimit;
    case eGauss:
        return point.magneticLimit * kGaussPerTesla;
    case eAmperePerMetre:
        return point.magneticLimit * kAmperePerMetrePerTesla;
    default:
        return point.magneticLimit;
    }
}

} // namespace ombrix
