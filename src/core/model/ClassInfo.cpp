#include "core/model/ClassInfo.h"

#include <algorithm>
#include <cctype>

namespace pellor {

namespace {
std::string folded(std::string_view s) {
    std::string r(s);
    std::transform(r.begin(), r.end(), r.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return r;
}
} // namespace

ClassInfo::ClassInfo(const char* typeName, std::vector<MemberInfo> members)
    : m_typeName(QString::fromLatin1(typeName)), m_typeNameUtf8(typeName),
      m_members(std::move(members)) {
    for (MemberInfo& m : m_members)
        m.nameView = m.name;
    for (const MemberInfo& m : m_members) {
        m_byName.emplace(m.name, &m);
        m_byFoldedName.emplace(folded(m.name), &m);
        if (m.kind == MemberKind::Enumerator && !m_enumerator)
            m_enumerator = &m;
    }
}

const MemberInfo* ClassInfo::find(std::string_view name) const {
    if (auto it = m_byName.find(name); it != m_byName.end())
        return it->second;
    if (auto it = m_byFoldedName.find(folded(name)); it != m_byFoldedName.end())
        return it->second;
    return nullptr;
}

} // namespace pellor
