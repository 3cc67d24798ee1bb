#include "core/platform/InstalledLocales.h"

#include <QMap>

#include <unicode/uloc.h>

namespace pellor {

namespace {

QString displayName(const char* locale) {
    UChar buffer[256];
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = uloc_getDisplayName(locale, nullptr, buffer, 256, &status);
    if (U_FAILURE(status) || length <= 0)
        return QString::fromLatin1(locale);
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(buffer), qMin(length, 256));
}

} // namespace

QList<InstalledLocales::Entry> InstalledLocales::list() {
    QMap<int, Entry> byId;
    const int32_t count = uloc_countAvailable();
    for (int32_t i = 0; i < count; ++i) {
        const int lcid = static_cast<int>(uloc_getLCID(uloc_getAvailable(i)));
        if (lcid < 0x0400 || byId.contains(lcid))
            continue;
        // The name of the locale that the id stands for, not of the first alias met.
        char canonical[ULOC_FULLNAME_CAPACITY];
        UErrorCode status = U_ZERO_ERROR;
        uloc_getLocaleForLCID(static_cast<uint32_t>(lcid), canonical, sizeof canonical, &status);
        const char* locale = U_SUCCESS(status) ? canonical : uloc_getAvailable(i);
        byId.insert(lcid, Entry{lcid, hexId(lcid), displayName(locale)});
    }
    return byId.values();
}

QString InstalledLocales::hexId(int lcid) {
    return QStringLiteral("%1").arg(lcid & 0xFFFF, 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace pellor
