#include "presentation/ViewSetupRules.h"

#include "core/DateTime.h"
#include "core/NumberFormat.h"
#include "datasets/OrvListDataset.h"
#include "datasets/OrvNormalDataset.h"
#include "datasets/OrvVectorDataset.h"
#include "mainwindow/StatisticView.h"
#include "presentation/ViewSetupSheetFields.h"
#include "presentation/ViewSetupStruct.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace ombrix {

namespace {

constexpr std::array<SetupSheetInfo, kSetupSheetCount> kSheets = {{
    {"TabSheetValue", "Value", 0},
    {"TabSheetGraph", "Graph", 24},
    {"TabSheetFFT", "FFT", 35},
    {"TabSheetPeekList", "PeekList", 38},
    {"TabSheetAxis", "Axis", 30},
    {"TabSheetPlane", "Plane", 32},
    {"TabSheetStatistic", "Statistic", 0},
    {"TabSheetHistogram", "Histogram", 27},
    {"TabSheetHarmonics", "Harmonics", 27},
}};

constexpr double kSpectrumTopHz = 32000.0;
constexpr double kGridIndexTopMetres = 10.0;

// ---- range checks

enum class BoundKind {
    Fixed,             // min..max as given
    QuantityTop,       // min..the quantity maximum, in the dataset's unit
    BelowPartner,      // min..the partner's value, exclusive
    AbovePartnerToTop, // the partner's value (exclusive)..the quantity maximum
    AbovePartnerTo,    // the partner's value (exclusive)..max
};
enum class UnitKind { None, Seconds, Dataset, Hertz, Metre };

struct FieldCheck {
    std::string name;
    BoundKind kind;
    double min;
    double max;
    UnitKind unit;
    bool prefixed;
    const char* partner = "";
};

constexpr double kNoBound = 0;

const std::vector<FieldCheck>& FieldChecks() {
    static const std::vector<FieldCheck> checks = [] {
        std::vector<FieldCheck> c = {
            {"EditPeakList", BoundKind::Fixed, 1, 20, UnitKind::None, false},
            {"EditGraphXLength", BoundKind::Fixed, 0, 1000000, UnitKind::Seconds, false},
            {"EditGraphXOffset", BoundKind::Fixed, 0, 1000000, UnitKind::Seconds, false},
            {"EditHistogramBarDot", BoundKind::Fixed, 1, 10, UnitKind::None, false},
            {"EditHarmonicsBarDot", BoundKind::Fixed, 1, 10, UnitKind::None, false},
            {"EditGraphYMin", BoundKind::BelowPartner, 0, kNoBound, UnitKind::Dataset, true,
             "EditGraphYMax"},
            {"EditAxisYMin", BoundKind::BelowPartner, 0, kNoBound, UnitKind::Dataset, true,
             "EditAxisYMax"},
            {"EditGraphYMax", BoundKind::AbovePartnerToTop, kNoBound, kNoBound, UnitKind::Dataset,
             true, "EditGraphYMin"},
            {"EditAxisYMax", BoundKind::AbovePartnerToTop, kNoBound, kNoBound, UnitKind::Dataset,
             true, "EditAxisYMin"},
            {"EditFFTXMin", BoundKind::BelowPartner, 0, kNoBound, UnitKind::Hertz, true,
             "EditFFTXMax"},
            {"EditFFTXMax", BoundKind::AbovePartnerTo, kNoBound, kSpectrumTopHz, UnitKind::Hertz,
             true, "EditFFTXMin"},
            {"EditFFTYMin", BoundKind::BelowPartner, 0, kNoBound, UnitKind::Dataset, true,
             "EditFFTYMax"},
            {"EditFFTYMax", BoundKind::AbovePartnerToTop, kNoBound, kNoBound, UnitKind::Dataset,
             true, "EditFFTYMin"},
            {"EditPlaneBubbleSize", BoundKind::Fixed, 0, 1, UnitKind::None, false},
        };
        for (const char* width : {"EditGraphLineDot", "EditGraphThresholdDot",
                                  "EditGraphCurrentDot", "EditFFTLineDot", "EditFFTThresholdDot",
                                  "EditFFTStandardDot", "EditAxisLineDot", "EditAxisThresholdDot"})
            c.push_back({width, BoundKind::Fixed, 1, 5, UnitKind::None, false});
        for (const char* quantity :
             {"EditGraphThreshold", "EditFFTThreshold", "EditAxisThreshold", "EditPlaneThreshold",
              "EditHistogramRef", "EditPlaneScale1", "EditPlaneScale2", "EditPlaneScale3",
              "EditPlaneScale4", "EditPlaneScale5", "EditPlaneScale6", "EditPlaneScale7",
              "EditPlaneScale8", "EditPlaneScale9"})
            c.push_back({quantity, BoundKind::QuantityTop, 0, kNoBound, UnitKind::Dataset, true});
        for (const int sheet : {int(eSetupAxis), int(eSetupPlane)})
            for (const std::string& field : TextFieldsOf(sheet))
                if (IsMetreField(field))
                    c.push_back(
                        {field, BoundKind::Fixed, 0, kGridIndexTopMetres, UnitKind::Metre, true});
        return c;
    }();
    return checks;
}

const FieldCheck* FieldCheckOf(std::string_view field) {
    for (const FieldCheck& check : FieldChecks())
        if (field == check.name) return &check;
    return nullptr;
}

std::string UnitText(UnitKind unit, const SetupDataset& dataset) {
    switch (unit) {
    case UnitKind::None:
        return {};
    case UnitKind::Seconds:
        return kSecondUnit;
    case UnitKind::Dataset:
        return dataset.unit;
    case UnitKind::Hertz:
        return kHertzUnit;
    case UnitKind::Metre:
        return kMetreUnit;
    }
    return {};
}

// ---- enabling

const std::vector<EnablingRule> kEnablingRules = {
    {"CheckBoxGraphXAutoScale", false, {"EditGraphXLength", "EditGraphXOffset"}},
    {"CheckBoxGraphYAutoScale", false, {"EditGraphYMin", "EditGraphYMax"}},
    {"CheckBoxGraphTreshold", true, {"EditGraphThresholdDot", "ButtonGraphThresholdColor"}},
    {"CheckBoxGraphCurrent",
     true,
     {"ButtonGraphImportCurrentData", "EditGraphCurrentOffset", "EditGraphCurrentDot",
      "ButtonGraphNColor", "ButtonGraphL1Color", "ButtonGraphL2Color", "ButtonGraphL3Color"}},
    {"CheckBoxRefDisplayAuto", false, {"EditHistogramRef"}},
    {"CheckBoxFFTXAutoScale", false, {"EditFFTXMin", "EditFFTXMax"}},
    {"CheckBoxFFTYAutoScale", false, {"EditFFTYMin", "EditFFTYMax"}},
    {"CheckBoxFFTThreshold",
     true,
     {"EditFFTThreshold", "EditFFTThresholdDot", "ButtonFFTThresholdColor"}},
    {"CheckBoxFFTYLog",
     true,
     {"CheckBoxFFTStandard", "ComboBoxFFTStandard", "ButtonAddStandard", "EditFFTStandardDot",
      "ButtonFFTStandardColor"}},
    {"CheckBoxAxisYAutoScale", false, {"EditAxisYMin", "EditAxisYMax"}},
    {"CheckBoxAxisThreshold",
     true,
     {"EditAxisThreshold", "EditAxisThresholdDot", "ButtonAxisThresholdColor"}},
    {"CheckBoxPlaneThreshold",
     true,
     {"EditPlaneThreshold", "ButtonPlaneThresholdSmallerrColor",
      "ButtonPlaneThresholdBiggerColor"}},
    {"CheckBoxPlaneAutoScale",
     false,
     {"EditPlaneScale1", "EditPlaneScale2", "EditPlaneScale3", "EditPlaneScale4", "EditPlaneScale5",
      "EditPlaneScale6", "EditPlaneScale7", "EditPlaneScale8", "EditPlaneScale9",
      "ButtonPlaneScale1", "ButtonPlaneScale2", "ButtonPlaneScale3", "ButtonPlaneScale4",
      "ButtonPlaneScale5", "ButtonPlaneScale6", "ButtonPlaneScale7", "ButtonPlaneScale8",
      "ButtonPlaneScale9"}},
    {"CheckBoxPlaneBGVisible",
     true,
     {"ButtonPlaneScaleBGImage", "EditPlaneBGImage", "ButtonPlaneLoadBGImage"}},
};

// ---- colour buttons: button, shape, sheet

struct ColorButton {
    const char* button;
    const char* shape;
    int sheet;
};

const std::vector<ColorButton> kColorButtons = {
    {"ButtonGraphLineColor", "ShapeGraphLineColor", eSetupGraph},
    {"ButtonGraphThresholdColor", "ShapeGraphThresholdColor", eSetupGraph},
    {"ButtonGraphNColor", "ShapeGraphNColor", eSetupGraph},
    {"ButtonGraphL1Color", "ShapeGraphL1Color", eSetupGraph},
    {"ButtonGraphL2Color", "ShapeGraphL2Color", eSetupGraph},
    {"ButtonGraphL3Color", "ShapeGraphL3Color", eSetupGraph},
    {"ButtonFFTLineColor", "ShapeFFTLineColor", eSetupFFT},
    {"ButtonFFTThresholdColor", "ShapeFFTThresholdColor", eSetupFFT},
    {"ButtonFFTStandardColor", "ShapeFFTStandardColor", eSetupFFT},
    {"ButtonAxisLineColor", "ShapeAxisLineColor", eSetupAxis},
    {"ButtonAxisThresholdColor", "ShapeAxisThresholdColor", eSetupAxis},
    {"ButtonPlaneThresholdSmallerrColor", "ShapePlaneThresholdSmallerColor", eSetupPlane},
    {"ButtonPlaneThresholdBiggerColor", "ShapePlaneThresholdBiggerColor", eSetupPlane},
    {"ButtonPlaneScale1", "ShapePlaneScale1", eSetupPlane},
    {"ButtonPlaneScale2", "ShapePlaneScale2", eSetupPlane},
    {"ButtonPlaneScale3", "ShapePlaneScale3", eSetupPlane},
    {"ButtonPlaneScale4", "ShapePlaneScale4", eSetupPlane},
    {"ButtonPlaneScale5", "ShapePlaneScale5", eSetupPlane},
    {"ButtonPlaneScale6", "ShapePlaneScale6", eSetupPlane},
    {"ButtonPlaneScale7", "ShapePlaneScale7", eSetupPlane},
    {"ButtonPlaneScale8", "ShapePlaneScale8", eSetupPlane},
    {"ButtonPlaneScale9", "ShapePlaneScale9", eSetupPlane},
    {"ButtonPlaneScale10", "ShapePlaneScaleX", eSetupPlane},
    {"ButtonHistogramBarColor", "ShapeHistogramBarColor", eSetupHistogram},
    {"ButtonHarmonicsBarColor", "ShapeHarmonicsBarColor", eSetupHarmonics},
};

} // namespace

