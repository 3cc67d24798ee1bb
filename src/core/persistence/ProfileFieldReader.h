#pragma once

#include <QString>

#include <optional>

namespace pellor {

class clsProfile;

// Reads profile keys with a default text and converts them with SettingsValue; nullopt (and
// a report on the "pellor" category) when the text cannot be converted.
class ProfileFieldReader {
public:
    explicit ProfileFieldReader(const clsProfile& profile) : m_profile(profile) {}

    QString text(const QString& section, const QString& key, const QString& defVal) const;
    std::optional<qint32> longValue(const QString& section, const QString& key,
                                    const QString& defVal) const;
    std::optional<qint16> integer(const QString& section, const QString& key,
                                  const QString& defVal) const;
    // "True"/"False" (or a number, non-zero being true), as the editor profile stores them.
    std::optional<bool> boolean(const QString& section, const QString& key,
                                const QString& defVal) const;
    // A number that is true when it equals 1, as the Tovan server profile stores Booleans.
    std::optional<bool> flag(const QString& section, const QString& key,
                             const QString& defVal) const;

private:
    void report(const QString& section, const QString& key, const QString& text) const;

    const clsProfile& m_profile;
};

} // namespace pellor
