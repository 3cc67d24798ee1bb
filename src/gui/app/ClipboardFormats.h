#pragma once

#include <QString>

namespace pellor::ClipboardFormats {

// Formats of the subtrees the editor puts on the clipboard (serializer XML of one node).
inline const QString Controller = QStringLiteral("PellorCnf_INodesCtrl1.0");
inline const QString Item = QStringLiteral("PellorCnf_INodesItem1.0");

} // namespace pellor::ClipboardFormats
