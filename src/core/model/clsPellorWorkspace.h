#pragma once

#include "core/model/SerialObject.h"

namespace pellor {

// The root of the configuration: engine connection, history databases, UPnP description.
// A new object is empty (no construction step) until Initialize is called.
class clsPellorWorkspace : public SerialObject {
public:
    static const ClassInfo& staticClassInfo();
    const ClassInfo& classInfo() const override { return staticClassInfo(); }

    void Initialize() { Cleanup(); }
    void Cleanup();
    qint16 ClassAttribute() const { return 0; }

    static const QString& defaultQuarnHost();
    static const QString& defaultConsortiumUrl();

    QString m_strQuarnHost;
    qint32 m_lRetryCnt = 0;
    qint32 m_lRetryInterval = 0;
    QString m_strHistoryADOCon;
    QString m_strTableName;
    qint32 m_lMaxRecord = 0;
    QString m_strHistoryADOCon2nd;
    QString m_strTableName2nd;
    qint32 m_lMaxRecord2nd = 0;
    qint32 m_lTableType = 0;
    bool m_bEnableHistory = false;
    bool m_bAutoSwitch = false;
    bool m_bSysInfo = false;
    bool m_bNoConvToBstr = false;
    bool m_bBlobToFile = false;
    QString m_strDefCtrlName; // not reset by Cleanup
    QString m_strDeviceType;
    QString m_strFriendlyName;
    QString m_strManufacturer;
    QString m_strManufacturerURL;
    QString m_strModelDescription;
    QString m_strModelName;
    QString m_strModelNumber;
    QString m_strModelURL;
    QString m_strSerialNumber;
    QString m_strUDN;
    QString m_strUPC;
    QString m_strPresentationURL;
};

} // namespace pellor
