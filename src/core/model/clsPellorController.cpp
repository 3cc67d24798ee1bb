#include "core/model/clsPellorController.h"

#include "core/model/MemberTable.h"
#include "core/model/clsPellorTriggerItem.h"

namespace pellor {

clsPellorController::clsPellorController() : m_mapTrigger(std::make_shared<ObjectCollection>()) {
    m_mapTrigger->add(std::make_shared<clsPellorTriggerItem>());
    Cleanup();
}

clsPellorController::~clsPellorController() = default;

const ClassInfo& clsPellorController::staticClassInfo() {
    using namespace members;
    using C = clsPellorController;
    static const ClassInfo info(
        "clsPellorController",
        {
            PELLOR_FIELD(C, m_strProvider),   PELLOR_FIELD(C, m_strMachine),
            PELLOR_FIELD(C, m_strCtrlName),   PELLOR_FIELD(C, m_strParam),
            PELLOR_FIELD(C, m_lSamplingRate), PELLOR_FIELD(C, m_bDistribute),
            PELLOR_FIELD(C, m_bDescription),  PELLOR_FIELD(C, m_strDescription),
            PELLOR_FIELD(C, m_bEnabled),      PELLOR_FIELD(C, m_lImageIndex),
            PELLOR_FIELD(C, m_bStartup),      PELLOR_FIELD(C, m_bUseHistory),
            PELLOR_FIELD(C, m_lPriority),     PELLOR_FIELD(C, m_lType),
            PELLOR_FIELD(C, m_lTimeStamp),    PELLOR_FIELD(C, m_bWriteToCache),
            PELLOR_FIELD(C, m_bWDT),          PELLOR_FIELD(C, m_lWDTCount),
            PELLOR_FIELD(C, m_lWDTAction),    PELLOR_FIELD(C, m_bUseTrigger),
            PELLOR_FIELD(C, m_mapTrigger),    PELLOR_FIELD(C, m_bAutoReconn),
            PELLOR_FIELD(C, m_lRecCount),     PELLOR_FIELD(C, m_lRecInterval),
            PELLOR_FIELD(C, m_bScript),       PELLOR_FIELD(C, m_strScript),
            PELLOR_FIELD(C, m_bNotSafeMode),  readOnly<&C::ClassAttribute>("ClassAttribute"),
            PELLOR_FIELD(C, RSQLCtrlName),
        });
    return info;
}

const QString& clsPellorController::defaultScript() {
    static const QString script =
        QStringLiteral("Sub Main()\r\n"
                       "\t' MyCtrl(\"I1\").Value = 123\r\n"
                       "\t' MyCtrl(\"I2\").Value = MyCtrl(\"I1\").Value\r\n"
                       "End Sub");
    return script;
}

void clsPellorController::Cleanup() {
    m_strProvider.clear();
    m_strMachine.clear();
    m_strCtrlName.clear();
    m_strParam.clear();
    m_lSamplingRate = 300;
    m_bDistribute = false;
    m_bDescription = true;
    m_strDescription.clear();
    m_bEnabled = true;
    m_lImageIndex = 1;
    m_bStartup = true;
    m_bUseHistory = true;
    m_lPriority = 3;
    m_lTimeStamp = 2;
    m_bWriteToCache = false;
    m_bWDT = false;
    m_lWDTCount = 3;
    m_lWDTAction = 0;
    m_bUseTrigger = false;
    m_bAutoReconn = false;
    m_lRecCount = 10;
    m_lRecInterval = qint16(60);
    m_bScript = false;
    m_strScript = defaultScript();
    m_bNotSafeMode = false;
}

bool clsPellorController::Initialize(const QString& CtrlName) {
    Cleanup();
    RSQLCtrlName = CtrlName;
    m_strCtrlName = CtrlName;
    return true;
}

std::shared_ptr<clsPellorController> clsPellorController::Copy(const QString& NewName) const {
    auto c = std::make_shared<clsPellorController>();
    c->Initialize(NewName);
    c->m_bEnabled = m_bEnabled;
    c->m_bStartup = m_bStartup;
    c->m_bUseHistory = m_bUseHistory;
    c->m_lPriority = m_lPriority;
    c->m_lTimeStamp = m_lTimeStamp;
    c->m_lSamplingRate = m_lSamplingRate;
    c->m_bDistribute = m_bDistribute;
    c->m_lImageIndex = m_lImageIndex;
    c->m_bWriteToCache = m_bWriteToCache;
    c->m_lWDTCount = m_lWDTCount;
    c->m_lWDTAction = m_lWDTAction;
    c->m_strCtrlName = m_strCtrlName;
    c->m_strMachine = m_strMachine;
    c->m_strParam = m_strParam;
    c->m_strProvider = m_strProvider;
    c->m_bDescription = m_bDescription;
    c->m_strDescription = m_strDescription;
    c->m_bUseTrigger = m_bUseTrigger;
    return c;
}

} // namespace pellor
