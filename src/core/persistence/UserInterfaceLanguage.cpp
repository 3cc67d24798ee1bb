#include "core/persistence/UserInterfaceLanguage.h"

#include "core/app/ProgramVariant.h"
#include "core/persistence/clsRegKey.h"
#include "core/platform/NumberText.h"

#include <QVariant>

namespace pellor {

qint32 requestedUserInterfaceLanguage(RegistryBackend& registry, const ProgramVariant& variant) {
    if (variant.number == ProgramVariant::Tovan || variant.registryKey.isEmpty())
        return 0;
    clsRegKey key(registry);
    if (key.CreateKey(HKEY_CLASSES_ROOT, variant.registryKey) != RegError::Success)
        return 0;
    QVariant value;
    if (key.QueryValue(value, QStringLiteral("Locale")) != RegError::Success)
        return 0;
    bool numeric = false;
    const double number = value.toDouble(&numeric);
    const auto lcid = numeric ? NumberText::toInteger(number) : std::nullopt;
    return lcid ? *lcid : 0;
}

} // namespace pellor
