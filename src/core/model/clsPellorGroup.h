#pragma once

#include "core/model/SerialObject.h"

namespace pellor {

// A named group of items of one controller.
class clsPellorGroup : public SerialObject {
public:
    clsPellorGroup() { Cleanup(); }

    static const ClassInfo& staticClassInfo();
    const ClassInfo& classInfo() const override { return staticClassInfo(); }

    bool Initialize(const QString& CtrlName, const QString& GrpName);
    void Cleanup() { m_strGrpName.clear(); }
    qint16 ClassAttribute() const { return 3; }

    QString m_strGrpName;  // group name (node text)
    QString m_strCtrlName; // tree name of the owning controller
};

} // namespace pellor
