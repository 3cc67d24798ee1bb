#include "core/app/ProgramState.h"
#include "core/app/StartUp.h"
#include "core/persistence/DefaultRegistry.h"
#include "core/persistence/UserInterfaceLanguage.h"
#include "core/platform/InstanceGuard.h"
#include "core/platform/ProgramPaths.h"
#include "core/platform/modLocale.h"
#include "gui/app/WidgetPrompter.h"
#include "gui/app/frmPellorConfig.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PellorConfig"));

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

    pellor::RegistryBackend& registry = pellor::defaultRegistry();
    pellor::modLocale locale;
    locale.InitLocale(pellor::requestedUserInterfaceLanguage(registry, variant));

    pellor::WidgetPrompter prompter;
    pellor::frmPellorConfig window({state, variant, programName, prompter, locale, registry});
    if (!window.LoadMain())
        return 1;
    return app.exec();
}