const SetupSheetInfo* SetupSheetOf(int sheet) {
    return sheet >= 0 && sheet < kSetupSheetCount ? &kSheets[static_cast<std::size_t>(sheet)]
                                                  : nullptr;
}

bool SheetHasSettings(int sheet) {
    return SetupSheetOf(sheet) && sheet != eSetupValue && sheet != eSetupStatistic;
}

SetupDataset SetupDatasetOf(OrvDataset* dataset, bool isLive) {
    SetupDataset shown;
    shown.isLive = isLive;
    if (!dataset) return shown;
    shown.valueClass = dataset->GetValueClass();
    if (const auto* normal = dynamic_cast<const OrvNormalDataset*>(dataset))
        shown.unit = normal->GetUnitText();
    else if (const auto* spectrum = dynamic_cast<const OrvVectorDataset*>(dataset))
        shown.unit = spectrum->GetUnitText();
    else if (const auto* list = dynamic_cast<const OrvListDataset*>(dataset))
        shown.unit = list->GetUnitText();
    return shown;
}

double QuantityMaximum(ValueClass valueClass) {
    // The same analyser range ends bound the statistic page's threshold.
    return StatisticThresholdLimit(valueClass);
}

bool IsCheckedField(std::string_view field) {
    return FieldCheckOf(field) != nullptr;
}

