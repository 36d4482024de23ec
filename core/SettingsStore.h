#pragma once
// The program's persistent settings: named integers and strings under one key of
// the current user. The program stores them through a QSettings implementation,
// tests in memory. ReadRegString and friends are the only way the rest of the
// program reaches them.

#include <map>
#include <optional>
#include <string>
#include <variant>

namespace ombrix {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<std::string> ReadString(const std::string& name) = 0;
    virtual std::optional<int> ReadInt(const std::string& name) = 0;
    virtual void WriteString(const std::string& name, const std::string& value) = 0;
    virtual void WriteInt(const std::string& name, int value) = 0;
};

// Settings held in memory for the life of the object.
class MemorySettingsStore : public SettingsStore {
public:
    std::optional<std::string> ReadString(const std::string& name) override;
    std::optional<int> ReadInt(const std::string& name) override;
    void WriteString(const std::string& name, const std::string& value) override;
    void WriteInt(const std::string& name, int value) override;

    bool Contains(const std::string& name) const { return m_values.count(name) != 0; }
    void Clear() { m_values.clear(); }

private:
    std::map<std::string, std::variant<int, std::string>> m_values;
};

// The store in use. Until one is installed, a process-wide memory store serves.
SettingsStore& Settings();
// Installs `store` (not owned; nullptr goes back to the memory store).
void InstallSettingsStore(SettingsStore* store);

std::string ReadRegString(const std::string& name, const std::string& defaultValue);
int ReadRegInt(const std::string& name, int defaultValue);
void WriteRegInt(const std::string& name, int value);
void WriteRegString(const std::string& name, const std::string& value);

// Names and defaults of every stored setting.
namespace reg {
inline constexpr const char* kShowSplash = "show splash";
inline constexpr const char* kComPort = "COMPort";
inline constexpr const char* kBaudrate = "Baudrate";
inline constexpr const char* kShowComDlg = "ShowComDlg";
inline constexpr const char* kShowExportDlg = "ShowExportDlg";
inline constexpr const char* kDateFormat = "DateFormat";
inline constexpr const char* kTimeFormat = "TimeFormat";
inline constexpr const char* kListSeparator = "ListSeparator";
inline constexpr const char* kDecimalSeparator = "DecimalSeparator";
inline constexpr const char* kShowPrnOptDlg = "ShowPrnOptDlg";
inline constexpr const char* kPrnOptInfo = "PrnOptInfo";
inline constexpr const char* kPrnOptComment = "PrnOptComment";
inline constexpr const char* kLoadFFTCont = "LoadFFTCont";
inline constexpr const char* kAlarmAct = "AlarmAct";
inline constexpr const char* kUseAmUnit = "use A/m Unit";

inline constexpr int kShowSplashDefault = 1;
inline constexpr const char* kComPortDefault = "COM1";
inline constexpr int kBaudrateDefault = 19200;
inline constexpr int kShowComDlgDefault = 1;
inline constexpr int kShowExportDlgDefault = 1;
inline constexpr int kShowPrnOptDlgDefault = 1;
inline constexpr int kPrnOptInfoDefault = 1;
inline constexpr int kPrnOptCommentDefault = 1;
inline constexpr int kLoadFFTContDefault = 0;
inline constexpr int kAlarmActDefault = 0;
inline constexpr int kUseAmUnitDefault = 0;
} // namespace reg

// The organisation, application and group under which the settings live.
inline constexpr const char* kSettingsOrganisation = "Velmora GmbH";
inline constexpr const char* kSettingsApplication = "Ombrix";
inline constexpr const char* kSettingsGroup = "Settings";

} // namespace ombrix
