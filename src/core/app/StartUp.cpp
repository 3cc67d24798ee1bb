#include "core/app/StartUp.h"

#include "core/app/CommandLine.h"
#include "core/app/VariantTable.h"

namespace pellor {

ProgramVariant StartUp::chooseVariant(const QStringList& arguments, const QString& programName,
                                      ProgramState& state) {
    const CommandLine commandLine = CommandLine::fromArguments(arguments);
    const ProgramVariant variant = VariantTable::lookup(commandLine.firstWord(), programName);

    state.setVariantNumber(variant.number);
    state.setRobotMode(variant.robotMode);
    state.setRootImageIndex(variant.rootImageIndex);

    if (variant.robotMode == 1) {
        // Robot mode: the robot controller object (clsKestrinCtrl) and the robot variable
        // object (clsKestrinVariable) are created here and handed to the state once their
        // classes exist. Until then the robot extras stay absent, and code that needs them
        // does nothing.
    }
    return variant;
}

} // namespace pellor