std::string PartnerField(std::string_view field) {
    const FieldCheck* check = FieldCheckOf(field);
    return check ? check->partner : "";
}

FieldBounds BoundsOf(std::string_view field, const SetupDataset& dataset,
                     const std::string& partnerText) {
    FieldBounds bounds;
    const FieldCheck* check = FieldCheckOf(field);
    if (!check) return bounds;
    bounds.unit = UnitText(check->unit, dataset);
    bounds.prefixed = check->prefixed;
    bounds.min = check->min;
    bounds.max = check->max;
    const double partner = ParseValue(partnerText, check->unit == UnitKind::Metre);
    switch (check->kind) {
    case BoundKind::Fixed:
        break;
    case BoundKind::QuantityTop:
        bounds.max = QuantityMaximum(dataset.valueClass);
        break;
    case BoundKind::BelowPartner:
        bounds.max = partner;
        bounds.mode = 2;
        break;
    case BoundKind::AbovePartnerToTop:
        bounds.min = partner;
        bounds.max = QuantityMaximum(dataset.valueClass);
        bounds.mode = 1;
        break;
    case BoundKind::AbovePartnerTo:
        bounds.min = partner;
        bounds.mode = 1;
        break;
    }
    return bounds;
}

RangeCheckResult CheckSetupField(std::string_view field, const std::string& text,
                                 const std::string& partnerText, const SetupDataset& dataset) {
    if (!IsCheckedField(field)) return {true, ParseValue(text, false), {}};
    const FieldBounds b = BoundsOf(field, dataset, partnerText);
    return CheckRangeText(text, b.min, b.max, b.unit, b.prefixed, b.mode);
}

