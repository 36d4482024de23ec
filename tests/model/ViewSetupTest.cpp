// The view settings record: its defaults, its 968-byte file and the quantity
// conversions of the per-quantity settings.

#include "TestSupport.h"

#include "core/ProgramFolder.h"
#include "core/SafeFile.h"
#include "presentation/ViewSetupStruct.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace ombrix {
namespace {

namespace fs = std::filesystem;
constexpr std::size_t kSize = ViewSetupStruct::kSize;

// A fresh folder, removed with everything in it at the end of the test.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "ombrix-view-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~TempFolder() {
        std::error_code ec;
        fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(m_path, ec);
    }
    const fs::path& path() const { return m_path; }
    fs::path operator/(const std::string& name) const { return m_path / name; }

private:
    fs::path m_path;
};

void WriteBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const fs::path& file) {
    return ReadWholeFile(file).value_or(std::string());
}

// Every byte its own offset's pattern, so a misplaced field shows.
std::string PatternBytes(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + 3) & 0xFF);
    return bytes;
}

double DoubleAt(const ViewSetupStruct::Image& image, std::size_t offset) {
    double v;
    std::memcpy(&v, &image[offset], sizeof v);
    return v;
}

std::string ImageText(const ViewSetupStruct::Image& image) {
    return std::string(image.begin(), image.end());
}

class ViewSetupTest : public test::ModelTest {};

// ------------------------------------------------------------------ defaults

TEST_F(ViewSetupTest, FreshRecordIsAllZero) {
    ViewSetupStruct vs;
    const auto image = vs.GetImage();
    EXPECT_EQ(image.size(), kSize);
    for (auto b : image)
        ASSERT_EQ(b, 0);
    EXPECT_EQ(vs.GetStandardCount(), 0);
    EXPECT_EQ(vs.GetBackgroundPicture(), nullptr);
}

TEST_F(ViewSetupTest, DefaultsAreThoseOfTheTable) {
    ViewSetupStruct vs;
    vs.SetDefaults();
    EXPECT_EQ(vs.GetFFTXMax(), 2000.0);
    EXPECT_EQ(vs.GetFFTXMin(), 0.0);
    EXPECT_EQ(vs.GetGraphXLength(), 60);
    EXPECT_EQ(vs.GetGraphXOffset(), 0);
    EXPECT_EQ(vs.GetHistogramRef(eBField), 0.00001);
    EXPECT_EQ(vs.GetHistogramRef(eEField), 50.0);
    EXPECT_EQ(vs.GetHistogramRef(ePercent), 50.0);
    EXPECT_TRUE(vs.GetHistogramRefAuto());
    EXPECT_TRUE(vs.GetXAutoScale(0));
    EXPECT_TRUE(vs.GetXAutoScale(1));
    EXPECT_FALSE(vs.GetThresholdVisible());
    EXPECT_FALSE(vs.GetPlaneThresholdVisible());
    EXPECT_FALSE(vs.GetCurrentVisible());
    for (int axis = 0; axis < 3; ++axis) {
        EXPECT_EQ(vs.GetIndexOffset(axis), 0.0);
        EXPECT_EQ(vs.GetIndexDistance(axis), 0.0);
    }
    EXPECT_EQ(vs.GetStandardIndex(), 0);
    EXPECT_EQ(vs.GetBGRotation(), 0);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(vs.GetLineWidth(i), 2) << i;
    EXPECT_EQ(vs.GetBarWidth(0), 5);
    EXPECT_EQ(vs.GetBarWidth(1), 5);
    EXPECT_EQ(vs.GetYMax(eBField), 0.0001);
    EXPECT_EQ(vs.GetYMax(eEField), 100.0);
    EXPECT_EQ(vs.GetYMax(ePercent), 100.0);
    EXPECT_EQ(vs.GetThreshold(eBField), 0.00001);
    EXPECT_EQ(vs.GetThreshold(eEField), 50.0);
    EXPECT_EQ(vs.GetThreshold(ePercent), 50.0);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(vs.GetYMin(c), 0.0);
    EXPECT_EQ(vs.GetBGStretch(0), 100.0);
    EXPECT_EQ(vs.GetBGStretch(1), 100.0);
    EXPECT_EQ(vs.GetCurrentOffset(), 0.0);
    EXPECT_FALSE(vs.GetYLog());
    EXPECT_EQ(vs.GetBubbleSize(), 0.4);
    EXPECT_EQ(vs.GetPeakCount(), 9);
    EXPECT_TRUE(vs.GetFFTXLog());
    EXPECT_EQ(vs.GetBGOffset(0), 0);
    EXPECT_EQ(vs.GetBGOffset(1), 0);
    EXPECT_FALSE(vs.GetStandardVisible());
    EXPECT_FALSE(vs.GetBGVisible());
    EXPECT_TRUE(vs.GetYAutoScale());
    EXPECT_FALSE(vs.GetPlaneAutoScale());
    EXPECT_TRUE(vs.GetShowValue(0));
    EXPECT_TRUE(vs.GetShowValue(1));
    for (int c = 0; c < kValueClassCount; ++c)
        for (int limit = 0; limit < 9; ++limit)
            EXPECT_EQ(vs.GetPlaneScale(c, limit), 0.0);
    EXPECT_TRUE(vs.GetMarkerVisible());
}

