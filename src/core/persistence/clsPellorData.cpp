#include "core/persistence/clsPellorData.h"

#include "core/app/ProgramVariant.h"
#include "core/app/TovanDataFolder.h"
#include "core/persistence/ProfileFieldReader.h"
#include "core/persistence/RegistryFieldReader.h"
#include "core/persistence/SettingsValue.h"
#include "core/persistence/clsProfile.h"
#include "core/persistence/clsRegKey.h"
#include "core/platform/CommonAppData.h"
#include "core/platform/PellorLog.h"
#include "core/platform/ProgramPaths.h"
#include "core/platform/Prompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <tuple>

namespace pellor {

namespace {

using Result = RegistryFieldReader::Result;

const QString kWindow = QStringLiteral("Window");
const QString kSystem = QStringLiteral("System");
const QString kLog = QStringLiteral("Log");
const QString kServer = QStringLiteral("Server");
const QString kLogon = QStringLiteral("Logon");
const QString kPath = QStringLiteral("Path");
const QString kTovanKey = QStringLiteral("Software\\Tovan");

// A failed profile write ends a profile writer with this status.
constexpr qint32 kProfileWriteFailed = -1;

QString number(qint64 n) {
    return QString::number(n);
}

// "1" or "0", the Boolean texts of the Tovan server profile.
QString flagText(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

// A value of the registry layout as the editor profile writes it.
QString profileText(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool)
        return SettingsValue::booleanText(value.toBool());
    return value.toString();
}

bool endsInPlr(const QString& path) {
    return path.endsWith(QLatin1String("plr"), Qt::CaseSensitive);
}

template <typename T> bool assign(const std::optional<T>& value, T& field) {
    if (!value)
        return false;
    field = *value;
    return true;
}

bool deleteEverySection(clsProfile& profile) {
    for (const QString& section : profile.GetSectNames()) {
        if (!profile.DeleteSection(section))
            return false;
    }
    return true;
}

} // namespace

clsPellorData::clsPellorData(RegistryBackend& registry, qint32 variantNumber,
                             MessageFunction showMessage)
    : m_registry(registry), m_variant(variantNumber), m_showMessage(std::move(showMessage)) {
    Cleanup();
}

bool clsPellorData::isPellor() const {
    return m_variant == ProgramVariant::Pellor;
}

bool clsPellorData::isTovan() const {
    return m_variant == ProgramVariant::Tovan;
}

void clsPellorData::Cleanup() {
    m_iProcessPriority = 2;
    m_lLCID = 1024;
    m_bNotRepeatErr = false;
    m_iLogType = 2;
    m_strFileName.clear();
    m_strUDPParam = QStringLiteral("127.0.0.1:5196");
    m_iLogLevel = 1;
    m_bRACCapture = false;
    m_bDcomEnabled = true;
    m_bDDEEnabled = false;
    m_bCORBAEnabled = false;
    m_strCORBAOption.clear();
    m_bJNIEnabled = true;
    m_colRacOpt.clear();
    m_lOPCUAPortNumber = 4890;
    m_bOPCUAEnaAnonymous = false;
    m_bOPCUAEnaUserPw = false;
    m_strOPCUAUsername.clear();
    m_strOPCUAPassword.clear();
    m_colCoAPOpt.clear();
    m_bOPCUAEnaServer = true;
}

bool clsPellorData::ReadInfo(qint32 target) {
    switch (target) {
    case 0:
        return true;
    case 1:
        return ReadRegInfo() == 0;
    case 3:
        return ReadAppProfile() == 0;
    case 4:
        return ReadServerProfile() == 0;
    default:
        return false;
    }
}

bool clsPellorData::WriteInfo(qint32 target) {
    switch (target) {
    case 0:
        return true;
    case 1:
        return WriteRegInfo() == 0;
    case 3:
        return WriteAppProfile() == 0;
    case 4:
        return WriteServerProfile() == 0;
    default:
        return false;
    }
}

qint16 clsPellorData::ToLegacyPriority(qint32 priority) {
    switch (priority) {
    case 0:
        return 0;
    case 4:
        return 2;
    case 5:
        return 3;
    default:
        return 1;
    }
}

qint16 clsPellorData::FromLegacyPriority(qint32 legacy) {
    switch (legacy) {
    case 0:
        return 0;
    case 2:
        return 4;
    case 3:
        return 5;
    default:
        return 2;
    }
}

qint32 clsPellorData::ToStoredLogType(qint32 logType) {
    return logType < 5 ? logType : logType + 2;
}

qint32 clsPellorData::FromStoredLogType(qint32 stored) {
    return stored > 5 ? stored - 2 : stored;
}

QString clsPellorData::registryKeyPath() const {
    switch (m_variant) {
    case ProgramVariant::Ventor:
        return QStringLiteral("Software\\Ventor");
    case ProgramVariant::Kelvo:
        return QStringLiteral("Software\\Kelvo");
    case ProgramVariant::Tovan:
        return kTovanKey;
    default:
        return QStringLiteral("Software\\Pellor");
    }
}

QString clsPellorData::appProfilePath() const {
    QString base;
    switch (m_variant) {
    case ProgramVariant::Ventor:
        base = QStringLiteral("VentorConfig");
        break;
    case ProgramVariant::Kelvo:
        base = QStringLiteral("KelvoConfig");
        break;
    case ProgramVariant::Tovan:
        base = QStringLiteral("TovanConfig");
        break;
    default:
        base = ProgramPaths::programName();
        break;
    }
    return ProgramPaths::configFolder() + base + QStringLiteral(".ini");
}

QString clsPellorData::serverProfilePath() const {
    return ProgramPaths::withTrailingSlash(tovanDataFolder()) + QStringLiteral("Tovan.ini");
}

QString clsPellorData::proposedDocumentPath() const {
    switch (m_variant) {
    case ProgramVariant::Ventor:
        return QStringLiteral("Ventor.plr");
    case ProgramVariant::Kelvo:
        return QStringLiteral("Kelvo.plr");
    case ProgramVariant::Tovan: {
        const QString folder = tovanDataFolder();
        if (qEnvironmentVariable("Tovan").isEmpty())
            QDir().mkpath(folder); // errors are ignored: the dialog still starts there
        return ProgramPaths::withTrailingSlash(folder) + QStringLiteral("Tovan.plr");
    }
    default:
        return QStringLiteral("Pellor.plr");
    }
}

void clsPellorData::reportBadDocumentPath() {
    qCWarning(lcPellor).noquote() << "Stored document path" << m_strDataFilePath
                                  << "does not end in \"plr\"; it is cleared";
    m_strDataFilePath.clear();
    if (m_showMessage)
        m_showMessage(MessageBadDocumentPath, MessageStyle::OkOnly + MessageStyle::Exclamation);
}

// ---- Registry (target 1) ----

QList<std::pair<QString, QVariant>> clsPellorData::registryValues(bool withOptionLists) const {
    QList<std::pair<QString, QVariant>> values = {
        {QStringLiteral("DataPath"), m_strDataFilePath},
        {QStringLiteral("App.Path"), QCoreApplication::applicationDirPath()},
        {QStringLiteral("App.EXEName"), ProgramPaths::programName()},
        {QStringLiteral("ProcessPriorityEx"), int(m_iProcessPriority)},
        {QStringLiteral("ProcessPriority"), int(ToLegacyPriority(m_iProcessPriority))},
        {QStringLiteral("LCID"), m_lLCID},
        {QStringLiteral("NotRepeatError"), m_bNotRepeatErr},
        {QStringLiteral("LogType"), ToStoredLogType(m_iLogType)},
        {QStringLiteral("FileName"), m_strFileName},
        {QStringLiteral("UDPLogParam"), m_strUDPParam},
        {QStringLiteral("LogLevel"), int(m_iLogLevel)},
        {QStringLiteral("RACCapture"), m_bRACCapture},
        {QStringLiteral("DCOMEnabled"), m_bDcomEnabled},
        {QStringLiteral("DDEEnabled"), m_bDDEEnabled},
        {QStringLiteral("CORBAEnabled"), m_bCORBAEnabled},
        {QStringLiteral("CORBAOption"), m_strCORBAOption},
        {QStringLiteral("JNIEnabled"), m_bJNIEnabled},
    };
    if (!withOptionLists)
        return values;
    values.append({QStringLiteral("RACServerEnabled"), m_bRacEnabled});
    values.append({QStringLiteral("RACServerCount"), int(m_colRacOpt.size())});
    for (qsizetype i = 0; i < m_colRacOpt.size(); ++i)
        values.append({QStringLiteral("RACS") + number(i + 1), m_colRacOpt.at(i)});
    values.append({QStringLiteral("CoAPServerEnabled"), m_bCoAPEnabled});
    values.append({QStringLiteral("CoAPServerCount"), int(m_colCoAPOpt.size())});
    for (qsizetype i = 0; i < m_colCoAPOpt.size(); ++i)
        values.append({QStringLiteral("CoAPS") + number(i + 1), m_colCoAPOpt.at(i)});
    return values;
}

qint32 clsPellorData::WriteRegInfo() {
    clsRegKey key(m_registry);
    qint32 rc = key.OpenReg(HKEY_CLASSES_ROOT, registryKeyPath(), RegAccess::Write);
    if (rc != RegError::Success)
        return rc;
    for (const auto& [name, value] : registryValues(true)) {
        rc = key.SetValue(value, name);
        if (rc != RegError::Success)
            return rc;
    }
    return RegError::Success;
}

qint32 clsPellorData::ReadRegInfo() {
    const QString path = registryKeyPath();
    clsRegKey key(m_registry);
    qint32 rc = key.OpenReg(HKEY_CLASSES_ROOT, path, RegAccess::Read);
    if (rc != RegError::Success) {
        rc = key.CreateKey(HKEY_CLASSES_ROOT, path, RegOption::NonVolatile, RegAccess::AllAccess);
        if (rc != RegError::Success)
            return rc;
    }
    RegistryFieldReader values(key, path);

    QString dataPath;
    const Result pathRead = values.text(QStringLiteral("DataPath"), dataPath);
    if (pathRead == Result::Invalid)
        return RegError::InvalidData;
    if (pathRead == Result::Missing || dataPath.isEmpty())
        return RegError::Success;
    m_strDataFilePath = dataPath;
    if (!endsInPlr(m_strDataFilePath)) {
        reportBadDocumentPath();
        return RegError::Success;
    }

    qint32 priority = 0;
    Result r = values.longValue(QStringLiteral("ProcessPriorityEx"), priority);
    if (r == Result::Read) {
        if (priority >= 0 && priority <= 5)
            m_iProcessPriority = qint16(priority);
    } else if (r == Result::Missing) {
        r = values.longValue(QStringLiteral("ProcessPriority"), priority);
        if (r == Result::Read && priority >= 0 && priority <= 3)
            m_iProcessPriority = FromLegacyPriority(priority);
    }
    if (r == Result::Invalid)
        return RegError::InvalidData;

    qint16 lcid = 0;
    r = values.integer(QStringLiteral("LCID"), lcid);
    if (r == Result::Invalid)
        return RegError::InvalidData;
    if (r == Result::Read)
        m_lLCID = lcid;

    if (values.boolean(QStringLiteral("NotRepeatError"), m_bNotRepeatErr) == Result::Invalid)
        return RegError::InvalidData;
    qint16 logType = 0;
    r = values.integer(QStringLiteral("LogType"), logType);
    if (r == Result::Invalid)
        return RegError::InvalidData;
    if (r == Result::Read)
        m_iLogType = qint16(FromStoredLogType(logType));
    if (values.text(QStringLiteral("FileName"), m_strFileName) == Result::Invalid ||
        values.text(QStringLiteral("UDPLogParam"), m_strUDPParam) == Result::Invalid ||
        values.integer(QStringLiteral("LogLevel"), m_iLogLevel) == Result::Invalid ||
        values.boolean(QStringLiteral("RACCapture"), m_bRACCapture) == Result::Invalid ||
        values.boolean(QStringLiteral("DCOMEnabled"), m_bDcomEnabled) == Result::Invalid ||
        values.boolean(QStringLiteral("DDEEnabled"), m_bDDEEnabled) == Result::Invalid ||
        values.boolean(QStringLiteral("CORBAEnabled"), m_bCORBAEnabled) == Result::Invalid ||
        values.text(QStringLiteral("CORBAOption"), m_strCORBAOption) == Result::Invalid ||
        values.boolean(QStringLiteral("JNIEnabled"), m_bJNIEnabled) == Result::Invalid)
        return RegError::InvalidData;

    if (!isPellor()) {
        m_bRacEnabled = false;
        m_bCoAPEnabled = false;
        return RegError::Success;
    }
    const auto readList = [&](const QString& enabledName, bool& enabled, const QString& entryName,
                              QStringList& list) {
        if (values.boolean(enabledName, enabled) == Result::Invalid)
            return false;
        for (int n = 1;; ++n) {
            QString entry;
            const Result e = values.text(entryName + number(n), entry);
            if (e == Result::Invalid)
                return false;
            if (e == Result::Missing)
                return true;
            list.append(entry);
        }
    };
    if (!readList(QStringLiteral("RACServerEnabled"), m_bRacEnabled, QStringLiteral("RACS"),
                  m_colRacOpt) ||
        !readList(QStringLiteral("CoAPServerEnabled"), m_bCoAPEnabled, QStringLiteral("CoAPS"),
                  m_colCoAPOpt))
        return RegError::InvalidData;
    return RegError::Success;
}

qint32 clsPellorData::DeleteRegInfo() {
    clsRegKey key(m_registry);
    qint32 rc =
        key.CreateKey(HKEY_CLASSES_ROOT, registryKeyPath(), RegOption::NonVolatile,
                      RegAccess::QueryValue | RegAccess::SetValue | RegAccess::CreateSubKey);
    if (rc != RegError::Success)
        return rc;
    QStringList names;
    rc = key.EnumValueNames(names);
    if (rc != RegError::Success)
        return rc;
    qint32 status = RegError::Success;
    for (const QString& name : names) {
        rc = key.DeleteValue(name);
        if (rc != RegError::Success && status == RegError::Success)
            status = rc;
    }
    if (isTovan()) {
        key.CloseReg();
        rc = key.CreateKey(HKEY_CLASSES_ROOT, kTovanKey, RegOption::NonVolatile,
                           RegAccess::AllAccess);
        if (rc == RegError::Success)
            rc = key.SetValue(QString(), QStringLiteral("Cert.Path"));
        if (rc != RegError::Success && status == RegError::Success)
            status = rc;
    }
    return status;
}

qint32 clsPellorData::ReadReadTovanRegInfo() {
    clsRegKey key(m_registry);
    qint32 rc = key.OpenReg(HKEY_CLASSES_ROOT, kTovanKey, RegAccess::Read);
    if (rc != RegError::Success) {
        rc = key.CreateKey(HKEY_CLASSES_ROOT, kTovanKey, RegOption::NonVolatile,
                           RegAccess::AllAccess);
        if (rc != RegError::Success)
            return rc;
    }
    RegistryFieldReader values(key, kTovanKey);
    qint16 logType = 0;
    Result r = values.integer(QStringLiteral("LogType"), logType);
    if (r == Result::Read)
        m_iLogType = qint16(FromStoredLogType(logType));
    if (r == Result::Invalid ||
        values.text(QStringLiteral("FileName"), m_strFileName) == Result::Invalid ||
        values.text(QStringLiteral("UDPLogParam"), m_strUDPParam) == Result::Invalid ||
        values.integer(QStringLiteral("LogLevel"), m_iLogLevel) == Result::Invalid)
        return RegError::InvalidData;
    m_bRacEnabled = false;
    m_bCoAPEnabled = false;
    return RegError::Success;
}

// ---- Profiles (targets 3 and 4) ----

bool clsPellorData::writeServerSections(clsProfile& profile) const {
    const QList<std::tuple<QString, QString, QString>> keys = {
        {kSystem, QStringLiteral("ProcessPriorityEx"), number(m_iProcessPriority)},
        {kSystem, QStringLiteral("ProcessPriority"), number(ToLegacyPriority(m_iProcessPriority))},
        {kSystem, QStringLiteral("LCID"), number(m_lLCID)},
        {kLog, QStringLiteral("LogType"), number(ToStoredLogType(m_iLogType))},
        {kLog, QStringLiteral("FileName"), m_strFileName},
        {kLog, QStringLiteral("UDPLogParam"), m_strUDPParam},
        {kLog, QStringLiteral("LogLevel"), number(m_iLogLevel)},
        {kLog, QStringLiteral("NotRepeatError"), flagText(m_bNotRepeatErr)},
        {kServer, QStringLiteral("ServerPort"), number(m_lOPCUAPortNumber)},
        {kServer, QStringLiteral("AutoStart"), flagText(m_bOPCUAEnaServer)},
        {kLogon, QStringLiteral("AnonymousLogon"), flagText(m_bOPCUAEnaAnonymous)},
        {kLogon, QStringLiteral("UserLogon"), flagText(m_bOPCUAEnaUserPw)},
        {kLogon, QStringLiteral("UserName"), m_strOPCUAUsername},
        {kLogon, QStringLiteral("UserPassword"), m_strOPCUAPassword},
        {kPath, QStringLiteral("PLRPath"), m_strDataFilePath},
    };
    for (const auto& [section, key, text] : keys) {
        if (!profile.WriteString(section, key, text))
            return false;
    }
    return true;
}

qint32 clsPellorData::readServerSections(const clsProfile& profile, bool editorProfile) {
    const ProfileFieldReader keys(profile);

    std::optional<qint32> priority =
        keys.longValue(kSystem, QStringLiteral("ProcessPriorityEx"), QStringLiteral("-1"));
    if (!priority)
        return RegError::InvalidData;
    if (*priority == -1) {
        const std::optional<qint32> legacy =
            keys.longValue(kSystem, QStringLiteral("ProcessPriority"), QStringLiteral("1"));
        if (!legacy)
            return RegError::InvalidData;
        if (editorProfile)
            priority = FromLegacyPriority(*legacy);
        else if (*legacy >= 0 && *legacy <= 3)
            m_iProcessPriority = FromLegacyPriority(*legacy);
    }
    if (editorProfile)
        m_iProcessPriority = qint16(*priority >= 0 && *priority <= 5 ? *priority : 2);
    else if (*priority != -1 && *priority >= 0 && *priority <= 5)
        m_iProcessPriority = qint16(*priority);

    if (!assign(keys.longValue(kSystem, QStringLiteral("LCID"), QStringLiteral("1024")), m_lLCID))
        return RegError::InvalidData;
    const std::optional<qint16> logType = keys.integer(
        kLog, QStringLiteral("LogType"), editorProfile ? QStringLiteral("2") : number(m_iLogType));
    if (!logType)
        return RegError::InvalidData;
    m_iLogType = qint16(FromStoredLogType(*logType));
    m_strFileName =
        keys.text(kLog, QStringLiteral("FileName"), editorProfile ? QString() : m_strFileName);
    m_strUDPParam =
        keys.text(kLog, QStringLiteral("UDPLogParam"), editorProfile ? QString() : m_strUDPParam);
    if (!assign(keys.integer(kLog, QStringLiteral("LogLevel"),
                             editorProfile ? QStringLiteral("1") : number(m_iLogLevel)),
                m_iLogLevel) ||
        !assign(keys.flag(kLog, QStringLiteral("NotRepeatError"), QStringLiteral("0")),
                m_bNotRepeatErr) ||
        !assign(keys.longValue(kServer, QStringLiteral("ServerPort"), QStringLiteral("4890")),
                m_lOPCUAPortNumber) ||
        !assign(keys.flag(kServer, QStringLiteral("AutoStart"), QStringLiteral("1")),
                m_bOPCUAEnaServer) ||
        !assign(keys.flag(kLogon, QStringLiteral("AnonymousLogon"), QStringLiteral("0")),
                m_bOPCUAEnaAnonymous) ||
        !assign(keys.flag(kLogon, QStringLiteral("UserLogon"), QStringLiteral("0")),
                m_bOPCUAEnaUserPw))
        return RegError::InvalidData;
    m_strOPCUAUsername = keys.text(kLogon, QStringLiteral("UserName"), QString());
    m_strOPCUAPassword = keys.text(kLogon, QStringLiteral("UserPassword"), QString());
    m_strDataFilePath = keys.text(kPath, QStringLiteral("PLRPath"), QString());
    if (!editorProfile && !m_strDataFilePath.isEmpty() && !endsInPlr(m_strDataFilePath))
        reportBadDocumentPath();
    return RegError::Success;
}

qint32 clsPellorData::ReadAppProfile() {
    clsProfile profile;
    profile.setFileName(appProfilePath());
    const ProfileFieldReader keys(profile);

    if (!assign(keys.longValue(kWindow, QStringLiteral("WindowState"), QStringLiteral("0")),
                m_lWindowState) ||
        !assign(keys.longValue(kWindow, QStringLiteral("FormLeft"), QStringLiteral("200")),
                m_lFormLeft) ||
        !assign(keys.longValue(kWindow, QStringLiteral("FormTop"), QStringLiteral("200")),
                m_lFormTop) ||
        !assign(keys.longValue(kWindow, QStringLiteral("FormWidth"), QStringLiteral("9600")),
                m_lFormWidth) ||
        !assign(keys.longValue(kWindow, QStringLiteral("FormHeight"), QStringLiteral("7200")),
                m_lFormHeight))
        return RegError::InvalidData;

    if (isTovan())
        return readServerSections(profile, true);

    clsRegKey key(m_registry);
    if (key.CreateKey(HKEY_CLASSES_ROOT, registryKeyPath(), RegOption::NonVolatile,
                      RegAccess::AllAccess) != RegError::Success)
        return RegError::Success;
    key.CloseReg();

    const QString section = QStringLiteral("HKEY_CLASSES_ROOT\\") + registryKeyPath();
    m_strDataFilePath = keys.text(section, QStringLiteral("DataPath"), QString());
    std::optional<qint32> priority =
        keys.longValue(section, QStringLiteral("ProcessPriorityEx"), QStringLiteral("-1"));
    if (priority && *priority == -1) {
        const std::optional<qint32> legacy =
            keys.longValue(section, QStringLiteral("ProcessPriority"), QStringLiteral("1"));
        priority = legacy ? std::optional<qint32>(FromLegacyPriority(*legacy)) : std::nullopt;
    }
    if (!priority)
        return RegError::InvalidData;
    m_iProcessPriority = qint16(*priority >= 0 && *priority <= 5 ? *priority : 2);

    if (!assign(keys.longValue(section, QStringLiteral("LCID"), QStringLiteral("1024")), m_lLCID) ||
        !assign(keys.boolean(section, QStringLiteral("NotRepeatError"), QStringLiteral("False")),
                m_bNotRepeatErr))
        return RegError::InvalidData;
    const std::optional<qint16> logType =
        keys.integer(section, QStringLiteral("LogType"), QStringLiteral("2"));
    if (!logType)
        return RegError::InvalidData;
    m_iLogType = qint16(FromStoredLogType(*logType));
    m_strFileName = keys.text(section, QStringLiteral("FileName"), QString());
    m_strUDPParam = keys.text(section, QStringLiteral("UDPLogParam"), QString());
    if (!assign(keys.integer(section, QStringLiteral("LogLevel"), QStringLiteral("1")),
                m_iLogLevel) ||
        !assign(keys.boolean(section, QStringLiteral("RACCapture"), QStringLiteral("False")),
                m_bRACCapture) ||
        !assign(keys.boolean(section, QStringLiteral("DCOMEnabled"), QStringLiteral("True")),
                m_bDcomEnabled) ||
        !assign(keys.boolean(section, QStringLiteral("DDEEnabled"), QStringLiteral("False")),
                m_bDDEEnabled) ||
        !assign(keys.boolean(section, QStringLiteral("CORBAEnabled"), QStringLiteral("False")),
                m_bCORBAEnabled))
        return RegError::InvalidData;
    m_strCORBAOption = keys.text(section, QStringLiteral("CORBAOption"), QString());
    if (!assign(keys.boolean(section, QStringLiteral("JNIEnabled"),
                             SettingsValue::booleanText(m_bJNIEnabled)),
                m_bJNIEnabled))
        return RegError::InvalidData;

    if (!isPellor()) {
        m_bRacEnabled = false;
        m_bCoAPEnabled = false;
        return RegError::Success;
    }
    // The option lists are read from the registry only (whose reader appends to them).
    if (!assign(keys.boolean(section, QStringLiteral("RACServerEnabled"),
                             SettingsValue::booleanText(m_bRacEnabled)),
                m_bRacEnabled) ||
        !assign(keys.boolean(section, QStringLiteral("CoAPServerEnabled"),
                             SettingsValue::booleanText(m_bCoAPEnabled)),
                m_bCoAPEnabled))
        return RegError::InvalidData;
    return RegError::Success;
}

qint32 clsPellorData::WriteAppProfile() {
    clsProfile profile;
    profile.setFileName(appProfilePath());
    profile.setOwnerOnly(isTovan()); // it holds the OPC UA password
    QDir().mkpath(QFileInfo(profile.FileName()).absolutePath());

    if (!deleteEverySection(profile))
        return kProfileWriteFailed;
    const QList<std::pair<QString, qint32>> window = {
        {QStringLiteral("WindowState"), m_lWindowState},
        {QStringLiteral("FormLeft"), m_lFormLeft},
        {QStringLiteral("FormTop"), m_lFormTop},
        {QStringLiteral("FormWidth"), m_lFormWidth},
        {QStringLiteral("FormHeight"), m_lFormHeight},
    };
    for (const auto& [key, value] : window) {
        if (!profile.WriteString(kWindow, key, number(value)))
            return kProfileWriteFailed;
    }

    if (isTovan())
        return writeServerSections(profile) ? RegError::Success : kProfileWriteFailed;

    clsRegKey key(m_registry);
    if (key.CreateKey(HKEY_CLASSES_ROOT, registryKeyPath(), RegOption::NonVolatile,
                      RegAccess::AllAccess) != RegError::Success)
        return RegError::Success;
    key.CloseReg();

    const QString section = QStringLiteral("HKEY_CLASSES_ROOT\\") + registryKeyPath();
    for (const auto& [name, value] : registryValues(isPellor())) {
        if (!profile.WriteString(section, name, profileText(value)))
            return kProfileWriteFailed;
    }
    return RegError::Success;
}

qint32 clsPellorData::ReadServerProfile() {
    clsProfile profile;
    profile.setFileName(serverProfilePath());
    return readServerSections(profile, false);
}

qint32 clsPellorData::WriteServerProfile() {
    if (qEnvironmentVariable("Tovan").isEmpty()) {
        if (commonAppDataFolder().isEmpty())
            return RegError::PathNotFound;
        if (!QDir().mkpath(tovanDataFolder()))
            return kProfileWriteFailed;
    }
    clsProfile profile;
    profile.setFileName(serverProfilePath());
    profile.setOwnerOnly(true); // it holds the OPC UA password
    if (!deleteEverySection(profile))
        return kProfileWriteFailed;
    profile.Flush();
    return writeServerSections(profile) ? RegError::Success : kProfileWriteFailed;
}

} // namespace pellor
