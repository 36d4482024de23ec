#include "mainwindow/MainWindowRules.h"

#include "datasets/OrvDataset.h"

namespace ombrix {

namespace {

constexpr std::array<ViewSheetNames, kViewSheetCount> kSheetNames = {{
    {"TabSheetValue", "Value"},
    {"TabSheetGraph", "Graph"},
    {"TabSheetFFT", "FFT"},
    {"TabSheetPeekList", "Peak List"},
    {"TabSheetAxis", "Axis"},
    {"TabSheetPlane", "Plane"},
    {"TabSheetStatistic", "Statistic"},
    {"TabSheetHistogram", "Histogram"},
    {"TabSheetHarmonics", "Harmonics"},
    {"TabSheetViewError", "ViewError"},
}};

constexpr const char* kPlayPrompt =
    "Press green \"Play-Button\" (left upper corner) to request a spectrum or harmonic list";
constexpr const char* kProcessingText = "Data processing ... please wait";
constexpr const char* kOverdriveWarning =
    "Attention: Current measured field strength overdrives the Field Analyzer input!";

template <typename T> int Order(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

} // namespace

const ViewSheetNames& ViewSheetNamesOf(int sheet) {
    const bool known = sheet >= 0 && sheet < kViewSheetCount;
    return kSheetNames[static_cast<std::size_t>(known ? sheet : eSheetViewError)];
}

PageVisibility PagesForKind(Code kind, bool isLiveDataset) {
    PageVisibility shown{};
    shown[eSheetValue] = kind == eNormal || (kind == eAuto && isLiveDataset);
    shown[eSheetGraph] = kind == eAuto;
    shown[eSheetFFT] = shown[eSheetPeakList] = kind == eVector;
    shown[eSheetAxis] = shown[eSheetPlane] = kind == eMatrix;
    shown[eSheetStatistic] = shown[eSheetHistogram] = kind == eAuto || kind == eMatrix;
    shown[eSheetHarmonics] = kind == eList;
    return shown;
}

std::optional<int> PageForNewKind(Code kind, const PageVisibility& before,
                                  const PageVisibility& after) {
    switch (kind) {
    case eVector:
        if (!before[eSheetFFT]) return eSheetFFT;
        break;
    case eAuto:
        if (!before[eSheetGraph]) return after[eSheetValue] ? eSheetValue : eSheetGraph;
        break;
    case eMatrix:
        if (!before[eSheetAxis]) return eSheetAxis;
        break;
    default:
        break;
    }
    return std::nullopt;
}

int SettledPage(int active, const PageVisibility& visible) {
    if (active >= 0 && active < kTabbedSheetCount && visible[static_cast<std::size_t>(active)])
        return active;
    for (int sheet = 0; sheet < kTabbedSheetCount; ++sheet)
        if (visible[static_cast<std::size_t>(sheet)]) return sheet;
    return eSheetViewError;
}

int CompareForSort(TreeSortKey key, const OrvDataset& a, const OrvDataset& b) {
    switch (key) {
    case TreeSortKey::Index:
        return Order(a.GetMemNumber(), b.GetMemNumber());
    case TreeSortKey::Type:
        return Order(a.FormatDataType(0), b.FormatDataType(0));
    case TreeSortKey::Mode:
        return Order(a.FormatMode(0), b.FormatMode(0));
    case TreeSortKey::DateAndTime:
        return Order(a.GetDateTime(), b.GetDateTime());
    }
    return 0;
}

std::string EmptyViewPrompt(bool databaseView, int functionMode, int fftState) {
    if (databaseView || functionMode == eFST || functionMode == eSTD) return {};
    switch (fftState) {
    case eFftIdle:
        return kPlayPrompt;
    case eFftProcessing:
        return kProcessingText;
    case eFftOverdrive:
        return std::string(kPlayPrompt) + ". " + kOverdriveWarning;
    default:
        return {};
    }
}

std::string LoadSpectrumHint(int fftState) {
    constexpr const char* kTransmit = "Transmit spectrum from field analyser";
    if (fftState == eFftProcessing) return kProcessingText;
    if (fftState == eFftOverdrive) return std::string(kTransmit) + ". " + kOverdriveWarning;
    return kTransmit;
}

ActivityIndicator IndicatorFor(int tag, int panelWidth) {
    if (tag == 1000) return {ActivityIndicator::Alarm, 0, tag};
    if (panelWidth < tag) return {ActivityIndicator::Nothing, 0, 1};
    if (tag != 0) return {ActivityIndicator::Activity, tag, tag};
    return {ActivityIndicator::Offline, 0, tag};
}

int ModeTabOf(int functionMode) {
    switch (functionMode) {
    case eSTD:
        return 1;
    case eFFT:
        return 2;
    case eHAR:
        return 3;
    default:
        return 0;
    }
}

std::optional<int> FunctionModeOfTab(int tab, bool hasSTD, bool hasFFT) {
    switch (tab) {
    case 0:
        return eFST;
    case 1:
        if (hasSTD) return eSTD;
        break;
    case 2:
        if (hasFFT) return eFFT;
        break;
    case 3:
        if (hasFFT) return eHAR;
        break;
    default:
        break;
    }
    return std::nullopt;
}

} // namespace ombrix
