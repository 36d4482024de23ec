#include "core/SettingsStore.h"

#include "core/NumberFormat.h"

namespace ombrix {

std::optional<std::string> MemorySettingsStore::ReadString(const std::string& name) {
    auto it = m_values.find(name);
    if (it == m_values.end()) return std::nullopt;
    if (auto* text = std::get_if<std::string>(&it->second)) return *text;
    return std::to_string(std::get<int>(it->second));
}

std::optional<int> MemorySettingsStore::ReadInt(const std::string& name) {
    auto it = m_values.find(name);
    if (it == m_values.end()) return std::nullopt;
    if (auto* number = std::get_if<int>(&it->second)) return *number;
    int value = 0;
    if (TryParseInt(std::get<std::string>(it->second), value)) return value;
    return std::nullopt;
}

void MemorySettingsStore::WriteString(const std::string& name, const std::string& value) {
    m_values[name] = value;
}

void MemorySettingsStore::WriteInt(const std::string& name, int value) { m_values[name] = value; }

namespace {
MemorySettingsStore& FallbackStore() {
    static MemorySettingsStore store;
    return store;
}
SettingsStore* g_store = nullptr;
} // namespace

SettingsStore& Settings() { return g_store ? *g_store : FallbackStore(); }

void InstallSettingsStore(SettingsStore* store) { g_store = store; }

std::string ReadRegString(const std::string& name, const std::string& defaultValue) {
    return Settings().ReadString(name).value_or(defaultValue);
}

int ReadRegInt(const std::string& name, int defaultValue) {
    return Settings().ReadInt(name).value_or(defaultValue);
}

void WriteRegInt(const std::string& name, int value) { Settings().WriteInt(name, value); }

void WriteRegString(const std::string& name, const std::string& value) {
    Settings().WriteString(name, value);
}

} // namespace ombrix
