#include "core/model/clsPellorWorkspace.h"

#include "core/model/MemberTable.h"

namespace pellor {

const ClassInfo& clsPellorWorkspace::staticClassInfo() {
    using namespace members;
    using C = clsPellorWorkspace;
    static const ClassInfo info("clsPellorWorkspace",
                                {
                                    PELLOR_FIELD(C, m_strQuarnHost),
                                    PELLOR_FIELD(C, m_lRetryCnt),
                                    PELLOR_FIELD(C, m_lRetryInterval),
                                    PELLOR_FIELD(C, m_strHistoryADOCon),
                                    PELLOR_FIELD(C, m_strTableName),
                                    PELLOR_FIELD(C, m_lMaxRecord),
                                    PELLOR_FIELD(C, m_strHistoryADOCon2nd),
                                    PELLOR_FIELD(C, m_strTableName2nd),
                                    PELLOR_FIELD(C, m_lMaxRecord2nd),
                                    PELLOR_FIELD(C, m_lTableType),
                                    PELLOR_FIELD(C, m_bEnableHistory),
                                    PELLOR_FIELD(C, m_bAutoSwitch),
                                    PELLOR_FIELD(C, m_bSysInfo),
                                    PELLOR_FIELD(C, m_bNoConvToBstr),
                                    PELLOR_FIELD(C, m_bBlobToFile),
                                    PELLOR_FIELD(C, m_strDefCtrlName),
                                    PELLOR_FIELD(C, m_strDeviceType),
                                    PELLOR_FIELD(C, m_strFriendlyName),
                                    PELLOR_FIELD(C, m_strManufacturer),
                                    PELLOR_FIELD(C, m_strManufacturerURL),
                                    PELLOR_FIELD(C, m_strModelDescription),
                                    PELLOR_FIELD(C, m_strModelName),
                                    PELLOR_FIELD(C, m_strModelNumber),
                                    PELLOR_FIELD(C, m_strModelURL),
                                    PELLOR_FIELD(C, m_strSerialNumber),
                                    PELLOR_FIELD(C, m_strUDN),
                                    PELLOR_FIELD(C, m_strUPC),
                                    PELLOR_FIELD(C, m_strPresentationURL),
                                    readOnly<&C::ClassAttribute>("ClassAttribute"),
                                });
    return info;
}

const QString& clsPellorWorkspace::defaultQuarnHost() {
    static const QString host = QStringLiteral("localhost");
    return host;
}

const QString& clsPellorWorkspace::defaultConsortiumUrl() {
    static const QString url = QStringLiteral("http://www.nimbal.org/");
    return url;
}

void clsPellorWorkspace::Cleanup() {
    m_strQuarnHost = defaultQuarnHost();
    m_lRetryCnt = 0;
    m_lRetryInterval = 3000;
    m_strHistoryADOCon.clear();
    m_strTableName.clear();
    m_lMaxRecord = 0;
    m_strHistoryADOCon2nd.clear();
    m_strTableName2nd.clear();
    m_lMaxRecord2nd = 0;
    m_lTableType = 0;
    m_bEnableHistory = false;
    m_bAutoSwitch = false;
    m_bSysInfo = false;
    m_bNoConvToBstr = false;
    m_bBlobToFile = false;
    m_strDeviceType = QStringLiteral("urn:schemas-upnp-org:device:Basic:1");
    m_strFriendlyName = QStringLiteral("Nimbal Device");
    m_strManufacturer = QStringLiteral("Nimbal Consortium");
    m_strManufacturerURL = defaultConsortiumUrl();
    m_strModelDescription = QStringLiteral("QUARN-UPnP Device");
    m_strModelName = QStringLiteral("Kelvo");
    m_strModelNumber = QStringLiteral("KLVO-1");
    m_strModelURL = defaultConsortiumUrl();
    m_strSerialNumber = QStringLiteral("0001");
    m_strUDN = QStringLiteral("uuid:");
    m_strUPC = QStringLiteral("00000001");
    m_strPresentationURL.clear();
}

} // namespace pellor
