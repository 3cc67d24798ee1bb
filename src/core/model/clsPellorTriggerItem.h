#pragma once

#include "core/model/ObjectCollection.h"
#include "core/model/clsPellorTriggerInfo.h"

#include <memory>

namespace pellor {

// One trigger of a controller: a name and its entries, keyed "0", "1", ... in the order
// they were added. A new trigger item holds two entries.
class clsPellorTriggerItem : public SerialObject {
public:
    clsPellorTriggerItem();

    static const ClassInfo& staticClassInfo();
    const ClassInfo& classInfo() const override { return staticClassInfo(); }

    QString m_strName;

    // Adds under the key Count (decimal); returns the new Count, or -1 when newItem is empty,
    // the key exists already or the add fails.
    qint32 add(const std::shared_ptr<clsPellorTriggerInfo>& newItem);
    // Creates and adds a new entry; empty on failure.
    std::shared_ptr<clsPellorTriggerInfo> AddNew();
    // Removes the entry whose key is Index in decimal; keys are not renumbered.
    void Remove(qint32 Index);
    // A number selects by position (1 is the first entry), a text by key; empty when there is
    // no such entry.
    std::shared_ptr<clsPellorTriggerInfo> Item(const Variant& IndexKey) const;
    qint32 Count() const { return m_entries.count(); }
    std::vector<ObjectRef> NewEnum() const { return m_entries.enumerate(); }

private:
    bool methodAdd(const std::vector<Variant>& args, Variant& result);
    bool methodAddNew(const std::vector<Variant>& args, Variant& result);
    bool methodRemove(const std::vector<Variant>& args, Variant& result);
    bool methodItem(const std::vector<Variant>& args, Variant& result);

    ObjectCollection m_entries;
};

} // namespace pellor
