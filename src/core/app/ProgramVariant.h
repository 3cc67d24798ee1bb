#pragma once

#include <QString>
#include <QtGlobal>

namespace pellor {

// Which server the editor configures, chosen by the first word of the command line, and what
// follows from that choice.
struct ProgramVariant {
    // Variant numbers (KESTRIN is Pellor with robot mode 1).
    static constexpr qint32 Pellor = 0;
    static constexpr qint32 Ventor = 1;
    static constexpr qint32 Kelvo = 2;
    static constexpr qint32 Tovan = 3;

    qint32 number = Pellor;
    qint32 robotMode = 0;
    // Name of the single-instance guard; empty: no guard.
    QString instanceName;
    // Appended to the program name in the window title (" [OPC]"), empty for none.
    QString titleSuffix;
    // Key of the server settings under HKEY_CLASSES_ROOT; empty when the settings live in the
    // Tovan server profile instead.
    QString registryKey;
    QString defaultDocumentName;
    // The default document lies in the Tovan data folder (otherwise it has no folder).
    bool documentInTovanDataFolder = false;
    // Help menu entry that opens the variant's manual.
    qint32 manualCaptionId = 0;
    qint32 manualTagId = 0;
    // Image-list index of the root node and of the first property tab.
    qint32 rootImageIndex = 22;

    bool hasInstanceGuard() const { return !instanceName.isEmpty(); }
    bool operator==(const ProgramVariant&) const = default;
};

} // namespace pellor
