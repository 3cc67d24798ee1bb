#pragma once

#include <QString>

class QSaveFile;

namespace pellor::SafeFile {

// Commits a QSaveFile (its data is flushed to disk and it replaces the target) and then
// flushes the folder entry, so the new file survives a crash right after the save. On
// failure the previous file stays as it was; error receives the reason.
bool commit(QSaveFile& file, QString* error = nullptr);

} // namespace pellor::SafeFile