TEST_F(ViewSetupTest, DefaultColours) {
    ViewSetupStruct vs;
    vs.SetDefaults();
    const std::uint32_t green = 0x008000, red = 0x0000FF, black = 0, white = 0xFFFFFF;
    const std::uint32_t expected[25] = {green,
                                        green,
                                        green,
                                        red,
                                        black,
                                        0xFF0000 /* blue */,
                                        0x00FFFF /* yellow */,
                                        green,
                                        0x808080,
                                        green,
                                        green,
                                        0,
                                        white,
                                        0x80FFFF,
                                        0x00FF00,
                                        0x0080FF,
                                        0x004080,
                                        0xC08080,
                                        0xFF0000,
                                        0x004000,
                                        0xFF0080,
                                        0x800040,
                                        black,
                                        green,
                                        red};
    for (int i = 0; i < 25; ++i)
        EXPECT_EQ(vs.GetColors(i), expected[i]) << "entry " << i;
    EXPECT_EQ(vs.GetColors(-1), 0u);
    EXPECT_EQ(vs.GetColors(25), 0u);
}

TEST_F(ViewSetupTest, DefaultsLandAtTheirOffsets) {
    ViewSetupStruct vs;
    vs.SetDefaults();
    const auto image = vs.GetImage();
    EXPECT_EQ(DoubleAt(image, 0), 2000.0);
    EXPECT_EQ(DoubleAt(image, 24), 0.00001);
    EXPECT_EQ(image[72], 1);
    EXPECT_EQ(image[73], 1);
    EXPECT_EQ(image[74], 1);
    EXPECT_EQ(image[96], 0x00); // colour 0: R
    EXPECT_EQ(image[97], 0x80); // G
    EXPECT_EQ(image[236], 2);
    EXPECT_EQ(image[244], 5);
    EXPECT_EQ(DoubleAt(image, 256), 0.0001);
    EXPECT_EQ(DoubleAt(image, 304 + 8), 50.0);
    EXPECT_EQ(DoubleAt(image, 408), 100.0);
    EXPECT_EQ(DoubleAt(image, 472), 0.4);
    EXPECT_EQ(image[480], 9);
    EXPECT_EQ(image[488], 1);
    EXPECT_EQ(image[520], 1);
    EXPECT_EQ(image[522], 1);
    EXPECT_EQ(image[523], 1);
    EXPECT_EQ(image[960], 1);
}

TEST_F(ViewSetupTest, DefaultPlaneColoursTouchOnlyTheColourScale) {
    ViewSetupStruct vs;
    for (int i = 0; i < 25; ++i)
        vs.SetColors(i, 0x123456);
    vs.SetDefaultPlaneColors();
    for (int i = 0; i < 25; ++i) {
        if (i >= 12 && i <= 22)
            EXPECT_NE(vs.GetColors(i), 0x123456u) << i;
        else
            EXPECT_EQ(vs.GetColors(i), 0x123456u) << i;
    }
    EXPECT_EQ(vs.GetColors(12), 0xFFFFFFu);
    EXPECT_EQ(vs.GetColors(22), 0u);
}

