#pragma once

#include "core/model/SerialObject.h"

#include <QString>
#include <vector>

namespace pellor {

// An ordered collection of objects with optional text keys (type name "Collection"). Keys
// are unique and compared without regard to case; positions are 1-based.
class ObjectCollection : public SerialObject {
public:
    static const ClassInfo& staticClassInfo();
    const ClassInfo& classInfo() const override { return staticClassInfo(); }
    ObjectKind objectKind() const override { return ObjectKind::Collection; }

    // False when the key is already used or the object is empty.
    bool add(ObjectRef object, const QString& key = QString());
    qint32 count() const { return qint32(m_entries.size()); }
    // By position (1-based); empty when out of range.
    ObjectRef item(qint32 position) const;
    // By key; empty when there is no such key.
    ObjectRef item(const QString& key) const;
    bool containsKey(const QString& key) const;
    bool remove(qint32 position);
    bool remove(const QString& key);
    void clear();
    std::vector<ObjectRef> enumerate() const;

    // Interface methods: Add(item [, key]), Item(index or key), Remove(index or key), Count.
    bool methodAdd(const std::vector<Variant>& args, Variant& result);
    bool methodItem(const std::vector<Variant>& args, Variant& result);
    bool methodRemove(const std::vector<Variant>& args, Variant& result);
    bool methodCount(const std::vector<Variant>& args, Variant& result);

private:
    struct Entry {
        QString key; // case-folded, empty when the entry has none
        ObjectRef object;
    };
    qsizetype indexOfKey(const QString& key) const;
    std::vector<Entry> m_entries;
};

} // namespace pellor
