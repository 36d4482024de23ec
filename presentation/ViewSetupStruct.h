#pragma once
// The one record of presentation settings of all views: axis ranges, thresholds,
// colours, widths, the plane colour scale, the background picture and the
// selected exposure standard. It is kept as the 968-byte image of the file
// "OrvView.dat"; every accessor reads or writes its field at the field's offset,
// so bytes without meaning travel from the file back to the file unchanged.
//
// Value-type settings are held per quantity: slot 0 magnetic (in tesla), slot 1
// electric (V/m), slot 2 percent. They are read and written for a value class and
// converted to and from that class's unit (gauss, A/m).

#include "datasets/ValueClass.h"
#include "presentation/OrvStandard.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace ombrix {

// The plane view's background picture while the program runs. The model only
// owns it; the user interface subclasses it with the real picture.
class BackgroundPicture {
public:
    virtual ~BackgroundPicture();
};

// Indices of the colour table.
enum ViewColor : int {
    eColorGraphLine = 0,
    eColorSpectrumLine = 1,
    eColorAxisLine = 2,
    eColorThreshold = 3,
    eColorCurrentN = 4,
    eColorCurrentL1 = 5,
    eColorCurrentL2 = 6,
    eColorCurrentL3 = 7,
    eColorStandard = 8,
    eColorHistogramBars = 9,
    eColorHarmonicsBars = 10,
    eColorPlaneEmpty = 12,  // first of the eleven colour-scale entries
    eColorPlaneLimit1 = 13, // smaller than limit 1; limit k has entry 12 + k
    eColorPlaneAbove = 22,  // limit 9 and above
    eColorPlaneBelowThreshold = 23,
    eColorPlaneAboveThreshold = 24,
};

// Indices of the line width table.
enum ViewLineWidth : int {
    eWidthGraphLine = 0,
    eWidthSpectrumLine = 1,
    eWidthAxisLine = 2,
    eWidthThreshold = 3,
    eWidthStandard = 4,
    eWidthCurrent = 5,
};

// Colour value R + 256 G + 65536 B.
constexpr std::uint32_t RgbColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return std::uint32_t{r} | (std::uint32_t{g} << 8) | (std::uint32_t{b} << 16);
}

class ViewSetupStruct {
public:
    static constexpr std::size_t kSize = 968;
    static constexpr int kColorCount = 25;
    static constexpr int kLineWidthCount = 6;
    static constexpr int kPlaneLimitCount = 9;
    static constexpr double kGaussPerTesla = 10000.0;
    static constexpr double kAmperePerMetrePerTesla = 795774.8;
    using Image = std::array<std::uint8_t, kSize>;

    // All bytes zero, no standards, no picture (the state at program start).
    ViewSetupStruct();
    ~ViewSetupStruct();
    ViewSetupStruct(const ViewSetupStruct&) = delete;
    ViewSetupStruct& operator=(const ViewSetupStruct&) = delete;

    // --- Spectrum X axis
    double GetFFTXMax() const;
    void SetFFTXMax(double hz);
    double GetFFTXMin() const;
    void SetFFTXMin(double hz);
    bool GetFFTXLog() const;
    void SetFFTXLog(bool on);

    // --- Time graph X axis, seconds
    int GetGraphXLength() const;
    void SetGraphXLength(int seconds);
    int GetGraphXOffset() const;
    void SetGraphXOffset(int seconds);

    // [0] time graph, [1] spectrum
    bool GetXAutoScale(int index) const;
    void SetXAutoScale(int index, bool on);

    // --- Per-quantity settings, converted to the unit of the value class
    double GetHistogramRef(ValueClass valueClass) const;
    void SetHistogramRef(ValueClass valueClass, double value);
    double GetYMax(ValueClass valueClass) const;
    void SetYMax(ValueClass valueClass, double value);
    double GetThreshold(ValueClass valueClass) const;
    void SetThreshold(ValueClass valueClass, double value);
    double GetYMin(ValueClass valueClass) const;
    void SetYMin(ValueClass valueClass, double value);