TEST_F(ViewSetupTest, DefaultsResetPlaneLimitsOfTheFirstThreeClassesOnly) {
    ViewSetupStruct vs;
    for (int c = 0; c < kValueClassCount; ++c)
        for (int limit = 0; limit < 9; ++limit)
            vs.SetPlaneScale(c, limit, 1.0 + c);
    vs.SetDefaults();
    for (int limit = 0; limit < 9; ++limit) {
        EXPECT_EQ(vs.GetPlaneScale(eBField, limit), 0.0);
        EXPECT_EQ(vs.GetPlaneScale(eEField, limit), 0.0);
        EXPECT_EQ(vs.GetPlaneScale(ePercent, limit), 0.0);
        EXPECT_EQ(vs.GetPlaneScale(eTesla, limit), 4.0);
        EXPECT_EQ(vs.GetPlaneScale(eGauss, limit), 5.0);
        EXPECT_EQ(vs.GetPlaneScale(eAmperePerMetre, limit), 6.0);
    }
}

// ------------------------------------------------------------------ quantity slots

TEST_F(ViewSetupTest, TwoGaussThresholdIsStoredInTesla) {
    ViewSetupStruct vs;
    vs.SetDefaults();
    vs.SetThreshold(eGauss, 2.0);
    EXPECT_DOUBLE_EQ(DoubleAt(vs.GetImage(), 304), 0.0002);
    EXPECT_DOUBLE_EQ(vs.GetThreshold(eTesla), 0.0002);
    EXPECT_DOUBLE_EQ(vs.GetThreshold(eBField), 0.0002);
    EXPECT_NEAR(vs.GetThreshold(eAmperePerMetre), 159.15496, 1e-4);
    EXPECT_DOUBLE_EQ(vs.GetThreshold(eGauss), 2.0);
}

TEST_F(ViewSetupTest, AmperePerMetreConvertsBothWays) {
    ViewSetupStruct vs;
    vs.SetYMax(eAmperePerMetre, 795774.8);
    EXPECT_DOUBLE_EQ(vs.GetYMax(eTesla), 1.0);
    EXPECT_DOUBLE_EQ(vs.GetYMax(eGauss), 10000.0);
    vs.SetYMin(eTesla, 0.5);
    EXPECT_DOUBLE_EQ(vs.GetYMin(eAmperePerMetre), 397887.4);
    vs.SetHistogramRef(eGauss, 1.0);
    EXPECT_DOUBLE_EQ(vs.GetHistogramRef(eBField), 0.0001);
}

TEST_F(ViewSetupTest, ElectricThresholdIsIndependentOfMagnetic) {
    ViewSetupStruct vs;
    vs.SetDefaults();
    vs.SetThreshold(eEField, 1234.0);
    EXPECT_EQ(vs.GetThreshold(eEField), 1234.0);
    EXPECT_EQ(vs.GetThreshold(eTesla), 0.00001);
    EXPECT_EQ(vs.GetThreshold(ePercent), 50.0);
    vs.SetThreshold(eTesla, 0.5);
    EXPECT_EQ(vs.GetThreshold(eEField), 1234.0);
    vs.SetThreshold(ePercent, 80.0);
    EXPECT_EQ(vs.GetThreshold(eEField), 1234.0);
    EXPECT_EQ(vs.GetThreshold(eTesla), 0.5);
}

TEST_F(ViewSetupTest, PlaneLimitsOfGaussAndTeslaAreIndependent) {
    ViewSetupStruct vs;
    vs.SetDefaults();
    vs.SetPlaneScale(eGauss, 3, 7.5);
    EXPECT_EQ(vs.GetPlaneScale(eGauss, 3), 7.5);
    EXPECT_EQ(vs.GetPlaneScale(eTesla, 3), 0.0);
    EXPECT_EQ(vs.GetPlaneScale(eBField, 3), 0.0);
    vs.SetPlaneScale(eTesla, 3, 0.001);
    EXPECT_EQ(vs.GetPlaneScale(eGauss, 3), 7.5);
    EXPECT_DOUBLE_EQ(DoubleAt(vs.GetImage(), 528 + 8 * (9 * 4 + 3)), 7.5);
}

