#include "platform/SettingsStore.h"

#include <QSettings>

namespace tarvel {

namespace {
QString KeyPath(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}
} // namespace

IniSettingsStore::IniSettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             QStringLiteral("Tarvel"), QStringLiteral("Tarvel")))
{
}

IniSettingsStore::IniSettingsStore(const QString& iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::Get(const QString& section, const QString& key, const QString& defaultValue) const
{
    const QVariant value = m_settings->value(KeyPath(section, key));
    if (!value.isValid())
        return defaultValue;
    // A hand-edited value such as "1, 2" comes back as a list; read it as the text it was.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void IniSettingsStore::Save(const QString& section, const QString& key, const QString& value)
{
    m_settings->setValue(KeyPath(section, key), value);
    m_settings->sync();
}

QString IniSettingsStore::FileName() const
{
    return m_settings->fileName();
}

} // namespace tarvel
