#pragma once

#include "core/model/SerialObject.h"

namespace pellor {

// One entry of a trigger: a comparison of a value and the action taken.
class clsPellorTriggerInfo : public SerialObject {
public:
    static const ClassInfo& staticClassInfo();
    const ClassInfo& classInfo() const override { return staticClassInfo(); }

    qint32 m_lAction = 0;     // 0 no action, 1 start, 2 stop, 3 one time, 4 run a file
    QString m_strExeFile;     // file run by action 4
    QString m_strExeParams;   // its parameters
    qint32 m_lCondition = -1; // -1 none, 0 "==", 1 "!=", 2 "<", 3 ">", 4 "<=", 5 ">="
    QString m_strThreshold;   // value compared with
};

} // namespace pellor