TEST_F(ViewSetupTest, PlaneLimitOutsideNineIsZeroAndIgnored) {
    ViewSetupStruct vs;
    vs.SetDefaults();
    const auto before = vs.GetImage();
    vs.SetPlaneScale(eTesla, 9, 1.0);
    vs.SetPlaneScale(eTesla, -1, 1.0);
    vs.SetPlaneScale(static_cast<ValueClass>(6), 0, 1.0);
    EXPECT_EQ(vs.GetImage(), before);
    EXPECT_EQ(vs.GetPlaneScale(eTesla, 9), 0.0);
    EXPECT_EQ(vs.GetPlaneScale(eTesla, -1), 0.0);
}

TEST_F(ViewSetupTest, IndexedFieldsOutsideTheirRangeChangeNothing) {
    ViewSetupStruct vs;
    vs.SetDefaults();
    const auto before = vs.GetImage();
    vs.SetColors(25, 1);
    vs.SetLineWidth(6, 9);
    vs.SetBarWidth(2, 9);
    vs.SetXAutoScale(2, false);
    vs.SetShowValue(-1, false);
    vs.SetIndexOffset(3, 1.0);
    vs.SetIndexDistance(-1, 1.0);
    vs.SetBGStretch(2, 1.0);
    vs.SetBGOffset(2, 1);
    vs.SetThreshold(static_cast<ValueClass>(7), 1.0);
    EXPECT_EQ(vs.GetImage(), before);
    EXPECT_EQ(vs.GetLineWidth(6), 0);
    EXPECT_EQ(vs.GetIndexDistance(3), 0.0);
    EXPECT_EQ(vs.GetThreshold(static_cast<ValueClass>(7)), 0.0);
}

// ------------------------------------------------------------------ background picture

struct CountingPicture : BackgroundPicture {
    explicit CountingPicture(int& destroyed) : m_destroyed(destroyed) {}
    ~CountingPicture() override { ++m_destroyed; }
    int& m_destroyed;
};

TEST_F(ViewSetupTest, NewBackgroundPictureDestroysTheOldOne) {
    ViewSetupStruct vs;
    int destroyed = 0;
    vs.SetBackgroundPicture(std::make_unique<CountingPicture>(destroyed));
    auto second = std::make_unique<CountingPicture>(destroyed);
    BackgroundPicture* raw = second.get();
    vs.SetBackgroundPicture(std::move(second));
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(vs.GetBackgroundPicture(), raw);
    vs.SetBackgroundPicture(nullptr);
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(vs.GetBackgroundPicture(), nullptr);
}

TEST_F(ViewSetupTest, LoadingClearsTheBackgroundPicture) {
    TempFolder dir;
    ViewSetupStruct vs;
    int destroyed = 0;
    vs.SetBackgroundPicture(std::make_unique<CountingPicture>(destroyed));
    vs.LoadViewSettings(dir / "OrvView.dat", dir / "Standard.dat");
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(vs.GetBackgroundPicture(), nullptr);
}

// ------------------------------------------------------------------ file

TEST_F(ViewSetupTest, MissingFileGivesDefaultsAndNoStandards) {
    TempFolder dir;
    ViewSetupStruct vs;
    EXPECT_FALSE(vs.LoadViewSettings(dir / "OrvView.dat", dir / "Standard.dat"));
    ViewSetupStruct expected;
    expected.SetDefaults();
    EXPECT_EQ(vs.GetImage(), expected.GetImage());
    EXPECT_EQ(vs.GetStandardCount(), 0);
    EXPECT_EQ(vs.GetStandardFileResult(), eStandardFileMissing);
}

TEST_F(ViewSetupTest, ShortFileIsIgnoredInFavourOfDefaults) {
    TempFolder dir;
    WriteBytes(dir / "OrvView.dat", PatternBytes(kSize - 1));
    ViewSetupStruct vs;
    EXPECT_FALSE(vs.LoadViewSettings(dir / "OrvView.dat", dir / "Standard.dat"));
    ViewSetupStruct expected;
    expected.SetDefaults();
    EXPECT_EQ(vs.GetImage(), expected.GetImage());
}

