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

    // The per-user folder of the program's writable files (editor profile, registry file,
    // backups), always ending in exactly one "/". It is not created here.
    static QString configFolder();
    // Appends "/" to a folder path unless it already ends in one.
    static QString withTrailingSlash(const QString& folder);
};

} // namespace pellor
