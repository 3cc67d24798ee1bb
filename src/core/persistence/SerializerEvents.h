#pragma once

#include "core/model/SerialObject.h"

#include <string_view>

namespace pellor {

// What the owner of a clsNodesSerializer answers while it reads and writes. Every handler
// has a neutral default, so an owner overrides only what it steers. Names are UTF-8.
class SerializerEvents {
public:
    virtual ~SerializerEvents() = default;

    // Reading: a new object of the class named ObjectName, or nothing for an unknown name.
    virtual ObjectRef CreateObjectByName(std::string_view ObjectName) { return {}; }
    // Reading: the object that takes the root element's content when no target object was
    // given; nothing refuses the data and ends the reading as failed.
    virtual ObjectRef RequestTargetNode(std::string_view NodeName, const QString& sType,
                                        const QString& sName) {
        return {};
    }
    // Writing: may change the value about to be written.
    virtual void GetProperty(const SerialObject& oSourceObject, std::string_view sName,
                             Variant& vValue) {}
    // Reading: whether LetPropertyValue wants to see this property's text. An owner that
    // answers false for most names lets the reader convert those values without a detour.
    virtual bool inspectsPropertyValue(const SerialObject& oSourceObject,
                                       std::string_view sName) const {
        return true;
    }
    // Reading, before a value is converted; bDone keeps it as text.
    virtual void LetPropertyValue(SerialObject& oSourceObject, std::string_view sName,
                                  Variant& vValue, bool& bDone) {}
    // Reading, before a simple property is set; clearing bCommit stops the assignment.
    virtual void LetProperty(SerialObject& oSourceObject, std::string_view sName, Variant& vValue,
                             bool& bCommit) {}
    // Reading, before an object is stored in a property; clearing bCommit stops it.
    virtual void SetProperty(SerialObject& oSourceObject, std::string_view sName, Variant& vValue,
                             bool& bCommit) {}
};

} // namespace pellor
