#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace tarvel {

// The per-user settings store: a text value under a section and a key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString Get(const QString& section, const QString& key, const QString& defaultValue) const = 0;
    virtual void Save(const QString& section, const QString& key, const QString& value) = 0;
};

// QSettings in INI format. The default constructor uses the per-user store of organisation and
// application "Tarvel" (~/.config/Tarvel/Tarvel.ini on Linux); tests give an explicit file.
class IniSettingsStore : public SettingsStore {
public:
    IniSettingsStore();
    explicit IniSettingsStore(const QString& iniPath);
    ~IniSettingsStore() override;

    QString Get(const QString& section, const QString& key, const QString& defaultValue) const override;
    void Save(const QString& section, const QString& key, const QString& value) override;
    QString FileName() const;

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace tarvel
