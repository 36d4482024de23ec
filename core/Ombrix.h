#pragma once
// Shared helpers of the main unit: application identity, engineering-prefix
// formatting and parsing of values, the range check of numeric input fields and
// the version text of the about box.

#include <string>

namespace ombrix {

inline constexpr const char* kApplicationTitle = "Ombrix";
inline constexpr const char* kHelpFileName = "Ombrix_HELP.HLP";
inline constexpr const char* kErrorCaption = "Ombrix Error";
inline constexpr const char* kWarningCaption = "Ombrix Warning";
inline constexpr const char* kFormatErrorText = "Format Error";
inline constexpr char kMicroSign = '\xB5';
inline constexpr char kSuperscriptTwo = '\xB2';

// Operating mode byte of the main window.
enum OperatingMode : unsigned char { eModeDatalog = 0, eModeRemote = 1, eModeUndecided = 2 };

// The mode byte stored for a command-line word: the opposite of the requested
// mode, because the first mode change proposes the other mode than the stored one.
OperatingMode ModeByteForCommandLine(const std::string& word);

// "12.3 µT": the value scaled by an engineering prefix, 5 significant digits,
// the prefix and the unit; percentages with 3 significant digits.
std::string FormatValue(double value, const std::string& unit);

// The factor of the engineering prefix that suits |value| and its letter
// ("G", "M", "k", "", "m", micro sign, "n", "p").
double PrefixOf(double value, std::string& prefix);

// The number a typed text denotes, honouring a prefix letter after it
// (M k m u/micro n p; case-sensitive). With stripMetre the last "m" is removed
// first, for fields in metres. Unreadable text gives 0.
double ParseValue(const std::string& text, bool stripMetre);

// Range check of an input field, without the focus handling of the window.
// mode 1: min < v <= max; mode 2: min <= v < max; otherwise min <= v <= max.
struct RangeCheckResult {
    bool accepted = false;
    double value = 0;
    std::string message; // "Only values between ... and ... are valid" when refused
};
RangeCheckResult CheckRangeText(const std::string& text, double min, double max, const std::string& unit,
                                bool prefixed, int mode);
std::string RangeMessage(double min, double max, const std::string& unit, bool prefixed);

// About box version: "1.8.0.0" shows as "1.08".
std::string AboutVersionText(const std::string& productVersion);

// Version resource of the program file.
struct VersionInfo {
    std::string productName;
    std::string productVersion;
    std::string fileDescription;
    std::string legalCopyright;
};
VersionInfo ProgramVersionInfo();

} // namespace ombrix