TEST_F(ViewSetupTest, EmptyFileGivesDefaults) {
    TempFolder dir;
    WriteBytes(dir / "OrvView.dat", "");
    ViewSetupStruct vs;
    EXPECT_FALSE(vs.LoadViewSettings(dir / "OrvView.dat", dir / "Standard.dat"));
    EXPECT_EQ(vs.GetPeakCount(), 9);
}

TEST_F(ViewSetupTest, FileOfExactSizeIsTakenWithItsReservedBytes) {
    TempFolder dir;
    const std::string bytes = PatternBytes(kSize);
    WriteBytes(dir / "OrvView.dat", bytes);
    ViewSetupStruct vs;
    ASSERT_TRUE(vs.LoadViewSettings(dir / "OrvView.dat", dir / "Standard.dat"));
    const auto image = vs.GetImage();
    for (std::size_t i = 0; i < kSize; ++i) {
        const bool runTime = (i >= 76 && i < 80) || (i >= 424 && i < 428);
        if (runTime)
            EXPECT_EQ(image[i], 0) << "offset " << i;
        else
            ASSERT_EQ(image[i], static_cast<std::uint8_t>(bytes[i])) << "offset " << i;
    }
    // Reserved bytes, e.g. 48..71 and 961..967, survive a save.
    ASSERT_TRUE(vs.SaveViewSettings(dir / "Copy.dat"));
    const std::string saved = ReadBytes(dir / "Copy.dat");
    ASSERT_EQ(saved.size(), kSize);
    EXPECT_EQ(saved.substr(48, 24), bytes.substr(48, 24));
    EXPECT_EQ(saved.substr(961), bytes.substr(961));
    EXPECT_EQ(saved.substr(0, 76), bytes.substr(0, 76));
    EXPECT_EQ(saved.substr(80, 424 - 80), bytes.substr(80, 424 - 80));
    EXPECT_EQ(saved.substr(428), bytes.substr(428));
}

TEST_F(ViewSetupTest, LongerFileGivesItsFirstBytes) {
    TempFolder dir;
    std::string bytes = PatternBytes(kSize + 1);
    WriteBytes(dir / "OrvView.dat", bytes);
    ViewSetupStruct vs;
    ASSERT_TRUE(vs.LoadViewSettings(dir / "OrvView.dat", dir / "Standard.dat"));
    ViewSetupStruct fromExact;
    ASSERT_TRUE(fromExact.SetImage(bytes.substr(0, kSize)));
    EXPECT_EQ(vs.GetImage(), fromExact.GetImage());
}

TEST_F(ViewSetupTest, RunTimeSlotsAreIgnoredWhenReadAndZeroWhenWritten) {
    TempFolder dir;
    ViewSetupStruct defaults;
    defaults.SetDefaults();
    auto image = defaults.GetImage();
    std::string bytes = ImageText(image);
    std::memset(bytes.data() + 76, 0xEE, 4);
    std::memset(bytes.data() + 424, 0xDD, 4);
    WriteBytes(dir / "OrvView.dat", bytes);

    ViewSetupStruct vs;
    ASSERT_TRUE(vs.LoadViewSettings(dir / "OrvView.dat", dir / "Standard.dat"));
    EXPECT_EQ(vs.GetImage(), image);
    EXPECT_EQ(vs.GetBackgroundPicture(), nullptr);
    ASSERT_TRUE(vs.SaveViewSettings(dir / "OrvView.dat"));
    EXPECT_EQ(ReadBytes(dir / "OrvView.dat"), ImageText(image));
}

TEST_F(ViewSetupTest, NonZeroBooleanByteReadsTrue) {
    ViewSetupStruct vs;
    std::string bytes(kSize, '\0');
    bytes[960] = '\x7F';
    bytes[464] = '\x01';
    ASSERT_TRUE(vs.SetImage(bytes));
    EXPECT_TRUE(vs.GetMarkerVisible());
    EXPECT_TRUE(vs.GetYLog());
    EXPECT_FALSE(vs.GetFFTXLog());
}