std::vector<std::string> CheckedFieldsOf(int sheet) {
    std::vector<std::string> fields;
    for (const std::string& field : TextFieldsOf(sheet))
        if (IsCheckedField(field)) fields.push_back(field);
    return fields;
}

int MaxTextLength(std::string_view field) {
    for (const char* name :
         {"EditGraphXLength", "EditGraphXOffset", "EditGraphYMin", "EditGraphYMax"})
        if (field == name) return 8;
    if (field == "EditPeakList") return 2;
    // One digit for the line and bar widths.
    if (field.ends_with("Dot")) return 1;
    return 0;
}

const std::vector<EnablingRule>& EnablingRules() {
    return kEnablingRules;
}

std::map<std::string, bool> EnabledControls(const std::map<std::string, bool>& checks) {
    std::map<std::string, bool> enabled;
    for (const EnablingRule& rule : kEnablingRules) {
        const auto it = checks.find(rule.checkBox);
        if (it == checks.end()) continue;
        const bool on = it->second == rule.enablesWhenTicked;
        for (const char* control : rule.controls)
            enabled[control] = on;
    }
    return enabled;
}

const std::vector<const char*>& LiveDisabledControls() {
    static const std::vector<const char*> controls = {
        "CheckBoxGraphCurrent",         "EditGraphCurrentOffset", "EditGraphCurrentDot",
        "ButtonGraphImportCurrentData", "ButtonGraphNColor",      "ButtonGraphL1Color",
        "ButtonGraphL2Color",           "ButtonGraphL3Color"};
    return controls;
}

std::string ShapeOfColorButton(std::string_view button) {
    for (const ColorButton& entry : kColorButtons)
        if (button == entry.button) return entry.shape;
    return {};
}

std::vector<std::string> ColorButtonsOf(int sheet) {
    std::vector<std::string> buttons;
    for (const ColorButton& entry : kColorButtons)
        if (entry.sheet == sheet) buttons.emplace_back(entry.button);
    return buttons;
}

double ShiftedCurrentTime(double time, double oldOffsetSeconds, double newOffsetSeconds) {
    constexpr double secondsPerDay = kMSecsPerDay / 1000.0;
    if (oldOffsetSeconds != 0) time -= oldOffsetSeconds / secondsPerDay;
    if (newOffsetSeconds != 0) time += newOffsetSeconds / secondsPerDay;
    return time;
}

} // namespace ombrix
