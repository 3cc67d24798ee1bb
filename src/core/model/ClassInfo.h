#pragma once

#include "core/model/MemberInfo.h"

#include <QString>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace pellor {

// The interface description of one class: its type name and its members in declaration
// order, with a lookup by name built once.
class ClassInfo {
public:
    ClassInfo(const char* typeName, std::vector<MemberInfo> members);

    const QString& typeName() const { return m_typeName; }
    const char* typeNameUtf8() const { return m_typeNameUtf8; }
    const std::vector<MemberInfo>& members() const { return m_members; }

    // Exact name first, then without regard to case (names of an automation interface are
    // not case-sensitive). nullptr when there is no such member.
    const MemberInfo* find(std::string_view name) const;
    const MemberInfo* enumerator() const { return m_enumerator; }

private:
    QString m_typeName;
    const char* m_typeNameUtf8;
    std::vector<MemberInfo> m_members;
    std::unordered_map<std::string_view, const MemberInfo*> m_byName;
    std::unordered_map<std::string, const MemberInfo*> m_byFoldedName;
    const MemberInfo* m_enumerator = nullptr;
};

} // namespace pellor
