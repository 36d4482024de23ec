#pragma once
// The decisions of the main window that need no screen: which view pages a
// dataset kind shows and which page comes forward, the tree's sort keys, the
// prompt of the empty view panel, the hint of the spectrum request, the
// activity indicator of the status line and the measurement mode of each mode
// tab. The selection groups under the pages follow SelectionGroupsFor
// (MatrixSelection.h).

#include "config/Listendecl.h"

#include <array>
#include <optional>
#include <string>

namespace ombrix {

class OrvDataset;

// View sheet codes: the index of every view page, also used by the view setup
// and by printing.
enum ViewSheet : int {
    eSheetValue = 0,
    eSheetGraph = 1,
    eSheetFFT = 2,
    eSheetPeakList = 3,
    eSheetAxis = 4,
    eSheetPlane = 5,
    eSheetStatistic = 6,
    eSheetHistogram = 7,
    eSheetHarmonics = 8,
    eSheetViewError = 9,
};
inline constexpr int kViewSheetCount = 10;
// The pages that can have a tab; the error page never shows one.
inline constexpr int kTabbedSheetCount = 9;

struct ViewSheetNames {
    const char* objectName;
    const char* caption;
};
const ViewSheetNames& ViewSheetNamesOf(int sheet);
// The order in which the page control shows its tabs, as sheet codes.
inline constexpr std::array<int, kViewSheetCount> kViewTabOrder = {
    eSheetValue, eSheetGraph,     eSheetFFT,       eSheetPeakList,  eSheetAxis,
    eSheetPlane, eSheetHarmonics, eSheetStatistic, eSheetHistogram, eSheetViewError};

using PageVisibility = std::array<bool, kTabbedSheetCount>;

// The pages a dataset of `kind` shows; the value page shows a timed series
// only while it is the live series.
PageVisibility PagesForKind(Code kind, bool isLiveDataset);

// When the kind's main page was hidden before and is shown now, the page that
// comes forward: the spectrum for a spectrum, the value (when shown) or else
// the graph for a timed series, the axis view for a grid.
std::optional<int> PageForNewKind(Code kind, const PageVisibility& before,
                                  const PageVisibility& after);

// The page that stays active after a page change: the active one while its tab
// is shown, otherwise the first shown page in code order; the error page when
// no page is shown.
int SettledPage(int active, const PageVisibility& visible);

// The four sort keys of the data tree.
enum class TreeSortKey { Index, Type, Mode, DateAndTime };
// Negative, zero or positive as `a` sorts before, with or after `b`, ascending.
int CompareForSort(TreeSortKey key, const OrvDataset& a, const OrvDataset& b);

// The caption of the view panel while it shows no dataset.
std::string EmptyViewPrompt(bool databaseView, int functionMode, int fftState);

// Spectrum request states: idle, the analyser is processing, idle after an
// overdriven input.
enum FftState : int { eFftIdle = 0, eFftProcessing = 1, eFftOverdrive = 2 };
std::string LoadSpectrumHint(int fftState);

// The activity panel of the status line, drawn from the status tag.
struct ActivityIndicator {
    enum Fill { Offline, Activity, Alarm, Nothing };
    Fill fill = Offline;
    int litWidth = 0; // Activity: the lime part from the left
    int tag = 0;      // the tag afterwards: a counter that outgrew the panel starts again
};
ActivityIndicator IndicatorFor(int tag, int panelWidth);

// The mode tabs: Fieldstrength, STD, FFT, Harmonics and Database.
inline constexpr int kDatabaseTab = 4;
int ModeTabOf(int functionMode);
// The measurement mode of a tab the analyser supports; none for a mode it has
// no option for and for the database tab.
std::optional<int> FunctionModeOfTab(int tab, bool hasSTD, bool hasFFT);

} // namespace ombrix
