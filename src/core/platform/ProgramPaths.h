#pragma once

#include <QString>

namespace pellor {

// Where the running program lives and what it is called.
class ProgramPaths {
public:
    // The folder of the running executable, always ending in exactly one "/".
    static QString folder();

    // The file name of the running executable without its extension ("PellorConfig").
    static QString programName();

    // Appends "/" to a folder path unless it already ends in one.
    static QString withTrailingSlash(const QString& folder);
};

} // namespace pellor
