#include "core/model/clsPellorTriggerInfo.h"

#include "core/model/MemberTable.h"

namespace pellor {

const ClassInfo& clsPellorTriggerInfo::staticClassInfo() {
    using C = clsPellorTriggerInfo;
    static const ClassInfo info("clsPellorTriggerInfo", {
                                                            PELLOR_FIELD(C, m_lAction),
                                                            PELLOR_FIELD(C, m_strExeFile),
                                                            PELLOR_FIELD(C, m_strExeParams),
                                                            PELLOR_FIELD(C, m_lCondition),
                                                            PELLOR_FIELD(C, m_strThreshold),
                                                        });
    return info;
}

} // namespace pellor
