#include "core/persistence/ProviderDiscovery.h"

#include "core/model/Variant.h"
#include "core/persistence/clsRegKey.h"

#include <QVariant>

namespace pellor::ProviderDiscovery {

namespace {

// Reads a value and converts it to a Boolean as an assignment would; false when it does not.
bool readsTrue(clsRegKey& key, const QString& name) {
    QVariant value;
    if (key.QueryValue(value, name) != RegError::Success)
        return false;
    Variant v;
    switch (value.typeId()) {
    case QMetaType::Int:
        v = qint32(value.toInt());
        break;
    case QMetaType::QString:
        v = value.toString();
        break;
    default:
        return false;
    }
    return v.toBool().value_or(false);
}

} // namespace

QStringList installedProviders(RegistryBackend& registry, const std::function<void()>& beforeEach) {
    QStringList providers;
    clsRegKey classes(registry);
    if (classes.OpenReg(HKEY_CLASSES_ROOT, QStringLiteral("CLSID"), RegAccess::Read) !=
        RegError::Success)
        return providers;
    QStringList ids;
    if (classes.EnumSubKeyNames(ids) != RegError::Success)
        return providers;
    for (const QString& id : ids) {
        if (beforeEach)
            beforeEach();
        clsRegKey provider(registry);
        if (provider.OpenReg(HKEY_CLASSES_ROOT, QStringLiteral("CLSID\\%1\\QUARN Provider").arg(id),
                             RegAccess::Read) != RegError::Success ||
            !readsTrue(provider, QStringLiteral("Enabled")))
            continue;
        clsRegKey progId(registry);
        if (progId.OpenReg(HKEY_CLASSES_ROOT,
                           QStringLiteral("CLSID\\%1\\VersionIndependentProgID").arg(id),
                           RegAccess::Read) != RegError::Success)
            continue;
        QVariant name;
        if (progId.QueryValue(name, QString()) == RegError::Success)
            providers.append(name.toString());
    }
    return providers;
}

} // namespace pellor::ProviderDiscovery
