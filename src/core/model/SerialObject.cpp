#include "core/model/SerialObject.h"

namespace pellor {

bool SerialObject::getProperty(std::string_view name, Variant& value) const {
    const MemberInfo* m = classInfo().find(name);
    if (!m || m->kind != MemberKind::Property || !m->get)
        return false;
    value = m->get(*this);
    return true;
}

bool SerialObject::setProperty(std::string_view name, const Variant& value) {
    const MemberInfo* m = classInfo().find(name);
    if (!m || m->kind != MemberKind::Property || m->readOnly || !m->set)
        return false;
    return m->set(*this, value);
}

bool SerialObject::invoke(std::string_view name, const std::vector<Variant>& args,
                          Variant& result) {
    const MemberInfo* m = classInfo().find(name);
    if (!m || m->kind != MemberKind::Method || !m->invoke)
        return false;
    return m->invoke(*this, args, result);
}

} // namespace pellor
