#include "core/app/ProgramState.h"
#include "core/app/StartUp.h"
#include "core/platform/InstanceGuard.h"
#include "core/platform/ProgramPaths.h"
#include "gui/app/frmPellorConfig.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    pellor::ProgramState state;
    const QString programName = pellor::ProgramPaths::programName();
    const pellor::ProgramVariant variant =
        pellor::StartUp::chooseVariant(app.arguments().mid(1), programName, state);

    // Held until the process ends. A second start of the same variant ends here, silently.
    // When the lock cannot be created at all the editor still starts (the reason is logged).
    std::unique_ptr<pellor::InstanceGuard> guard;
    if (variant.hasInstanceGuard()) {
        guard = std::make_unique<pellor::InstanceGuard>(variant.instanceName);
        if (guard->acquire() == pellor::InstanceGuard::Result::HeldElsewhere)
            return 0;
    }

    pellor::frmPellorConfig window(variant, programName);
    window.show();
    return app.exec();
}