void SetEveryField(ViewSetupStruct& vs) {
    vs.SetFFTXMax(32000.0);
    vs.SetFFTXMin(40.0);
    vs.SetFFTXLog(false);
    vs.SetGraphXLength(3600);
    vs.SetGraphXOffset(-120);
    vs.SetXAutoScale(0, false);
    vs.SetXAutoScale(1, true);
    vs.SetHistogramRef(eTesla, 0.003);
    vs.SetHistogramRef(eEField, 700.0);
    vs.SetHistogramRef(ePercent, 90.0);
    vs.SetHistogramRefAuto(false);
    vs.SetYMax(eGauss, 12.0);
    vs.SetYMax(eEField, 5000.0);
    vs.SetYMax(ePercent, 150.0);
    vs.SetThreshold(eAmperePerMetre, 80.0);
    vs.SetThreshold(eEField, 400.0);
    vs.SetThreshold(ePercent, 75.0);
    vs.SetYMin(eTesla, 1e-9);
    vs.SetYMin(eEField, 1.0);
    vs.SetYMin(ePercent, 0.5);
    vs.SetYLog(true);
    vs.SetYAutoScale(false);
    vs.SetThresholdVisible(true);
    vs.SetPlaneThresholdVisible(true);
    for (int i = 0; i < 25; ++i)
        vs.SetColors(i, 0x010203u * static_cast<std::uint32_t>(i + 1));
    for (int i = 0; i < 6; ++i)
        vs.SetLineWidth(i, i + 1);
    vs.SetBarWidth(0, 3);
    vs.SetBarWidth(1, 8);
    vs.SetShowValue(0, false);
    vs.SetShowValue(1, true);
    vs.SetCurrentVisible(true);
    vs.SetCurrentOffset(-2.5);
    for (int axis = 0; axis < 3; ++axis) {
        vs.SetIndexOffset(axis, 0.25 * axis);
        vs.SetIndexDistance(axis, 0.5 + axis);
    }
    vs.SetBubbleSize(0.8);
    vs.SetPlaneAutoScale(true);
    for (int c = 0; c < kValueClassCount; ++c)
        for (int limit = 0; limit < 9; ++limit)
            vs.SetPlaneScale(c, limit, c * 10.0 + limit);
    vs.SetBGRotation(-90);
    vs.SetBGStretch(0, 150.0);
    vs.SetBGStretch(1, 75.0);
    vs.SetBGOffset(0, -12);
    vs.SetBGOffset(1, 34);
    vs.SetBGVisible(true);
    vs.SetPeakCount(15);
    vs.SetMarkerVisible(false);
    vs.SetStandardIndex(3);
    vs.SetStandardVisible(true);
}

TEST_F(ViewSetupTest, SaveThenLoadGivesTheSameSettings) {
    TempFolder dir;
    ViewSetupStruct vs;
    vs.SetDefaults();
    SetEveryField(vs);
    ASSERT_TRUE(vs.SaveViewSettings(dir / "OrvView.dat"));
    EXPECT_EQ(fs::file_size(dir / "OrvView.dat"), kSize);

    ViewSetupStruct back;
    ASSERT_TRUE(back.LoadViewSettings(dir / "OrvView.dat", dir / "Standard.dat"));
    EXPECT_EQ(back.GetImage(), vs.GetImage());
    EXPECT_EQ(back.GetFFTXMin(), 40.0);
    EXPECT_EQ(back.GetGraphXOffset(), -120);
    EXPECT_DOUBLE_EQ(back.GetThreshold(eAmperePerMetre), 80.0);
    EXPECT_DOUBLE_EQ(back.GetYMax(eGauss), 12.0);
    EXPECT_EQ(back.GetColors(24), 0x010203u * 25);
    EXPECT_EQ(back.GetLineWidth(5), 6);
    EXPECT_EQ(back.GetIndexDistance(2), 2.5);
    EXPECT_EQ(back.GetPlaneScale(eAmperePerMetre, 8), 58.0);
    EXPECT_EQ(back.GetBGRotation(), -90);
    EXPECT_EQ(back.GetBGOffset(0), -12);
    EXPECT_EQ(back.GetStandardIndex(), 3);
    EXPECT_FALSE(back.GetMarkerVisible());
    EXPECT_EQ(back.GetPeakCount(), 15);
}

TEST_F(ViewSetupTest, SaveOverwritesALongerFileWithExactly968Bytes) {
    TempFolder dir;
    WriteBytes(dir / "OrvView.dat", std::string(2000, 'x'));
    ViewSetupStruct vs;
    vs.SetDefaults();
    ASSERT_TRUE(vs.SaveViewSettings(dir / "OrvView.dat"));
    EXPECT_EQ(ReadBytes(dir / "OrvView.dat"), ImageText(vs.GetImage()));
}

