#include "cli/CommandMain.h"

#include "cli/CliSupport.h"
#include "core/LocaleFormatSettings.h"
#include "core/QtSettingsStore.h"
#include "core/SettingsStore.h"

#include <QString>
#include <cstdlib>
#include <iostream>

namespace ombrix::cli {

int RunCommand(const char* program, const std::map<std::string, Command>& commands,
               const std::vector<std::string>& words, const char* usage) {
    const auto command = commands.find(words.at(0));
    if (command == commands.end()) {
        std::cerr << program << ": unknown command " << words[0] << "\n" << usage;
        return kExitUsage;
    }
    InstallFileChangeGuard();
    InstallSystemFormatSettings();
    const char* settingsFile = std::getenv("OMBRIX_SETTINGS");
    QtSettingsStore store(settingsFile ? QString::fromLocal8Bit(settingsFile) : QString());
    InstallSettingsStore(&store);
    int code = kExitUsage;
    try {
        code = command->second({words.begin() + 1, words.end()});
    } catch (const UsageError& e) {
        std::cerr << program << " " << words[0] << ": " << e.message << "\n";
    }
    InstallSettingsStore(nullptr);
    return code;
}

} // namespace ombrix::cli
