#pragma once

#include "core/model/ClassInfo.h"
#include "core/model/Variant.h"

namespace pellor {

// How the serializer treats an object beyond its member table.
enum class ObjectKind {
    Plain,          // members only
    Collection,     // a plain object collection ("Collection")
    NodeCollection, // the tree's node collection ("INodes")
    Node            // a tree node ("INode")
};

// Base of every object the serializer can write and rebuild. Objects are shared by
// reference (ObjectRef), as automation objects are.
class SerialObject {
public:
    virtual ~SerialObject() = default;
    virtual const ClassInfo& classInfo() const = 0;
    virtual ObjectKind objectKind() const { return ObjectKind::Plain; }

    const QString& typeName() const { return classInfo().typeName(); }

    // Property access by name; false when there is no such property, it is read-only or the
    // value does not convert to its type.
    bool getProperty(std::string_view name, Variant& value) const;
    bool setProperty(std::string_view name, const Variant& value);
    // Calls a method by name; false when there is none or the call fails.
    bool invoke(std::string_view name, const std::vector<Variant>& args, Variant& result);
};

} // namespace pellor
