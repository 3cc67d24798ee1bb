#include "SettingsEnvironment.h"

#include <QFile>
#include <QStandardPaths>

#include <sys/stat.h>

SettingsEnvironment::SettingsEnvironment() {
    set("PELLOR_REGISTRY", registryPath());
    set("XDG_CONFIG_HOME", path(QStringLiteral("config")));
    set("PELLOR_COMMON_APPDATA", commonFolder());
    set("Tovan", std::nullopt);
}

SettingsEnvironment::~SettingsEnvironment() {
    for (auto it = m_saved.crbegin(); it != m_saved.crend(); ++it) {
        if (it->second)
            qputenv(it->first.constData(), *it->second);
        else
            qunsetenv(it->first.constData());
    }
}

QString SettingsEnvironment::configFolder() const {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

void SettingsEnvironment::set(const char* name, const std::optional<QString>& value) {
    std::optional<QByteArray> old;
    if (qEnvironmentVariableIsSet(name))
        old = qgetenv(name);
    m_saved.append({QByteArray(name), old});
    if (value)
        qputenv(name, value->toUtf8());
    else
        qunsetenv(name);
}

QByteArray SettingsEnvironment::readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool SettingsEnvironment::writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

int SettingsEnvironment::mode(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return int(st.st_mode & 0777);
}