    double GetHistogramRef(int valueClass) const {
        return GetHistogramRef(static_cast<ValueClass>(valueClass));
    }
    void SetHistogramRef(int valueClass, double v) {
        SetHistogramRef(static_cast<ValueClass>(valueClass), v);
    }
    double GetYMax(int valueClass) const { return GetYMax(static_cast<ValueClass>(valueClass)); }
    void SetYMax(int valueClass, double v) { SetYMax(static_cast<ValueClass>(valueClass), v); }
    double GetThreshold(int valueClass) const {
        return GetThreshold(static_cast<ValueClass>(valueClass));
    }
    void SetThreshold(int valueClass, double v) {
        SetThreshold(static_cast<ValueClass>(valueClass), v);
    }
    double GetYMin(int valueClass) const { return GetYMin(static_cast<ValueClass>(valueClass)); }
    void SetYMin(int valueClass, double v) { SetYMin(static_cast<ValueClass>(valueClass), v); }

    bool GetHistogramRefAuto() const;
    void SetHistogramRefAuto(bool on);

    // --- Y axis of time graph, spectrum and axis views
    bool GetYLog() const;
    void SetYLog(bool on);
    bool GetYAutoScale() const;
    void SetYAutoScale(bool on);

    // --- Thresholds
    bool GetThresholdVisible() const;
    void SetThresholdVisible(bool on);
    bool GetPlaneThresholdVisible() const;
    void SetPlaneThresholdVisible(bool on);

    // --- Colours (ViewColor indices 0..24); 0 outside, the setter ignores it
    std::uint32_t GetColors(int index) const;
    void SetColors(int index, std::uint32_t color);
    // The eleven colour-scale entries 12..22 to their defaults, nothing else.
    void SetDefaultPlaneColors();

    // --- Pen widths (ViewLineWidth indices 0..5) and bar widths in tenths
    int GetLineWidth(int index) const;
    void SetLineWidth(int index, int width);
    int GetBarWidth(int index) const; // [0] histogram, [1] harmonics
    void SetBarWidth(int index, int tenths);
    bool GetShowValue(int index) const; // value on each bar: [0] histogram, [1] harmonics
    void SetShowValue(int index, bool on);

    // --- Phase currents in the time graph
    bool GetCurrentVisible() const;
    void SetCurrentVisible(bool on);
    double GetCurrentOffset() const;
    void SetCurrentOffset(double seconds);

    // --- Measuring grid index, metres; axis 0 X, 1 Y, 2 Z
    double GetIndexOffset(int axis) const;
    void SetIndexOffset(int axis, double metres);
    double GetIndexDistance(int axis) const;
    void SetIndexDistance(int axis, double metres);

    // --- Plane view
    double GetBubbleSize() const;
    void SetBubbleSize(double size);
    bool GetPlaneAutoScale() const;
    void SetPlaneAutoScale(bool on);
    // Nine colour-scale limits per value class, unconverted; 0 for a limit index
    // outside 0..8, which the setter ignores.
    double GetPlaneScale(ValueClass valueClass, int limit) const;
    void SetPlaneScale(ValueClass valueClass, int limit, double value);
    double GetPlaneScale(int valueClass, int limit) const {
        return GetPlaneScale(static_cast<ValueClass>(valueClass), limit);
    }
    void SetPlaneScale(int valueClass, int limit, double value) {
        SetPlaneScale(static_cast<ValueClass>(valueClass), limit, value);
    }

    // --- Background picture of the plane view (saved: rotation, stretch, offset, visible)
    int GetBGRotation() const; // degrees, -180..180
    void SetBGRotation(int degrees);
    double GetBGStretch(int index) const; // percent: [0] horizontal, [1] vertical
    void SetBGStretch(int index, double percent);
    int GetBGOffset(int index) const; // pixels of the base picture: [0] horizontal, [1] vertical
    void SetBGOffset(int index, int pixels);
    bool GetBGVisible() const;
    void SetBGVisible(bool on);
    // Destroys the picture held so far and takes the new one (may be none).
    void SetBackgroundPicture(std::unique_ptr<BackgroundPicture> picture);
    BackgroundPicture* GetBackgroundPicture() const { return m_pBackgroundPicture.get(); }

    // --- Peak list, marker
    int GetPeakCount() const;
    void SetPeakCount(int count);
    bool GetMarkerVisible() const;
    void SetMarkerVisible(bool on);

