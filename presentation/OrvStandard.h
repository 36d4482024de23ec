#pragma once
// An exposure standard: a named limit curve of (frequency, magnetic limit,
// electric limit) points that the spectrum view draws over a spectrum, and the
// reader of the standard data files ("Standard.dat" and files the user adds).

#include "datasets/ValueClass.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ombrix {

struct StandardPoint {
    double frequency = 0;     // Hz
    double magneticLimit = 0; // T
    double electricLimit = 0; // V/m
};

class OrvStandard {
public:
    OrvStandard() = default;
    explicit OrvStandard(std::string name) : m_sName(std::move(name)) {}

    const std::string& GetName() const { return m_sName; }
    void SetName(std::string name) { m_sName = std::move(name); }

    // The limit curve in file order, neither sorted nor validated.
    const std::vector<StandardPoint>& GetPoints() const { return m_Points; }
    void AddPoint(const StandardPoint& point) { m_Points.push_back(point); }
    int GetPointCount() const { return static_cast<int>(m_Points.size()); }

private:
    std::string m_sName;
    std::vector<StandardPoint> m_Points;
};

// An ordered list of standards that owns them.
using StandardList = std::vector<std::unique_ptr<OrvStandard>>;

// Outcome of reading a standard data file. Only eStandardFormatError is shown to
// the user ("Format Error"); the standards completed before the faulty line stay.
enum StandardFileResult {
    eStandardsRead,       // the whole file was read (possibly no standard in it)
    eStandardFileMissing, // the file could not be opened; nothing appended
    eStandardFormatError, // a point field was not a number, or a standard had no "-" line
};

// Appends every standard read completely from the file, in file order.
StandardFileResult ReadStandardFile(StandardList& target, const std::filesystem::path& file);
// The same on the file's text (CR LF or LF line ends).
StandardFileResult ReadStandardText(StandardList& target, std::string_view text);

// The limit of a point in the quantity of the dataset shown: V/m for electric
// data, G or A/m for magnetic data in those units, T otherwise.
double StandardLimitInQuantity(const StandardPoint& point, ValueClass valueClass);

} // namespace ombrix