TEST_F(ViewSetupTest, SaveIntoAMissingFolderFailsQuietly) {
    TempFolder dir;
    ViewSetupStruct vs;
    vs.SetDefaults();
    EXPECT_FALSE(vs.SaveViewSettings(dir / "missing" / "OrvView.dat"));
    EXPECT_FALSE(fs::exists(dir / "missing"));
}

TEST_F(ViewSetupTest, FailedSaveLeavesTheOldFileWhole) {
    // The temporary file beside a name this long cannot be created, whoever runs
    // the test, while the file itself exists.
    TempFolder dir;
    const fs::path file = dir / std::string(250, 'v');
    const std::string old = PatternBytes(kSize);
    WriteBytes(file, old);
    ViewSetupStruct vs;
    vs.SetDefaults();
    EXPECT_FALSE(vs.SaveViewSettings(file));
    EXPECT_EQ(ReadBytes(file), old);
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1u);
}

TEST_F(ViewSetupTest, SaveIntoAReadOnlyFolderLeavesTheOldFileWhole) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only folders";
    TempFolder dir;
    const std::string old = PatternBytes(kSize);
    WriteBytes(dir / "OrvView.dat", old);
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    ViewSetupStruct vs;
    vs.SetDefaults();
    EXPECT_FALSE(vs.SaveViewSettings(dir / "OrvView.dat"));
    fs::permissions(dir.path(), fs::perms::owner_all);
    EXPECT_EQ(ReadBytes(dir / "OrvView.dat"), old);
}

TEST_F(ViewSetupTest, LoadingReadsTheStandardsBesideIt) {
    TempFolder dir;
    WriteBytes(dir / "Standard.dat",
               "First\r\na\r\nb\r\nc\r\n50;0.0001;5000\r\n-\r\n"
               "Second\r\na\r\nb\r\nc\r\n60;0.0002;4000\r\n70;0.0003;3000\r\n-\r\n");
    ViewSetupStruct vs;
    vs.LoadViewSettings(dir / "OrvView.dat", dir / "Standard.dat");
    ASSERT_EQ(vs.GetStandardCount(), 2);
    EXPECT_EQ(vs.GetStandardFileResult(), eStandardsRead);
    EXPECT_EQ(vs.GetStandard(0)->GetName(), "First");
    EXPECT_EQ(vs.GetStandard(1)->GetPointCount(), 2);
    EXPECT_EQ(vs.GetStandard(2), nullptr);
    EXPECT_EQ(vs.GetStandard(-1), nullptr);

    // A second load reads the list anew instead of appending.
    WriteBytes(dir / "Standard.dat",
               "Only\r\na\r\nb\r\nc\r\n50;0.0001;5000\r\n60;0.0001;5000\r\n-\r\n");
    vs.LoadViewSettings(dir / "OrvView.dat", dir / "Standard.dat");
    ASSERT_EQ(vs.GetStandardCount(), 1);
    EXPECT_EQ(vs.GetStandard(0)->GetName(), "Only");
}

TEST_F(ViewSetupTest, ProgramRecordUsesTheProgramFolder) {
    TempFolder dir;
    const fs::path savedFolder = ProgramFolder();
    SetProgramFolder(dir.path());
    EXPECT_FALSE(LoadViewSettings());
    EXPECT_EQ(ViewSetup().GetPeakCount(), 9);
    ViewSetup().SetPeakCount(4);
    ViewSetup().SetThreshold(eGauss, 2.0);
    EXPECT_TRUE(SaveViewSettings());
    EXPECT_EQ(fs::file_size(dir / "OrvView.dat"), kSize);

    ViewSetup().SetPeakCount(1);
    EXPECT_TRUE(LoadViewSettings());
    EXPECT_EQ(ViewSetup().GetPeakCount(), 4);
    EXPECT_DOUBLE_EQ(ViewSetup().GetThreshold(eTesla), 0.0002);
    ViewSetup().SetDefaults();
    SetProgramFolder(savedFolder);
}

} // namespace
} // namespace ombrix
