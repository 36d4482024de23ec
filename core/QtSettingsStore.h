#pragma once
// The settings of the program under the user's configuration: organisation
// "Velmora GmbH", application "Ombrix", group "Settings"
// (~/.config/Velmora GmbH/Ombrix.conf). Every access opens, reads or writes,
// and closes, so two running programs see each other's changes.

#include "core/SettingsStore.h"

#include <QString>

namespace ombrix {

class QtSettingsStore : public SettingsStore {
public:
    // An explicit file (tests, OMBRIX_SETTINGS) or the user's native location.
    explicit QtSettingsStore(QString iniFile = {});

    std::optional<std::string> ReadString(const std::string& name) override;
    std::optional<int> ReadInt(const std::string& name) override;
    void WriteString(const std::string& name, const std::string& value) override;
    void WriteInt(const std::string& name, int value) override;

private:
    QString m_iniFile;
};

} // namespace ombrix
