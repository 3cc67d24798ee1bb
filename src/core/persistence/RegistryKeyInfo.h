#pragma once

#include <QtGlobal>

namespace pellor {

// What a key holds, as the registry reports it about one key: counts, and the longest names
// (in characters) and value data (in bytes).
struct RegistryKeyInfo {
    quint32 subKeys = 0;
    quint32 maxSubKeyLength = 0;
    quint32 values = 0;
    quint32 maxValueNameLength = 0;
    quint32 maxValueDataLength = 0;
};

} // namespace pellor
