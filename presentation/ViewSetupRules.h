#pragma once
// What the view setup dialog shows and stores, without its widgets: the sheets
// with their captions and help topics, how each sheet's controls are loaded
// from the view settings in the quantity of the dataset shown and stored back,
// the range and length limits of the edit fields, the check boxes that enable
// or disable other controls, and the shift of the current curves when their
// time offset changes. Controls are named by their object names, so the dialog
// only moves texts, ticks and colours between these tables and its widgets.

#include "core/Ombrix.h"
#include "datasets/ValueClass.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace ombrix {

class OrvDataset;
class ViewSetupStruct;

// Sheets of the dialog, numbered as the main window numbers its views.
enum SetupSheet : int {
    eSetupValue = 0,
    eSetupGraph = 1,
    eSetupFFT = 2,
    eSetupPeakList = 3,
    eSetupAxis = 4,
    eSetupPlane = 5,
    eSetupStatistic = 6,
    eSetupHistogram = 7,
    eSetupHarmonics = 8,
};
inline constexpr int kSetupSheetCount = 9;

struct SetupSheetInfo {
    const char* objectName; // "TabSheetGraph"
    const char* caption;    // "Graph"
    int helpContext;        // 0: the dialog keeps the topic it has
};
// nullptr for a view without a sheet (the error page, no view).
const SetupSheetInfo* SetupSheetOf(int sheet);
// The value and statistic sheets only say that nothing can be set.
bool SheetHasSettings(int sheet);

// The dataset whose quantity the per-quantity settings are shown in.
struct SetupDataset {
    ValueClass valueClass = eTesla;
    std::string unit = "T";
    // The data list's live dataset (recorded in REMOTE): no currents to import.
    bool isLive = false;
};
// `dataset` may be null (no dataset shown): magnetic values in tesla.
SetupDataset SetupDatasetOf(OrvDataset* dataset, bool isLive);

// The analyser's largest value in the unit of the value class: 100 kV/m,
// 200 %, and 31.6 mT in T, G or A/m.
double QuantityMaximum(ValueClass valueClass);

// The controls of one sheet as the dialog shows them, by object name.
struct SheetControls {
    std::map<std::string, std::string> texts;    // edit fields
    std::map<std::string, bool> checks;          // check boxes
    std::map<std::string, std::uint32_t> colors; // colour shapes, R + 256 G + 65536 B
    std::vector<std::string> standardNames;      // FFT sheet: the standards in order
    int standardIndex = -1;                      // FFT sheet: selected entry, -1 none
};

inline constexpr const char* kStandardComboName = "ComboBoxFFTStandard";

// The sheet's controls filled from the record. Sheets without settings give
// nothing.
SheetControls LoadSheet(int sheet, const ViewSetupStruct& setup, const SetupDataset& dataset);
// Stores the controls of the sheet in the record; controls missing from
// `controls` leave their fields alone. Texts that are no number count as 0,
// except the peak count, which becomes 9.
void SaveSheet(int sheet, const SheetControls& controls, ViewSetupStruct& setup,
               const SetupDataset& dataset);

// The eleven colour-scale shapes of the Plane sheet painted with the default
// colour scale ("default"); the record itself is not touched.
std::map<std::string, std::uint32_t> DefaultPlaneScaleShapes();

// ---- range checks of the edit fields when they are left

struct FieldBounds {
    double min = 0;
    double max = 0;
    std::string unit;
    bool prefixed = false;
    int mode = 0; // as CheckRangeText: 1 min exclusive, 2 max exclusive, 0 both inclusive
};
// Whether the field is checked when left, and the field its bounds follow
// (the Y maximum for the Y minimum and so on; empty when fixed).
bool IsCheckedField(std::string_view field);
std::string PartnerField(std::string_view field);
// The bounds for the dataset shown; `partnerText` is the text of the partner
// field, read like any field.
FieldBounds BoundsOf(std::string_view field, const SetupDataset& dataset,
                     const std::string& partnerText);
RangeCheckResult CheckSetupField(std::string_view field, const std::string& text,
                                 const std::string& partnerText, const SetupDataset& dataset);
// Fields of a sheet that are checked, in the order they are laid out.
std::vector<std::string> CheckedFieldsOf(int sheet);

// The most characters the user may type into the field; 0 for no limit.
int MaxTextLength(std::string_view field);

// ---- enabling rules

struct EnablingRule {
    const char* checkBox;
    bool enablesWhenTicked; // false: the controls are disabled while ticked
    std::vector<const char*> controls;
};
const std::vector<EnablingRule>& EnablingRules();
// The enabled state of every control governed by a rule whose check box is in
// `checks`.
std::map<std::string, bool> EnabledControls(const std::map<std::string, bool>& checks);
// Controls disabled on loading the Graph sheet for the live dataset; the
// enabling rules then govern all of them but the check box itself.
const std::vector<const char*>& LiveDisabledControls();

// ---- colour buttons

// The shape whose colour a "..." button edits; empty for any other control.
std::string ShapeOfColorButton(std::string_view button);
// The colour buttons of a sheet, in layout order.
std::vector<std::string> ColorButtonsOf(int sheet);

// ---- current curves

// A current point's time (days) moved from the offset the curves were drawn
// with to the new one (both in seconds).
double ShiftedCurrentTime(double time, double oldOffsetSeconds, double newOffsetSeconds);

} // namespace ombrix
