#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "core/NumberFormat.h"
#include "core/SettingsStore.h"
#include "export/ExportCells.h"
#include "export/ExportDataList.h"
#include "export/ExportRun.h"

#include <iostream>
#include <set>

namespace ombrix::cli {

namespace {

// The export settings of this run laid over the stored ones; nothing is stored.
class OverlaySettings : public SettingsStore {
public:
    explicit OverlaySettings(SettingsStore& base) : m_base(base) {}
    void Override(const std::string& name, const std::string& value) {
        m_overrides.WriteString(name, value);
    }

    std::optional<std::string> ReadString(const std::string& name) override {
        if (auto v = m_overrides.ReadString(name)) return v;
        return m_base.ReadString(name);
    }
    std::optional<int> ReadInt(const std::string& name) override {
        if (auto v = m_overrides.ReadInt(name)) return v;
        return m_base.ReadInt(name);
    }
    void WriteString(const std::string& name, const std::string& value) override {
        m_overrides.WriteString(name, value);
    }
    void WriteInt(const std::string& name, int value) override {
        m_overrides.WriteInt(name, value);
    }

private:
    SettingsStore& m_base;
    MemorySettingsStore m_overrides;
};

std::set<int> ParseSelection(const std::string& text) {
    std::set<int> numbers;
    std::string rest = text;
    while (!rest.empty()) {
        const auto comma = rest.find(',');
        const std::string item = rest.substr(0, comma);
        rest = comma == std::string::npos ? "" : rest.substr(comma + 1);
        int number = 0;
        if (!TryParseInt(item, number)) throw UsageError{"--select takes memory numbers: " + text};
        numbers.insert(number);
    }
    return numbers;
}

void RequireOneOf(const std::string& option, const std::string& value,
                  std::initializer_list<const char*> allowed) {
    for (const char* a : allowed)
        if (value == a) return;
    std::string list;
    for (const char* a : allowed)
        list += (list.empty() ? "" : " or ") + std::string("\"") + a + "\"";
    throw UsageError{option + " takes " + list};
}

} // namespace

int ExportCommand(const std::vector<std::string>& words) {
    const Arguments args(words, {"-o", "--select", "--list-sep", "--decimal", "--date", "--time"},
                         {});
    if (args.Positional().size() != 1) throw UsageError{"export needs exactly one FILE"};
    if (!args.Has("-o")) throw UsageError{"export needs -o OUT"};

    OverlaySettings overlay(Settings());
    if (args.Has("--list-sep")) {
        RequireOneOf("--list-sep", args.Value("--list-sep"), {",", ";"});
        overlay.Override(reg::kListSeparator, args.Value("--list-sep"));
    }
    if (args.Has("--decimal")) {
        RequireOneOf("--decimal", args.Value("--decimal"), {",", "."});
        overlay.Override(reg::kDecimalSeparator, args.Value("--decimal"));
    }
    if (args.Has("--date")) overlay.Override(reg::kDateFormat, args.Value("--date"));
    if (args.Has("--time")) overlay.Override(reg::kTimeFormat, args.Value("--time"));
    SettingsStore& previous = Settings();
    InstallSettingsStore(&overlay);
    struct Reinstall {
        SettingsStore& store;
        ~Reinstall() { InstallSettingsStore(&store); }
    } reinstall{previous};

    const std::filesystem::path out = args.Value("-o");
    if (IsCsvFileName(out) && ExportSeparatorsClash())
        throw UsageError{"the list separator and the decimal mark are both \"" +
                         GetExportFormat(ExportFormatKind::ListSeparator, true) +
                         "\": no reader could split such cells; choose --list-sep or --decimal"};

    OrvDataList list;
    if (!LoadTransferFile(args.Positional()[0], list)) {
        std::cerr << "Format Error\n";
        return kExitFormatError;
    }
    const bool all = !args.Has("--select");
    const std::set<int> chosen = all ? std::set<int>{} : ParseSelection(args.Value("--select"));
    for (int i = 0; i < list.GetCount(); ++i) {
        OrvDataset* d = list.GetDataset(i);
        d->SetChecked(all || chosen.count(d->GetMemNumber()) != 0);
    }

    const ExportRunResult result = ExportRun(list, out, [] { return true; });
    switch (result.status) {
    case ExportRunResult::eWritten:
        for (const auto& f : result.files)
            std::cerr << "written: " << f.string() << "\n";
        if (result.files.empty()) std::cerr << "no dataset chosen: nothing written\n";
        return kExitOk;
    case ExportRunResult::eDatasetTooLarge:
        std::cerr << "dataset MEM# " << list.GetDataset(result.datasetIndex)->GetMemNumber()
                  << " has more lines than one export file can hold; the export stopped there\n";
        return kExitFormatError;
    case ExportRunResult::eWriteFailed:
        std::cerr << result.error << "\n";
        return kExitUsage;
    case ExportRunResult::eCancelled:
        return kExitUsage;
    }
    return kExitOk;
}

} // namespace ombrix::cli
