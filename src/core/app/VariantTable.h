#pragma once

#include "core/app/ProgramVariant.h"

#include <QString>
#include <QStringView>

namespace pellor {

// The variants the first command-line word selects.
class VariantTable {
public:
    // The variant of a first word, compared upper-cased: "" (no word, or an empty quoted word)
    // gives the default Pellor variant, "OPC" Ventor, "UPNP" Kelvo, "OPCUA" Tovan, "KESTRIN"
    // Pellor in robot mode; any other word gives the Pellor variant without instance guard.
    // programName (the program file name without extension) names the instance of the default
    // and KESTRIN variants, which share it.
    static ProgramVariant lookup(QStringView firstWord, const QString& programName);
};

} // namespace pellor
