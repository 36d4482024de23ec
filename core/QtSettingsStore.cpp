#include "core/QtSettingsStore.h"

#include <QSettings>
#include <memory>

namespace ombrix {

namespace {

QString Key(const std::string& name) {
    return QString::fromLatin1(kSettingsGroup) + '/' + QString::fromLatin1(name.c_str());
}

std::unique_ptr<QSettings> Open(const QString& iniFile) {
    if (!iniFile.isEmpty()) return std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QString::fromLatin1(kSettingsOrganisation),
                                       QString::fromLatin1(kSettingsApplication));
}

} // namespace

QtSettingsStore::QtSettingsStore(QString iniFile) : m_iniFile(std::move(iniFile)) {}

std::optional<std::string> QtSettingsStore::ReadString(const std::string& name) {
    auto settings = Open(m_iniFile);
    const QVariant value = settings->value(Key(name));
    if (!value.isValid()) return std::nullopt;
    return value.toString().toLatin1().toStdString();
}

std::optional<int> QtSettingsStore::ReadInt(const std::string& name) {
    auto settings = Open(m_iniFile);
    const QVariant value = settings->value(Key(name));
    if (!value.isValid()) return std::nullopt;
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok) return std::nullopt;
    return number;
}

void QtSettingsStore::WriteString(const std::string& name, const std::string& value) {
    auto settings = Open(m_iniFile);
    settings->setValue(Key(name), QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size())));
}

void QtSettingsStore::WriteInt(const std::string& name, int value) {
    auto settings = Open(m_iniFile);
    settings->setValue(Key(name), value);
}

} // namespace ombrix
