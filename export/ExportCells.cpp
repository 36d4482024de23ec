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

thread_local const ExportFormatsCopy* t_formatsCopy = nullptr;

std::string& ExportSeparator() {
    static std::string separator = ",";
    return separator;
}

} // namespace

std::string GetExportFormat(ExportFormatKind kind, bool fallBack) {
    if (t_formatsCopy) {
        const auto k = static_cast<std::size_t>(kind);
        return fallBack ? t_formatsCopy->withFallBack[k] : t_formatsCopy->stored[k];
    }
    std::string stored = ReadRegString(RegistryName(kind), "");
    if (stored.empty() && fallBack) return RegionalValue(kind);
    return stored;
}

void SetExportFormat(ExportFormatKind kind, const std::string& text) {
    WriteRegString(RegistryName(kind), text);
}

ExportFormatsCopy::ExportFormatsCopy() {
    for (int k = 0; k < 4; ++k) {
        const auto kind = static_cast<ExportFormatKind>(k);
        stored[k] = GetExportFormat(kind, false);
        withFallBack[k] = GetExportFormat(kind, true);
    }
}

UseExportFormatsCopy::UseExportFormatsCopy(const ExportFormatsCopy& copy)
    : m_previous(t_formatsCopy) {
    t_formatsCopy = &copy;
}

UseExportFormatsCopy::~UseExportFormatsCopy() {
    t_formatsCopy = m_previous;
}

void SetExportSeparator(bool csv) {
    if (t_formatsCopy) return;
    ExportSeparator() =
        csv ? GetExportFormat(ExportFormatKind::ListSeparator, true) : std::string(" ");
}

const std::string& GetExportSeparator() {
    return ExportSeparator();
}

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
