// Loading and storing the view setup sheets: which record field each control
// shows, in which form, and how its text is read back.

#include "presentation/ViewSetupSheetFields.h"

#include "core/NumberFormat.h"
#include "core/Ombrix.h"
#include "presentation/ViewSetupRules.h"
#include "presentation/ViewSetupStruct.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace ombrix {

namespace {

constexpr int kPeakCountWhenUnreadable = 9;

// ---- loading and storing

// How a field's value is shown and read back.
enum class TextForm {
    Integer,  // digits; stored from a prefixed parse, truncated
    Seconds,  // digits and " s"; stored like Integer
    Quantity, // prefixed with the dataset's unit
    Hertz,    // prefixed with "Hz"
    Metres,   // prefixed with "m"; the metre sign is dropped before reading
    Plain,    // plain number; prefixed parse
    PeakCount // digits; an unreadable text stores 9
};

using TextGetter = double (*)(const ViewSetupStruct&, ValueClass, int);
using TextSetter = void (*)(ViewSetupStruct&, ValueClass, int, double);

struct TextField {
    const char* name;
    TextForm form;
    TextGetter get;
    TextSetter set;
    int index = 0; // element of an array field
};

struct CheckField {
    const char* name;
    bool (*get)(const ViewSetupStruct&);
    void (*set)(ViewSetupStruct&, bool);
};

struct ColorField {
    const char* name;
    int index; // ViewColor
};

struct SheetFields {
    std::vector<CheckField> checks;
    std::vector<TextField> texts;
    std::vector<ColorField> colors;
    bool standards = false;
};

// The integer part of a typed number, kept within the range of the record's
// integers so that a huge or unreadable text cannot overflow.
int TruncatedInt(double value) {
    if (!std::isfinite(value)) return 0;
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    return static_cast<int>(std::trunc(std::clamp(value, lo, hi)));
}

// Accessors of the record in the shape of the tables.
#define ORV_CHECK(Name, Field)                                                                     \
    CheckField {                                                                                   \
        Name, [](const ViewSetupStruct& s) { return s.Get##Field(); },                             \
            [](ViewSetupStruct& s, bool on) { s.Set##Field(on); }                                  \
    }
#define ORV_CHECK_AT(Name, Field, Index)                                                           \
    CheckField {                                                                                   \
        Name, [](const ViewSetupStruct& s) { return s.Get##Field(Index); },                        \
            [](ViewSetupStruct& s, bool on) { s.Set##Field(Index, on); }                           \
    }

double GetLineWidth(const ViewSetupStruct& s, ValueClass, int i) {
    return s.GetLineWidth(i);
}
void SetLineWidth(ViewSetupStruct& s, ValueClass, int i, double v) {
    s.SetLineWidth(i, TruncatedInt(v));
}
double GetBarWidth(const ViewSetupStruct& s, ValueClass, int i) {
    return s.GetBarWidth(i);
}
void SetBarWidth(ViewSetupStruct& s, ValueClass, int i, double v) {
    s.SetBarWidth(i, TruncatedInt(v));
}
double GetYMin(const ViewSetupStruct& s, ValueClass c, int) {
    return s.GetYMin(c);
}
void SetYMin(ViewSetupStruct& s, ValueClass c, int, double v) {
    s.SetYMin(c, v);
}
double GetYMax(const ViewSetupStruct& s, ValueClass c, int) {
    return s.GetYMax(c);
}
void SetYMax(ViewSetupStruct& s, ValueClass c, int, double v) {
    s.SetYMax(c, v);
}
double GetThreshold(const ViewSetupStruct& s, ValueClass c, int) {
    return s.GetThreshold(c);
}
void SetThreshold(ViewSetupStruct& s, ValueClass c, int, double v) {
    s.SetThreshold(c, v);
}
double GetHistogramRef(const ViewSetupStruct& s, ValueClass c, int) {
    return s.GetHistogramRef(c);
}
void SetHistogramRef(ViewSetupStruct& s, ValueClass c, int, double v) {
    s.SetHistogramRef(c, v);
}
double GetIndexOffset(const ViewSetupStruct& s, ValueClass, int i) {
    return s.GetIndexOffset(i);
}
void SetIndexOffset(ViewSetupStruct& s, ValueClass, int i, double v) {
    s.SetIndexOffset(i, v);
}
double GetIndexDistance(const ViewSetupStruct& s, ValueClass, int i) {
    return s.GetIndexDistance(i);
}
void SetIndexDistance(ViewSetupStruct& s, ValueClass, int i, double v) {
    s.SetIndexDistance(i, v);
}
double GetPlaneScale(const ViewSetupStruct& s, ValueClass c, int i) {
    return s.GetPlaneScale(c, i);
}
void SetPlaneScale(ViewSetupStruct& s, ValueClass c, int i, double v) {
    s.SetPlaneScale(c, i, v);
}

// Offsets and distances of the measuring grid index on the Axis or Plane sheet:
// X, Y, Z offset, then X, Y, Z distance.
using GridIndexNames = std::array<const char*, 6>;
constexpr GridIndexNames kAxisGridIndex = {"EditAxisXOffset",   "EditAxisYOffset",
                                           "EditAxisZOffset",   "EditAxisXDistance",
                                           "EditAxisYDistance", "EditAxisZDistance"};
constexpr GridIndexNames kPlaneGridIndex = {"EditPlaneXOffset",   "EditPlaneYOffset",
                                            "EditPlaneZOffset",   "EditPlaneXDistance",
                                            "EditPlaneYDistance", "EditPlaneZDistance"};

void AddGridIndexFields(std::vector<TextField>& texts, const GridIndexNames& names) {
    for (int axis = 0; axis < 3; ++axis)
        texts.push_back({names[axis], TextForm::Metres, GetIndexOffset, SetIndexOffset, axis});
    for (int axis = 0; axis < 3; ++axis)
        texts.push_back(
            {names[3 + axis], TextForm::Metres, GetIndexDistance, SetIndexDistance, axis});
}

SheetFields GraphFields() {
    SheetFields f;
    f.checks = {
        ORV_CHECK_AT("CheckBoxGraphXAutoScale", XAutoScale, 0),
        ORV_CHECK("CheckBoxGraphYAutoScale", YAutoScale),
        ORV_CHECK("CheckBoxGraphYLog", YLog),
        ORV_CHECK("CheckBoxGraphTreshold", ThresholdVisible),
        ORV_CHECK("CheckBoxGraphCurrent", CurrentVisible),
    };
    f.texts = {
        {"EditGraphXLength", TextForm::Seconds,
         [](const ViewSetupStruct& s, ValueClass, int) { return double(s.GetGraphXLength()); },
         [](ViewSetupStruct& s, ValueClass, int, double v) { s.SetGraphXLength(TruncatedInt(v)); }},
        {"EditGraphXOffset", TextForm::Seconds,
         [](const ViewSetupStruct& s, ValueClass, int) { return double(s.GetGraphXOffset()); },
         [](ViewSetupStruct& s, ValueClass, int, double v) { s.SetGraphXOffset(TruncatedInt(v)); }},
        {"EditGraphYMin", TextForm::Quantity, GetYMin, SetYMin},
        {"EditGraphYMax", TextForm::Quantity, GetYMax, SetYMax},
        {"EditGraphLineDot", TextForm::Integer, GetLineWidth, SetLineWidth, eWidthGraphLine},
        {"EditGraphThreshold", TextForm::Quantity, GetThreshold, SetThreshold},
        {"EditGraphThresholdDot", TextForm::Integer, GetLineWidth, SetLineWidth, eWidthThreshold},
        {"EditGraphCurrentOffset", TextForm::Plain,
         [](const ViewSetupStruct& s, ValueClass, int) { return s.GetCurrentOffset(); },
         [](ViewSetupStruct& s, ValueClass, int, double v) { s.SetCurrentOffset(v); }},
        {"EditGraphCurrentDot", TextForm::Integer, GetLineWidth, SetLineWidth, eWidthCurrent},
    };
    f.colors = {
        {"ShapeGraphLineColor", eColorGraphLine}, {"ShapeGraphThresholdColor", eColorThreshold},
        {"ShapeGraphNColor", eColorCurrentN},     {"ShapeGraphL1Color", eColorCurrentL1},
        {"ShapeGraphL2Color", eColorCurrentL2},   {"ShapeGraphL3Color", eColorCurrentL3}};
    return f;
}

SheetFields FFTFields() {
    SheetFields f;
    f.checks = {
        ORV_CHECK_AT("CheckBoxFFTXAutoScale", XAutoScale, 1),
        ORV_CHECK("CheckBoxFFTXLog", FFTXLog),
        ORV_CHECK("CheckBoxFFTYAutoScale", YAutoScale),
        ORV_CHECK("CheckBoxFFTYLog", YLog),
        ORV_CHECK("CheckBoxFFTThreshold", ThresholdVisible),
        ORV_CHECK("CheckBoxFFTStandard", StandardVisible),
    };
    f.texts = {
        {"EditFFTXMin", TextForm::Hertz,
         [](const ViewSetupStruct& s, ValueClass, int) { return s.GetFFTXMin(); },
         [](ViewSetupStruct& s, ValueClass, int, double v) { s.SetFFTXMin(v); }},
        {"EditFFTXMax", TextForm::Hertz,
         [](const ViewSetupStruct& s, ValueClass, int) { return s.GetFFTXMax(); },
         [](ViewSetupStruct& s, ValueClass, int, double v) { s.SetFFTXMax(v); }},
        {"EditFFTYMin", TextForm::Quantity, GetYMin, SetYMin},
        {"EditFFTYMax", TextForm::Quantity, GetYMax, SetYMax},
        {"EditFFTLineDot", TextForm::Integer, GetLineWidth, SetLineWidth, eWidthSpectrumLine},
        {"EditFFTThreshold", TextForm::Quantity, GetThreshold, SetThreshold},
        {"EditFFTThresholdDot", TextForm::Integer, GetLineWidth, SetLineWidth, eWidthThreshold},
        {"EditFFTStandardDot", TextForm::Integer, GetLineWidth, SetLineWidth, eWidthStandard},
    };
    f.colors = {{"ShapeFFTLineColor", eColorSpectrumLine},
                {"ShapeFFTThresholdColor", eColorThreshold},
                {"ShapeFFTStandardColor", eColorStandard}};
    f.standards = true;
    return f;
}

SheetFields PeakListFields() {
    SheetFields f;
    f.texts = {
        {"EditPeakList", TextForm::PeakCount,
         [](const ViewSetupStruct& s, ValueClass, int) { return double(s.GetPeakCount()); },
         [](ViewSetupStruct& s, ValueClass, int, double v) { s.SetPeakCount(TruncatedInt(v)); }}};
    return f;
}

SheetFields AxisFields() {
    SheetFields f;
    AddGridIndexFields(f.texts, kAxisGridIndex);
    f.checks = {
        ORV_CHECK("CheckBoxAxisYAutoScale", YAutoScale),
        ORV_CHECK("CheckBoxAxisYLog", YLog),
        ORV_CHECK("CheckBoxAxisThreshold", ThresholdVisible),
    };
    f.texts.push_back({"EditAxisYMin", TextForm::Quantity, GetYMin, SetYMin});
    f.texts.push_back({"EditAxisYMax", TextForm::Quantity, GetYMax, SetYMax});
    f.texts.push_back(
        {"EditAxisLineDot", TextForm::Integer, GetLineWidth, SetLineWidth, eWidthAxisLine});
    f.texts.push_back({"EditAxisThreshold", TextForm::Quantity, GetThreshold, SetThreshold});
    f.texts.push_back(
        {"EditAxisThresholdDot", TextForm::Integer, GetLineWidth, SetLineWidth, eWidthThreshold});
    f.colors = {{"ShapeAxisLineColor", eColorAxisLine},
                {"ShapeAxisThresholdColor", eColorThreshold}};
    return f;
}

SheetFields PlaneFields() {
    SheetFields f;
    AddGridIndexFields(f.texts, kPlaneGridIndex);
    f.checks = {
        ORV_CHECK("CheckBoxPlaneThreshold", PlaneThresholdVisible),
        ORV_CHECK("CheckBoxPlaneAutoScale", PlaneAutoScale),
        ORV_CHECK("CheckBoxPlaneBGVisible", BGVisible),
    };
    f.texts.push_back({"EditPlaneThreshold", TextForm::Quantity, GetThreshold, SetThreshold});
    f.texts.push_back({"EditPlaneBubbleSize", TextForm::Plain,
                       [](const ViewSetupStruct& s, ValueClass, int) { return s.GetBubbleSize(); },
                       [](ViewSetupStruct& s, ValueClass, int, double v) { s.SetBubbleSize(v); }});
    static const std::array<const char*, ViewSetupStruct::kPlaneLimitCount> limits = {
        "EditPlaneScale1", "EditPlaneScale2", "EditPlaneScale3",
        "EditPlaneScale4", "EditPlaneScale5", "EditPlaneScale6",
        "EditPlaneScale7", "EditPlaneScale8", "EditPlaneScale9"};
    for (int limit = 0; limit < ViewSetupStruct::kPlaneLimitCount; ++limit)
        f.texts.push_back({limits[limit], TextForm::Plain, GetPlaneScale, SetPlaneScale, limit});
    f.colors = {{"ShapePlaneThresholdSmallerColor", eColorPlaneBelowThreshold},
                {"ShapePlaneThresholdBiggerColor", eColorPlaneAboveThreshold}};
    static const std::array<const char*, 11> scale = {
        "ShapePlaneScale0", "ShapePlaneScale1", "ShapePlaneScale2", "ShapePlaneScale3",
        "ShapePlaneScale4", "ShapePlaneScale5", "ShapePlaneScale6", "ShapePlaneScale7",
        "ShapePlaneScale8", "ShapePlaneScale9", "ShapePlaneScaleX"};
    for (int k = 0; k < 11; ++k)
        f.colors.push_back({scale[k], eColorPlaneEmpty + k});
    return f;
}

SheetFields HistogramFields() {
    SheetFields f;
    f.checks = {
        ORV_CHECK("CheckBoxRefDisplayAuto", HistogramRefAuto),
        ORV_CHECK_AT("CheckBoxHistogramShowVal", ShowValue, 0),
    };
    f.texts = {{"EditHistogramRef", TextForm::Quantity, GetHistogramRef, SetHistogramRef},
               {"EditHistogramBarDot", TextForm::Integer, GetBarWidth, SetBarWidth, 0}};
    f.colors = {{"ShapeHistogramBarColor", eColorHistogramBars}};
    return f;
}

SheetFields HarmonicsFields() {
    SheetFields f;
    f.checks = {ORV_CHECK_AT("CheckBoxHarmonicsShowVal", ShowValue, 1)};
    f.texts = {{"EditHarmonicsBarDot", TextForm::Integer, GetBarWidth, SetBarWidth, 1}};
    f.colors = {{"ShapeHarmonicsBarColor", eColorHarmonicsBars}};
    return f;
}

#undef ORV_CHECK
#undef ORV_CHECK_AT

const SheetFields& FieldsOf(int sheet) {
    static const std::array<SheetFields, kSetupSheetCount> sheets = {
        SheetFields{}, GraphFields(), FFTFields(),       PeakListFields(), AxisFields(),
        PlaneFields(), SheetFields{}, HistogramFields(), HarmonicsFields()};
    static const SheetFields none;
    return sheet >= 0 && sheet < kSetupSheetCount ? sheets[static_cast<std::size_t>(sheet)] : none;
}

std::string IntegerText(double value) {
    return std::to_string(TruncatedInt(value));
}

std::string ShownText(const TextField& field, double value, const SetupDataset& dataset) {
    switch (field.form) {
    case TextForm::Integer:
    case TextForm::PeakCount:
        return IntegerText(value);
    case TextForm::Seconds:
        return IntegerText(value) + " " + kSecondUnit;
    case TextForm::Quantity:
        return FormatValue(value, dataset.unit);
    case TextForm::Hertz:
        return FormatValue(value, kHertzUnit);
    case TextForm::Metres:
        return FormatValue(value, kMetreUnit);
    case TextForm::Plain:
        return FloatToStr(value);
    }
    return {};
}

double StoredValue(const TextField& field, const std::string& text) {
    switch (field.form) {
    case TextForm::PeakCount: {
        int count = 0;
        return TryParseInt(text, count) ? count : kPeakCountWhenUnreadable;
    }
    case TextForm::Metres:
        return ParseValue(text, true);
    case TextForm::Integer:
    case TextForm::Seconds:
        return TruncatedInt(ParseValue(text, false));
    case TextForm::Quantity:
    case TextForm::Hertz:
    case TextForm::Plain:
        return ParseValue(text, false);
    }
    return 0;
}

} // namespace

SheetControls LoadSheet(int sheet, const ViewSetupStruct& setup, const SetupDataset& dataset) {
    SheetControls controls;
    const SheetFields& fields = FieldsOf(sheet);
    for (const CheckField& check : fields.checks)
        controls.checks[check.name] = check.get(setup);
    for (const TextField& text : fields.texts)
        controls.texts[text.name] =
            ShownText(text, text.get(setup, dataset.valueClass, text.index), dataset);
    for (const ColorField& color : fields.colors)
        controls.colors[color.name] = setup.GetColors(color.index);
    if (fields.standards) {
        for (const auto& standard : setup.GetStandards())
            controls.standardNames.push_back(standard->GetName());
        const int index = setup.GetStandardIndex();
        controls.standardIndex = index >= 0 && index < setup.GetStandardCount() ? index : -1;
    }
    return controls;
}

void SaveSheet(int sheet, const SheetControls& controls, ViewSetupStruct& setup,
               const SetupDataset& dataset) {
    const SheetFields& fields = FieldsOf(sheet);
    for (const CheckField& check : fields.checks)
        if (auto it = controls.checks.find(check.name); it != controls.checks.end())
            check.set(setup, it->second);
    for (const TextField& text : fields.texts)
        if (auto it = controls.texts.find(text.name); it != controls.texts.end())
            text.set(setup, dataset.valueClass, text.index, StoredValue(text, it->second));
    for (const ColorField& color : fields.colors)
        if (auto it = controls.colors.find(color.name); it != controls.colors.end())
            setup.SetColors(color.index, it->second);
    if (fields.standards) setup.SetStandardIndex(controls.standardIndex);
}

std::map<std::string, std::uint32_t> DefaultPlaneScaleShapes() {
    ViewSetupStruct defaults;
    defaults.SetDefaultPlaneColors();
    std::map<std::string, std::uint32_t> shapes;
    for (const ColorField& color : FieldsOf(eSetupPlane).colors)
        if (color.index >= eColorPlaneEmpty && color.index <= eColorPlaneAbove)
            shapes[color.name] = defaults.GetColors(color.index);
    return shapes;
}

std::vector<std::string> TextFieldsOf(int sheet) {
    std::vector<std::string> names;
    for (const TextField& text : FieldsOf(sheet).texts)
        names.emplace_back(text.name);
    return names;
}

bool IsMetreField(std::string_view field) {
    for (const int sheet : {int(eSetupAxis), int(eSetupPlane)})
        for (const TextField& text : FieldsOf(sheet).texts)
            if (field == text.name) return text.form == TextForm::Metres;
    return false;
}

} // namespace ombrix