    // --- Exposure standard
    int GetStandardIndex() const;
    void SetStandardIndex(int index);
    bool GetStandardVisible() const;
    void SetStandardVisible(bool on);

    // The program's standards list. GetStandard gives none for an index outside it.
    const StandardList& GetStandards() const { return m_Standards; }
    StandardList& Standards() { return m_Standards; }
    const OrvStandard* GetStandard(int index) const;
    int GetStandardCount() const { return static_cast<int>(m_Standards.size()); }
    // Makes the list hold exactly the working list's standards in its order.
    // Standards of the list that are not in the working list are destroyed. The
    // working list names standards of this list (borrowed) and new ones (owned
    // by it); afterwards it is empty.
    class StandardWorkingList;
    void ReplaceStandards(StandardWorkingList& working);
    // What reading "Standard.dat" gave at the last load (eStandardFormatError is
    // for the caller to show as "Format Error").
    StandardFileResult GetStandardFileResult() const { return m_StandardFileResult; }

    // --- Whole record
    // Every field to its default, the plane limits of value classes 0..2 to 0;
    // reserved bytes and the other plane limits stay as they are.
    void SetDefaults();
    // The file image: run-time slots zero, everything else as held.
    Image GetImage() const;
    // Takes the first 968 bytes when there are at least that many; otherwise
    // sets the defaults. True when the image was taken.
    bool SetImage(std::string_view bytes);

    // "OrvView.dat" of the program folder, and "Standard.dat" beside it.
    // Loading: exactly 968 bytes read (or the first 968 of a longer file) gives
    // the file's settings, anything else the defaults; the standards list is
    // read anew and the background picture cleared. True when the file was taken.
    bool LoadViewSettings();
    bool LoadViewSettings(const std::filesystem::path& viewFile,
                          const std::filesystem::path& standardFile);
    // Writes the 968 bytes; never leaves a half-written file. False on failure,
    // which the program ignores.
    bool SaveViewSettings() const;
    bool SaveViewSettings(const std::filesystem::path& viewFile) const;

private:
    double ReadDouble(std::size_t offset) const;
    void WriteDouble(std::size_t offset, double value);
    std::int32_t ReadInt32(std::size_t offset) const;
    void WriteInt32(std::size_t offset, std::int32_t value);
    std::uint32_t ReadUInt32(std::size_t offset) const;
    void WriteUInt32(std::size_t offset, std::uint32_t value);
    bool ReadBool(std::size_t offset) const { return m_Image[offset] != 0; }
    void WriteBool(std::size_t offset, bool value) { m_Image[offset] = value ? 1 : 0; }

    double GetQuantity(std::size_t offset, ValueClass valueClass) const;
    void SetQuantity(std::size_t offset, ValueClass valueClass, double value);

    Image m_Image{};
    StandardList m_Standards;
    std::unique_ptr<BackgroundPicture> m_pBackgroundPicture;
    StandardFileResult m_StandardFileResult = eStandardFileMissing;
};

// The dialog's working copy of the standards list: the program's standards it
// shows (borrowed) and the standards added from files (owned until OK).
class ViewSetupStruct::StandardWorkingList {
public:
    // Empties the list and names every standard of `program`, in order.
    void Fill(const StandardList& program);
    // Appends a standard read from a file; the list owns it until replaced.
    void Append(std::unique_ptr<OrvStandard> standard);
    // Removes the entry at `index`; a standard owned by the list is destroyed.
    void RemoveAt(int index);
    // Destroys the owned standards and empties the list (closing the dialog).
    void Clear();

    int GetCount() const { return static_cast<int>(m_Entries.size()); }
    const OrvStandard* Get(int index) const;

private:
    friend class ViewSetupStruct;
    struct Entry {
        OrvStandard* standard = nullptr;
        std::unique_ptr<OrvStandard> owned; // set for standards added from files
    };
    std::vector<Entry> m_Entries;
};

using StandardWorkingList = ViewSetupStruct::StandardWorkingList;

// The one record of the program.
ViewSetupStruct& ViewSetup();

// The program's standards list, held in the record: none when the index is
// negative or not less than the number of standards.
const OrvStandard* GetStandard(int index);
int GetStandardCount();

// The record of the program to and from the program folder.
bool LoadViewSettings();
bool SaveViewSettings();

} // namespace ombrix
