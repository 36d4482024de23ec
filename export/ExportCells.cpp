#include "export/ExportCells.h"

#include "core/FormatSettings.h"
#include "core/SettingsStore.h"

namespace ombrix {

namespace {

const char* RegistryName(ExportFormatKind kind) {
    switch (kind) {
    case ExportFormatKind::Date:
        return reg::kDateFormat;
    case ExportFormatKind::Time:
        return reg::kTimeFormat;
    case ExportFormatKind::ListSeparator:
        return reg::kListSeparator;
    case ExportFormatKind::DecimalSeparator:
        return reg::kDecimalSeparator;
    }
    return reg::kDateFormat;
}

std::string RegionalValue(ExportFormatKind kind) {
    const FormatSettings& regional = RegionalFormat();
    switch (kind) {
    case ExportFormatKind::Date:
        return regional.ShortDateFormat;
    case ExportFormatKind::Time:
        return regional.LongTimeFormat;
    case ExportFormatKind::ListSeparator:
        return std::string(1, regional.ListSeparator);
    case ExportFormatKind::DecimalSeparator:
        return std::string(1, regional.DecimalSeparator);
    }
    return {};
}

std::string& ExportSeparator() {
    static std::string separator = ",";
    return separator;
}

} // namespace

std::string GetExportFormat(ExportFormatKind kind, bool fallBack) {
    std::string stored = ReadRegString(RegistryName(kind), "");
    if (stored.empty() && fallBack) return RegionalValue(kind);
    return stored;
}

void SetExportFormat(ExportFormatKind kind, const std::string& text) {
    WriteRegString(RegistryName(kind), text);
}

void SetExportSeparator(bool csv) {
    ExportSeparator() = csv ? GetExportFormat(ExportFormatKind::ListSeparator, true) : std::string(" ");
}

const std::string& GetExportSeparator() { return ExportSeparator(); }

std::string PadCell(const std::string& text, std::size_t width) {
    std::string cell = text + ExportSeparator();
    if (cell.size() < width) cell.append(width - cell.size(), ' ');
    return cell;
}

void StripLastSeparator(std::string& line) {
    const std::string& separator = ExportSeparator();
    if (separator.empty()) return;
    const auto pos = line.rfind(separator[0]);
    if (pos != std::string::npos) line.erase(pos);
}

} // namespace ombrix
