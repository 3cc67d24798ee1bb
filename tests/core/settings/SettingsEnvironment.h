#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <optional>
#include <utility>

// A temporary home for the settings stores: the registry file ($PELLOR_REGISTRY), the
// per-user configuration folder ($XDG_CONFIG_HOME) and the common application-data folder
// ($PELLOR_COMMON_APPDATA) all point into one temporary folder, and "Tovan" is unset. The
// variables are put back on destruction.
class SettingsEnvironment {
public:
    SettingsEnvironment();
    ~SettingsEnvironment();
    SettingsEnvironment(const SettingsEnvironment&) = delete;
    SettingsEnvironment& operator=(const SettingsEnvironment&) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString registryPath() const { return path(QStringLiteral("registry.reg")); }
    // The program's per-user configuration folder (not created).
    QString configFolder() const;
    QString commonFolder() const { return path(QStringLiteral("common")); }

    // Sets or (with nullopt) unsets a variable for the life of this object.
    void set(const char* name, const std::optional<QString>& value);

    static QByteArray readFile(const QString& path);
    static bool writeFile(const QString& path, const QByteArray& bytes);
    // The permission bits of a file (st_mode & 0777); -1 when it does not exist.
    static int mode(const QString& path);

private:
    QTemporaryDir m_dir;
    QList<std::pair<QByteArray, std::optional<QByteArray>>> m_saved;
};
