#pragma once

#include "core/model/Variant.h"

#include <string_view>
#include <vector>

namespace pellor {

class SerialObject;

// Declared type of a member, as the class's interface describes it.
enum class MemberType { String, Boolean, Integer, Long, Single, Double, Variant, Object };

enum class MemberKind {
    Property,   // read (and possibly written) without arguments
    Enumerator, // enumerates the members of a collection class
    Method      // called with arguments; never written
};

// One entry of a class's ordered member table.
struct MemberInfo {
    const char* name = nullptr;
    std::string_view nameView; // name with its length, filled in by ClassInfo
    MemberKind kind = MemberKind::Property;
    MemberType type = MemberType::Variant;
    bool readOnly = false;
    Variant (*get)(const SerialObject&) = nullptr;
    bool (*set)(SerialObject&, const Variant&) = nullptr;
    std::vector<ObjectRef> (*enumerate)(const SerialObject&) = nullptr;
    // Methods: false when the call fails (wrong arguments, no such entry to remove, ...).
    bool (*invoke)(SerialObject&, const std::vector<Variant>& args, Variant& result) = nullptr;
};

} // namespace pellor
