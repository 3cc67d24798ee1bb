#include "core/model/clsPellorGroup.h"

#include "core/model/MemberTable.h"

namespace pellor {

const ClassInfo& clsPellorGroup::staticClassInfo() {
    using namespace members;
    using C = clsPellorGroup;
    static const ClassInfo info("clsPellorGroup",
                                {
                                    PELLOR_FIELD(C, m_strGrpName),
                                    PELLOR_FIELD(C, m_strCtrlName),
                                    readOnly<&C::ClassAttribute>("ClassAttribute"),
                                });
    return info;
}

bool clsPellorGroup::Initialize(const QString& CtrlName, const QString& GrpName) {
    Cleanup();
    m_strCtrlName = CtrlName;
    m_strGrpName = GrpName;
    return true;
}

} // namespace pellor
