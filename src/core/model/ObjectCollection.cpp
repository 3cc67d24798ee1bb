#include "core/model/ObjectCollection.h"

#include "core/model/MemberTable.h"

namespace pellor {

const ClassInfo& ObjectCollection::staticClassInfo() {
    using namespace members;
    static const ClassInfo info(
        "Collection", {
                          method<ObjectCollection, &ObjectCollection::methodAdd>("Add"),
                          method<ObjectCollection, &ObjectCollection::methodCount>("Count"),
                          method<ObjectCollection, &ObjectCollection::methodItem>("Item"),
                          method<ObjectCollection, &ObjectCollection::methodRemove>("Remove"),
                          enumerator<&ObjectCollection::enumerate>("_NewEnum"),
                      });
    return info;
}

qsizetype ObjectCollection::indexOfKey(const QString& key) const {
    const QString folded = key.toCaseFolded();
    for (qsizetype i = 0; i < qsizetype(m_entries.size()); ++i)
        if (!m_entries[size_t(i)].key.isEmpty() && m_entries[size_t(i)].key == folded)
            return i;
    return -1;
}

bool ObjectCollection::add(ObjectRef object, const QString& key) {
    if (!object)
        return false;
    if (!key.isEmpty() && indexOfKey(key) >= 0)
        return false;
    m_entries.push_back({key.toCaseFolded(), std::move(object)});
    return true;
}

ObjectRef ObjectCollection::item(qint32 position) const {
    if (position < 1 || position > count())
        return {};
    return m_entries[size_t(position - 1)].object;
}

ObjectRef ObjectCollection::item(const QString& key) const {
    const qsizetype i = key.isEmpty() ? -1 : indexOfKey(key);
    return i < 0 ? ObjectRef() : m_entries[size_t(i)].object;
}

bool ObjectCollection::containsKey(const QString& key) const {
    return !key.isEmpty() && indexOfKey(key) >= 0;
}

bool ObjectCollection::remove(qint32 position) {
    if (position < 1 || position > count())
        return false;
    m_entries.erase(m_entries.begin() + (position - 1));
    return true;
}

bool ObjectCollection::remove(const QString& key) {
    const qsizetype i = key.isEmpty() ? -1 : indexOfKey(key);
    if (i < 0)
        return false;
    m_entries.erase(m_entries.begin() + i);
    return true;
}

void ObjectCollection::clear() {
    m_entries.clear();
}

std::vector<ObjectRef> ObjectCollection::enumerate() const {
    std::vector<ObjectRef> r;
    r.reserve(m_entries.size());
    for (const Entry& e : m_entries)
        r.push_back(e.object);
    return r;
}

bool ObjectCollection::methodAdd(const std::vector<Variant>& args, Variant& result) {
    if (args.empty() || args.size() > 2)
        return false;
    const QString key = args.size() == 2 ? args[1].text() : QString();
    result = Variant();
    return add(args[0].toObject(), key);
}

bool ObjectCollection::methodCount(const std::vector<Variant>& args, Variant& result) {
    if (!args.empty())
        return false;
    result = count();
    return true;
}

bool ObjectCollection::methodItem(const std::vector<Variant>& args, Variant& result) {
    if (args.size() != 1)
        return false;
    ObjectRef o;
    if (args[0].isNumber()) {
        const auto pos = args[0].toLong();
        o = pos ? item(*pos) : ObjectRef();
    } else {
        o = item(args[0].text());
    }
    if (!o)
        return false; // a collection raises an error for a missing entry
    result = o;
    return true;
}

bool ObjectCollection::methodRemove(const std::vector<Variant>& args, Variant& result) {
    if (args.size() != 1)
        return false;
    result = Variant();
    if (args[0].isNumber()) {
        const auto pos = args[0].toLong();
        return pos && remove(*pos);
    }
    return remove(args[0].text());
}

} // namespace pellor
