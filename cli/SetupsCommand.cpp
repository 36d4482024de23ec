#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "config/OrvConfiguration.h"
#include "link/OrvCommunication.h"

#include <iostream>
#include <nlohmann/json.hpp>

namespace ombrix::cli {

int SetupsCommand(const std::vector<std::string>& words) {
    const Arguments args(words, {}, {"--json"});
    if (!args.Positional().empty())
        throw UsageError{"setups takes no FILE: it reads OrvConf.dat of the program folder"};
    OrvCommunication communication;
    OrvConfiguration configuration(communication);
    // A format error is reported on standard error by the configuration and
    // keeps the setups before it.
    if (!configuration.LoadUserSetups())
        throw UsageError{"cannot read OrvConf.dat of the program folder"};
    if (args.Flag("--json")) {
        nlohmann::json setups = nlohmann::json::array();
        for (int i = 0; i < configuration.UserSetupCount(); ++i)
            setups.push_back({{"name", Utf8(configuration.UserSetupName(i))},
                              {"description", Utf8(configuration.SetupDescription(i))}});
        std::cout << setups.dump(2) << "\n";
        return kExitOk;
    }
    for (int i = 0; i < configuration.UserSetupCount(); ++i) {
        std::cout << Utf8(configuration.UserSetupName(i)) << "\n";
        std::string description = Utf8(configuration.SetupDescription(i));
        std::string indented = "    ";
        for (char c : description)
            indented += c == '\n' ? std::string("\n    ") : std::string(1, c);
        std::cout << indented << "\n";
    }
    return kExitOk;
}

} // namespace ombrix::cli
