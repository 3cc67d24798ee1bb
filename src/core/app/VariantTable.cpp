#include "core/app/VariantTable.h"

namespace pellor {

namespace {

ProgramVariant pellorVariant(const QString& instanceName) {
    ProgramVariant v;
    v.number = ProgramVariant::Pellor;
    v.instanceName = instanceName;
    v.registryKey = QStringLiteral("Software\\Pellor");
    v.defaultDocumentName = QStringLiteral("Pellor.plr");
    v.manualCaptionId = 2051;
    v.manualTagId = 2054;
    v.rootImageIndex = 22;
    return v;
}

ProgramVariant ventorVariant() {
    ProgramVariant v;
    v.number = ProgramVariant::Ventor;
    v.instanceName = QStringLiteral("VentorConfig");
    v.titleSuffix = QStringLiteral(" [OPC]");
    v.registryKey = QStringLiteral("Software\\Ventor");
    v.defaultDocumentName = QStringLiteral("Ventor.plr");
    v.manualCaptionId = 2052;
    v.manualTagId = 2055;
    v.rootImageIndex = 23;
    return v;
}

ProgramVariant kelvoVariant() {
    ProgramVariant v;
    v.number = ProgramVariant::Kelvo;
    v.instanceName = QStringLiteral("KelvoConfig");
    v.titleSuffix = QStringLiteral(" [UPnP]");
    v.registryKey = QStringLiteral("Software\\Kelvo");
    v.defaultDocumentName = QStringLiteral("Kelvo.plr");
    v.manualCaptionId = 2053;
    v.manualTagId = 2056;
    v.rootImageIndex = 24;
    return v;
}

ProgramVariant tovanVariant() {
    ProgramVariant v;
    v.number = ProgramVariant::Tovan;
    v.instanceName = QStringLiteral("TovanConfig");
    v.titleSuffix = QStringLiteral(" [OPC UA]");
    v.defaultDocumentName = QStringLiteral("Tovan.plr");
    v.documentInTovanDataFolder = true;
    v.manualCaptionId = 2058;
    v.manualTagId = 2059;
    v.rootImageIndex = 23;
    return v;
}

ProgramVariant kestrinVariant(const QString& programName) {
    ProgramVariant v = pellorVariant(programName);
    v.robotMode = 1;
    v.titleSuffix = QStringLiteral(" [KESTRIN]");
    return v;
}

} // namespace

ProgramVariant VariantTable::lookup(QStringView firstWord, const QString& programName) {
    const QString word = firstWord.toString().toUpper();
    if (word.isEmpty())
        return pellorVariant(programName);
    if (word == QLatin1String("OPC"))
        return ventorVariant();
    if (word == QLatin1String("UPNP"))
        return kelvoVariant();
    if (word == QLatin1String("OPCUA"))
        return tovanVariant();
    if (word == QLatin1String("KESTRIN"))
        return kestrinVariant(programName);
    return pellorVariant(QString());
}

} // namespace pellor
