#pragma once

#include <QList>
#include <QString>

namespace pellor {

// The locales ICU knows, each with its Windows language id (LCID).
class InstalledLocales {
public:
    struct Entry {
        int lcid = 0;
        QString hexId; // the LCID as four upper-case hexadecimal digits ("0411")
        QString name;  // the language's name in the language of the default locale
    };

    // One entry per LCID, in ascending LCID order. Locales without an LCID, and neutral ids
    // that name a language without a country (below 0x0400), are left out.
    static QList<Entry> list();

    // "0400" for 1024: four hexadecimal digits, upper case.
    static QString hexId(int lcid);
};

} // namespace pellor
