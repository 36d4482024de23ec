#include "presentation/ViewSetupStruct.h"

#include "core/ProgramFolder.h"
#include "core/SafeFile.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <fstream>
#include <optional>

namespace ombrix {

namespace {

constexpr const char* kViewFileName = "OrvView.dat";
constexpr const char* kStandardFileName = "Standard.dat";

// Field offsets of the 968-byte image.
constexpr std::size_t oFFTXMax = 0;
constexpr std::size_t oFFTXMin = 8;
constexpr std::size_t oGraphXLength = 16;
constexpr std::size_t oGraphXOffset = 20;
constexpr std::size_t oHistogramRef = 24; // float64[3]
constexpr std::size_t oHistogramRefAuto = 72;
constexpr std::size_t oXAutoScale = 73;    // bool[2]
constexpr std::size_t oStandardsSlot = 76; // run-time, 4 bytes
constexpr std::size_t oColors = 96;        // uint32[25]
constexpr std::size_t oThresholdVisible = 196;
constexpr std::size_t oPlaneThresholdVisible = 197;
constexpr std::size_t oCurrentVisible = 199;
constexpr std::size_t oIndexOffset = 200; // float64[3]
constexpr std::size_t oStandardIndex = 224;
constexpr std::size_t oBGRotation = 228;
constexpr std::size_t oLineWidth = 236;     // uint8[6]
constexpr std::size_t oBarWidth = 244;      // int32[2]
constexpr std::size_t oYMax = 256;          // float64[3]
constexpr std::size_t oThreshold = 304;     // float64[3]
constexpr std::size_t oYMin = 352;          // float64[3]
constexpr std::size_t oBGStretch = 408;     // float64[2]
constexpr std::size_t oPictureSlot = 424;   // run-time, 4 bytes
constexpr std::size_t oIndexDistance = 432; // float64[3]
constexpr std::size_t oCurrentOffset = 456;
constexpr std::size_t oYLog = 464;
constexpr std::size_t oBubbleSize = 472;
constexpr std::size_t oPeakCount = 480;
constexpr std::size_t oFFTXLog = 488;
constexpr std::size_t oBGOffset = 492; // int32[2]
constexpr std::size_t oStandardVisible = 500;
constexpr std::size_t oBGVisible = 501;
constexpr std::size_t oYAutoScale = 520;
constexpr std::size_t oPlaneAutoScale = 521;
constexpr std::size_t oShowValue = 522;  // bool[2]
constexpr std::size_t oPlaneScale = 528; // float64[6][9]
constexpr std::size_t oMarkerVisible = 960;
constexpr std::size_t kRunTimeSlotSize = 4;

static_assert(oPlaneScale + 6 * 9 * 8 == oMarkerVisible);

constexpr int kQuantitySlots = 3;
constexpr int kAxisCount = 3;
constexpr int kPairCount = 2;

bool InRange(int index, int count) {
    return index >= 0 && index < count;
}

// Up to `limit` bytes from the start of the file; none when it does not open.
std::optional<std::string> ReadFilePrefix(const std::filesystem::path& file, std::size_t limit) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(limit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(limit));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

// The slot of a three-slot setting and the factor from its stored unit (tesla
// for the magnetic slot) to the value class's unit; no slot for an unknown class.
struct QuantitySlot {
    int slot;
    double factor;
};
std::optional<QuantitySlot> SlotOf(ValueClass valueClass) {
    switch (valueClass) {
    case eBField:
        return QuantitySlot{0, 1.0};
    case eEField:
        return QuantitySlot{1, 1.0};
    case ePercent:
        return QuantitySlot{2, 1.0};
    case eTesla:
        return QuantitySlot{0, 1.0};
    case eGauss:
        return QuantitySlot{0, ViewSetupStruct::kGaussPerTesla};
    case eAmperePerMetre:
        return QuantitySlot{0, ViewSetupStruct::kAmperePerMetrePerTesla};
    }
    return std::nullopt;
}

// Defaults of the colour table; entries 12..22 are the plane colour scale.
constexpr std::uint32_t kGreen = RgbColor(0, 128, 0);
constexpr std::array<std::uint32_t, ViewSetupStruct::kColorCount> kDefaultColors = {
    kGreen,                  // time graph line
    kGreen,                  // spectrum line
    kGreen,                  // axis view line
    RgbColor(255, 0, 0),     // threshold lines
    RgbColor(0, 0, 0),       // current N
    RgbColor(0, 0, 255),     // current L1
    RgbColor(255, 255, 0),   // current L2
    kGreen,                  // current L3
    RgbColor(128, 128, 128), // exposure standard curve
    kGreen,                  // histogram bars
    kGreen,                  // harmonics bars
    0,                       // not used
    RgbColor(255, 255, 255), // plane: no value
    RgbColor(255, 255, 128), // plane: below limit 1
    RgbColor(0, 255, 0),
    RgbColor(255, 128, 0),
    RgbColor(128, 64, 0),
    RgbColor(128, 128, 192),
    RgbColor(0, 0, 255),
    RgbColor(0, 64, 0),
    RgbColor(128, 0, 255),
    RgbColor(64, 0, 128), // plane: below limit 9
    RgbColor(0, 0, 0),    // plane: limit 9 and above
    kGreen,               // plane: below the threshold
    RgbColor(255, 0, 0),  // plane: at or above the threshold
};

template <typename T> T LoadLittle(const std::uint8_t* p) {
    std::array<std::uint8_t, sizeof(T)> bytes;
    std::memcpy(bytes.data(), p, sizeof(T));
    if constexpr (std::endian::native == std::endian::big) std::reverse(bytes.begin(), bytes.end());
    return std::bit_cast<T>(bytes);
}

template <typename T> void StoreLittle(std::uint8_t* p, T value) {
    auto bytes = std::bit_cast<std::array<std::uint8_t, sizeof(T)>>(value);
    if constexpr (std::endian::native == std::endian::big) std::reverse(bytes.begin(), bytes.end());
    std::memcpy(p, bytes.data(), sizeof(T));
}

} // namespace

BackgroundPicture::~BackgroundPicture() = default;

ViewSetupStruct::ViewSetupStruct() = default;
ViewSetupStruct::~ViewSetupStruct() = default;

// ---------------------------------------------------------------- raw access

double ViewSetupStruct::ReadDouble(std::size_t offset) const {
    return LoadLittle<double>(&m_Image[offset]);
}
void ViewSetupStruct::WriteDouble(std::size_t offset, double value) {
    StoreLittle(&m_Image[offset], value);
}
std::int32_t ViewSetupStruct::ReadInt32(std::size_t offset) const {
    return LoadLittle<std::int32_t>(&m_Image[offset]);
}
void ViewSetupStruct::WriteInt32(std::size_t offset, std::int32_t value) {
    StoreLittle(&m_Image[offset], value);
}
std::uint32_t ViewSetupStruct::ReadUInt32(std::size_t offset) const {
    return LoadLittle<std::uint32_t>(&m_Image[offset]);
}
void ViewSetupStruct::WriteUInt32(std::size_t offset, std::uint32_t value) {
    StoreLittle(&m_Image[offset], value);
}

double ViewSetupStruct::GetQuantity(std::size_t offset, ValueClass valueClass) const {
    const auto slot = SlotOf(valueClass);
    if (!slot) return 0.0;
    return ReadDouble(offset + 8 * slot->slot) * slot->factor;
}

void ViewSetupStruct::SetQuantity(std::size_t offset, ValueClass valueClass, double value) {
    const auto slot = SlotOf(valueClass);
    if (!slot) return;
    // Gauss are stored as value × 0.0001 and A/m as value ÷ 795774.8.
    double stored = value;
    if (valueClass == eGauss)
        stored = value * 0.0001;
    else if (valueClass == eAmperePerMetre)
        stored = value / kAmperePerMetrePerTesla;
    WriteDouble(offset + 8 * slot->slot, stored);
}

// ---------------------------------------------------------------- fields

double ViewSetupStruct::GetFFTXMax() const {
    return ReadDouble(oFFTXMax);
}
void ViewSetupStruct::SetFFTXMax(double hz) {
    WriteDouble(oFFTXMax, hz);
}
double ViewSetupStruct::GetFFTXMin() const {
    return ReadDouble(oFFTXMin);
}
void ViewSetupStruct::SetFFTXMin(double hz) {
    WriteDouble(oFFTXMin, hz);
}
bool ViewSetupStruct::GetFFTXLog() const {
    return ReadBool(oFFTXLog);
}
void ViewSetupStruct::SetFFTXLog(bool on) {
    WriteBool(oFFTXLog, on);
}

int ViewSetupStruct::GetGraphXLength() const {
    return ReadInt32(oGraphXLength);
}
void ViewSetupStruct::SetGraphXLength(int seconds) {
    WriteInt32(oGraphXLength, seconds);
}
int ViewSetupStruct::GetGraphXOffset() const {
    return ReadInt32(oGraphXOffset);
}
void ViewSetupStruct::SetGraphXOffset(int seconds) {
    WriteInt32(oGraphXOffset, seconds);
}

bool ViewSetupStruct::GetXAutoScale(int index) const {
    return InRange(index, kPairCount) && ReadBool(oXAutoScale + index);
}
void ViewSetupStruct::SetXAutoScale(int index, bool on) {
    if (InRange(index, kPairCount)) WriteBool(oXAutoScale + index, on);
}

double ViewSetupStruct::GetHistogramRef(ValueClass valueClass) const {
    return GetQuantity(oHistogramRef, valueClass);
}
void ViewSetupStruct::SetHistogramRef(ValueClass valueClass, double value) {
    SetQuantity(oHistogramRef, valueClass, value);
}
double ViewSetupStruct::GetYMax(ValueClass valueClass) const {
    return GetQuantity(oYMax, valueClass);
}
void ViewSetupStruct::SetYMax(ValueClass valueClass, double value) {
    SetQuantity(oYMax, valueClass, value);
}
double ViewSetupStruct::GetThreshold(ValueClass valueClass) const {
    return GetQuantity(oThreshold, valueClass);
}
void ViewSetupStruct::SetThreshold(ValueClass valueClass, double value) {
    SetQuantity(oThreshold, valueClass, value);
}
double ViewSetupStruct::GetYMin(ValueClass valueClass) const {
    return GetQuantity(oYMin, valueClass);
}
void ViewSetupStruct::SetYMin(ValueClass valueClass, double value) {
    SetQuantity(oYMin, valueClass, value);
}

bool ViewSetupStruct::GetHistogramRefAuto() const {
    return ReadBool(oHistogramRefAuto);
}
void ViewSetupStruct::SetHistogramRefAuto(bool on) {
    WriteBool(oHistogramRefAuto, on);
}

bool ViewSetupStruct::GetYLog() const {
    return ReadBool(oYLog);
}
void ViewSetupStruct::SetYLog(bool on) {
    WriteBool(oYLog, on);
}
bool ViewSetupStruct::GetYAutoScale() const {
    return ReadBool(oYAutoScale);
}
void ViewSetupStruct::SetYAutoScale(bool on) {
    WriteBool(oYAutoScale, on);
}

bool ViewSetupStruct::GetThresholdVisible() const {
    return ReadBool(oThresholdVisible);
}
void ViewSetupStruct::SetThresholdVisible(bool on) {
    WriteBool(oThresholdVisible, on);
}
bool ViewSetupStruct::GetPlaneThresholdVisible() const {
    return ReadBool(oPlaneThresholdVisible);
}
void ViewSetupStruct::SetPlaneThresholdVisible(bool on) {
    WriteBool(oPlaneThresholdVisible, on);
}

std::uint32_t ViewSetupStruct::GetColors(int index) const {
    return InRange(index, kColorCount) ? ReadUInt32(oColors + 4 * index) : 0;
}
void ViewSetupStruct::SetColors(int index, std::uint32_t color) {
    if (InRange(index, kColorCount)) WriteUInt32(oColors + 4 * index, color);
}
void ViewSetupStruct::SetDefaultPlaneColors() {
    for (int i = eColorPlaneEmpty; i <= eColorPlaneAbove; ++i)
        SetColors(i, kDefaultColors[i]);
}

int ViewSetupStruct::GetLineWidth(int index) const {
    return InRange(index, kLineWidthCount) ? m_Image[oLineWidth + index] : 0;
}
void ViewSetupStruct::SetLineWidth(int index, int width) {
    if (InRange(index, kLineWidthCount))
        m_Image[oLineWidth + index] = static_cast<std::uint8_t>(std::clamp(width, 0, 255));
}
int ViewSetupStruct::GetBarWidth(int index) const {
    return InRange(index, kPairCount) ? ReadInt32(oBarWidth + 4 * index) : 0;
}
void ViewSetupStruct::SetBarWidth(int index, int tenths) {
    if (InRange(index, kPairCount)) WriteInt32(oBarWidth + 4 * index, tenths);
}
bool ViewSetupStruct::GetShowValue(int index) const {
    return InRange(index, kPairCount) && ReadBool(oShowValue + index);
}
void ViewSetupStruct::SetShowValue(int index, bool on) {
    if (InRange(index, kPairCount)) WriteBool(oShowValue + index, on);
}

bool ViewSetupStruct::GetCurrentVisible() const {
    return ReadBool(oCurrentVisible);
}
void ViewSetupStruct::SetCurrentVisible(bool on) {
    WriteBool(oCurrentVisible, on);
}
double ViewSetupStruct::GetCurrentOffset() const {
    return ReadDouble(oCurrentOffset);
}
void ViewSetupStruct::SetCurrentOffset(double seconds) {
    WriteDouble(oCurrentOffset, seconds);
}

double ViewSetupStruct::GetIndexOffset(int axis) const {
    return InRange(axis, kAxisCount) ? ReadDouble(oIndexOffset + 8 * axis) : 0.0;
}
void ViewSetupStruct::SetIndexOffset(int axis, double metres) {
    if (InRange(axis, kAxisCount)) WriteDouble(oIndexOffset + 8 * axis, metres);
}
double ViewSetupStruct::GetIndexDistance(int axis) const {
    return InRange(axis, kAxisCount) ? ReadDouble(oIndexDistance + 8 * axis) : 0.0;
}
void ViewSetupStruct::SetIndexDistance(int axis, double metres) {
    if (InRange(axis, kAxisCount)) WriteDouble(oIndexDistance + 8 * axis, metres);
}

double ViewSetupStruct::GetBubbleSize() const {
    return ReadDouble(oBubbleSize);
}
void ViewSetupStruct::SetBubbleSize(double size) {
    WriteDouble(oBubbleSize, size);
}
bool ViewSetupStruct::GetPlaneAutoScale() const {
    return ReadBool(oPlaneAutoScale);
}
void ViewSetupStruct::SetPlaneAutoScale(bool on) {
    WriteBool(oPlaneAutoScale, on);
}

double ViewSetupStruct::GetPlaneScale(ValueClass valueClass, int limit) const {
    if (!InRange(valueClass, kValueClassCount) || !InRange(limit, kPlaneLimitCount)) return 0.0;
    return ReadDouble(oPlaneScale + 8 * (kPlaneLimitCount * valueClass + limit));
}
void ViewSetupStruct::SetPlaneScale(ValueClass valueClass, int limit, double value) {
    if (!InRange(valueClass, kValueClassCount) || !InRange(limit, kPlaneLimitCount)) return;
    WriteDouble(oPlaneScale + 8 * (kPlaneLimitCount * valueClass + limit), value);
}

int ViewSetupStruct::GetBGRotation() const {
    return ReadInt32(oBGRotation);
}
void ViewSetupStruct::SetBGRotation(int degrees) {
    WriteInt32(oBGRotation, degrees);
}
double ViewSetupStruct::GetBGStretch(int index) const {
    return InRange(index, kPairCount) ? ReadDouble(oBGStretch + 8 * index) : 0.0;
}
void ViewSetupStruct::SetBGStretch(int index, double percent) {
    if (InRange(index, kPairCount)) WriteDouble(oBGStretch + 8 * index, percent);
}
int ViewSetupStruct::GetBGOffset(int index) const {
    return InRange(index, kPairCount) ? ReadInt32(oBGOffset + 4 * index) : 0;
}
void ViewSetupStruct::SetBGOffset(int index, int pixels) {
    if (InRange(index, kPairCount)) WriteInt32(oBGOffset + 4 * index, pixels);
}
bool ViewSetupStruct::GetBGVisible() const {
    return ReadBool(oBGVisible);
}
void ViewSetupStruct::SetBGVisible(bool on) {
    WriteBool(oBGVisible, on);
}
void ViewSetupStruct::SetBackgroundPicture(std::unique_ptr<BackgroundPicture> picture) {
    m_pBackgroundPicture = std::move(picture);
}

int ViewSetupStruct::GetPeakCount() const {
    return ReadInt32(oPeakCount);
}
void ViewSetupStruct::SetPeakCount(int count) {
    WriteInt32(oPeakCount, count);
}
bool ViewSetupStruct::GetMarkerVisible() const {
    return ReadBool(oMarkerVisible);
}
void ViewSetupStruct::SetMarkerVisible(bool on) {
    WriteBool(oMarkerVisible, on);
}

int ViewSetupStruct::GetStandardIndex() const {
    return ReadInt32(oStandardIndex);
}
void ViewSetupStruct::SetStandardIndex(int index) {
    WriteInt32(oStandardIndex, index);
}
bool ViewSetupStruct::GetStandardVisible() const {
    return ReadBool(oStandardVisible);
}
void ViewSetupStruct::SetStandardVisible(bool on) {
    WriteBool(oStandardVisible, on);
}

// ---------------------------------------------------------------- standards list

const OrvStandard* ViewSetupStruct::GetStandard(int index) const {
    return InRange(index, GetStandardCount()) ? m_Standards[static_cast<std::size_t>(index)].get()
                                              : nullptr;
}

void ViewSetupStruct::ReplaceStandards(StandardWorkingList& working) {
    StandardList replaced;
    replaced.reserve(working.m_Entries.size());
    for (auto& entry : working.m_Entries) {
        if (entry.owned) {
            replaced.push_back(std::move(entry.owned));
            continue;
        }
        auto it = std::find_if(m_Standards.begin(), m_Standards.end(),
                               [&](const auto& s) { return s.get() == entry.standard; });
        // A standard named twice, or not (any more) in the list, has nobody to own it.
        if (it != m_Standards.end() && *it) replaced.push_back(std::move(*it));
    }
    m_Standards = std::move(replaced); // the ones not taken over are destroyed here
    working.m_Entries.clear();
}

void ViewSetupStruct::StandardWorkingList::Fill(const StandardList& program) {
    Clear();
    for (const auto& s : program)
        m_Entries.push_back(Entry{s.get(), nullptr});
}

void ViewSetupStruct::StandardWorkingList::Append(std::unique_ptr<OrvStandard> standard) {
    if (!standard) return;
    OrvStandard* raw = standard.get();
    m_Entries.push_back(Entry{raw, std::move(standard)});
}

void ViewSetupStruct::StandardWorkingList::RemoveAt(int index) {
    if (InRange(index, GetCount())) m_Entries.erase(m_Entries.begin() + index);
}

void ViewSetupStruct::StandardWorkingList::Clear() {
    m_Entries.clear();
}

const OrvStandard* ViewSetupStruct::StandardWorkingList::Get(int index) const {
    return InRange(index, GetCount()) ? m_Entries[static_cast<std::size_t>(index)].standard
                                      : nullptr;
}

// ---------------------------------------------------------------- whole record

void ViewSetupStruct::SetDefaults() {
    SetFFTXMax(2000.0);
    SetFFTXMin(0.0);
    SetGraphXLength(60);
    SetGraphXOffset(0);
    const std::array<double, kQuantitySlots> histogramRef = {0.00001, 50.0, 50.0};
    const std::array<double, kQuantitySlots> yMax = {0.0001, 100.0, 100.0};
    const std::array<double, kQuantitySlots> threshold = {0.00001, 50.0, 50.0};
    for (int slot = 0; slot < kQuantitySlots; ++slot) {
        // Value classes 0..2 address the three slots unconverted.
        const auto vc = static_cast<ValueClass>(slot);
        SetHistogramRef(vc, histogramRef[slot]);
        SetYMax(vc, yMax[slot]);
        SetThreshold(vc, threshold[slot]);
        SetYMin(vc, 0.0);
    }
    SetHistogramRefAuto(true);
    for (int i = 0; i < kPairCount; ++i) {
        SetXAutoScale(i, true);
        SetBarWidth(i, 5);
        SetShowValue(i, true);
        SetBGStretch(i, 100.0);
        SetBGOffset(i, 0);
    }
    for (int i = 0; i < kColorCount; ++i)
        if (i < eColorPlaneEmpty || i > eColorPlaneAbove) SetColors(i, kDefaultColors[i]);
    SetDefaultPlaneColors();
    SetThresholdVisible(false);
    SetPlaneThresholdVisible(false);
    SetCurrentVisible(false);
    for (int axis = 0; axis < kAxisCount; ++axis) {
        SetIndexOffset(axis, 0.0);
        SetIndexDistance(axis, 0.0);
    }
    SetStandardIndex(0);
    SetBGRotation(0);
    for (int i = 0; i < kLineWidthCount; ++i)
        SetLineWidth(i, 2);
    SetCurrentOffset(0.0);
    SetYLog(false);
    SetBubbleSize(0.4);
    SetPeakCount(9);
    SetFFTXLog(true);
    SetStandardVisible(false);
    SetBGVisible(false);
    SetYAutoScale(true);
    SetPlaneAutoScale(false);
    for (int vc = eBField; vc <= ePercent; ++vc)
        for (int limit = 0; limit < kPlaneLimitCount; ++limit)
            SetPlaneScale(vc, limit, 0.0);
    SetMarkerVisible(true);
}

ViewSetupStruct::Image ViewSetupStruct::GetImage() const {
    Image image = m_Image;
    std::fill_n(image.begin() + oStandardsSlot, kRunTimeSlotSize, 0);
    std::fill_n(image.begin() + oPictureSlot, kRunTimeSlotSize, 0);
    return image;
}

bool ViewSetupStruct::SetImage(std::string_view bytes) {
    if (bytes.size() < kSize) {
        SetDefaults();
        return false;
    }
    std::memcpy(m_Image.data(), bytes.data(), kSize);
    // Whatever an older file holds in the run-time slots means nothing now.
    std::fill_n(m_Image.begin() + oStandardsSlot, kRunTimeSlotSize, 0);
    std::fill_n(m_Image.begin() + oPictureSlot, kRunTimeSlotSize, 0);
    return true;
}

bool ViewSetupStruct::LoadViewSettings(const std::filesystem::path& viewFile,
                                       const std::filesystem::path& standardFile) {
    const std::optional<std::string> bytes = ReadFilePrefix(viewFile, kSize);
    const bool loaded = SetImage(bytes ? std::string_view(*bytes) : std::string_view());

    StandardList standards;
    m_StandardFileResult = ReadStandardFile(standards, standardFile);
    m_Standards = std::move(standards);
    m_pBackgroundPicture.reset();
    return loaded;
}

bool ViewSetupStruct::LoadViewSettings() {
    return LoadViewSettings(ProgramFile(kViewFileName), ProgramFile(kStandardFileName));
}

bool ViewSetupStruct::SaveViewSettings(const std::filesystem::path& viewFile) const {
    const Image image = GetImage();
    return WriteFileSafely(viewFile, std::string(image.begin(), image.end()));
}

bool ViewSetupStruct::SaveViewSettings() const {
    return SaveViewSettings(ProgramFile(kViewFileName));
}

ViewSetupStruct& ViewSetup() {
    static ViewSetupStruct record;
    return record;
}

bool LoadViewSettings() {
    return ViewSetup().LoadViewSettings();
}
bool SaveViewSettings() {
    return ViewSetup().SaveViewSettings();
}

const OrvStandard* GetStandard(int index) {
    return ViewSetup().GetStandard(index);
}
int GetStandardCount() {
    return ViewSetup().GetStandardCount();
}

} // namespace ombrix
