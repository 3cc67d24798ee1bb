#pragma once

#include "core/app/ProgramState.h"
#include "core/app/ProgramVariant.h"

#include <QString>
#include <QStringList>

namespace pellor {

// The first step of the program: choose the variant from the command line and set the
// program-wide state from it.
class StartUp {
public:
    // arguments: the command-line arguments after the program name; programName: the program
    // file name without extension. Sets the variant number, robot mode and root image of state
    // and returns the chosen variant.
    static ProgramVariant chooseVariant(const QStringList& arguments, const QString& programName,
                                        ProgramState& state);
};

} // namespace pellor
