#pragma once

#include "core/model/ObjectCollection.h"

#include <memory>

namespace pellor {

// One controller reached through a Quarn provider. A new controller holds one trigger item
// in m_mapTrigger and has all defaults set.
class clsPellorController : public SerialObject {
public:
    clsPellorController();
    ~clsPellorController() override;

    static const ClassInfo& staticClassInfo();
    const ClassInfo& classInfo() const override { return staticClassInfo(); }

    // Sets the defaults, then RSQLCtrlName and m_strCtrlName to CtrlName.
    bool Initialize(const QString& CtrlName);
    void Cleanup();
    // A new controller named NewName with this one's connection and behaviour settings.
    std::shared_ptr<clsPellorController> Copy(const QString& NewName) const;
    qint16 ClassAttribute() const { return 1; }

    static const QString& defaultScript();

    QString m_strProvider;
    QString m_strMachine;
    QString m_strCtrlName;
    QString m_strParam;
    qint32 m_lSamplingRate = 300;
    bool m_bDistribute = false;
    bool m_bDescription = true;
    QString m_strDescription;
    bool m_bEnabled = true;
    qint32 m_lImageIndex = 1;
    bool m_bStartup = true;
    bool m_bUseHistory = true;
    qint32 m_lPriority = 3;
    qint32 m_lType = 0; // 0 plain, 1 alias; not reset by Cleanup
    qint32 m_lTimeStamp = 2;
    bool m_bWriteToCache = false;
    bool m_bWDT = false;
    qint32 m_lWDTCount = 3;
    qint32 m_lWDTAction = 0;
    bool m_bUseTrigger = false;
    std::shared_ptr<ObjectCollection> m_mapTrigger; // of clsPellorTriggerItem; not reset
    bool m_bAutoReconn = false;
    qint32 m_lRecCount = 10;
    Variant m_lRecInterval = qint16(60);
    bool m_bScript = false;
    QString m_strScript;
    bool m_bNotSafeMode = false;
    QString RSQLCtrlName; // name in the tree; not reset
};

} // namespace pellor
