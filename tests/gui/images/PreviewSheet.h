#pragma once

#include <QString>

namespace pellor {

// Writes a PNG sheet of all images of ImageList, each enlarged four times with its index, and
// at its real size on light, dark and selection backgrounds, for looking at the drawing.
bool writePreviewSheet(const QString& path);

} // namespace pellor
