#include "core/model/clsPellorTriggerItem.h"

#include "core/model/MemberTable.h"

namespace pellor {

clsPellorTriggerItem::clsPellorTriggerItem() {
    add(std::make_shared<clsPellorTriggerInfo>());
    add(std::make_shared<clsPellorTriggerInfo>());
}

const ClassInfo& clsPellorTriggerItem::staticClassInfo() {
    using namespace members;
    using C = clsPellorTriggerItem;
    static const ClassInfo info("clsPellorTriggerItem", {
                                                            PELLOR_FIELD(C, m_strName),
                                                            enumerator<&C::NewEnum>("NewEnum"),
                                                            readOnly<&C::Count>("Count"),
                                                            method<C, &C::methodAdd>("add"),
                                                            method<C, &C::methodAddNew>("AddNew"),
                                                            method<C, &C::methodRemove>("Remove"),
                                                            method<C, &C::methodItem>("Item"),
                                                        });
    return info;
}

qint32 clsPellorTriggerItem::add(const std::shared_ptr<clsPellorTriggerInfo>& newItem) {
    if (!newItem)
        return -1;
    if (!m_entries.add(newItem, QString::number(Count())))
        return -1;
    return Count();
}

std::shared_ptr<clsPellorTriggerInfo> clsPellorTriggerItem::AddNew() {
    auto entry = std::make_shared<clsPellorTriggerInfo>();
    if (add(entry) < 0)
        return {};
    return entry;
}

void clsPellorTriggerItem::Remove(qint32 Index) {
    m_entries.remove(QString::number(Index));
}

std::shared_ptr<clsPellorTriggerInfo> clsPellorTriggerItem::Item(const Variant& IndexKey) const {
    ObjectRef o;
    if (IndexKey.isNumber()) {
        if (const auto pos = IndexKey.toLong())
            o = m_entries.item(*pos);
    } else {
        o = m_entries.item(IndexKey.text());
    }
    return std::dynamic_pointer_cast<clsPellorTriggerInfo>(o);
}

bool clsPellorTriggerItem::methodAdd(const std::vector<Variant>& args, Variant& result) {
    if (args.size() != 1)
        return false;
    result = add(std::dynamic_pointer_cast<clsPellorTriggerInfo>(args[0].toObject()));
    return true;
}

bool clsPellorTriggerItem::methodAddNew(const std::vector<Variant>& args, Variant& result) {
    if (!args.empty())
        return false;
    result = Variant(ObjectRef(AddNew()));
    return true;
}

bool clsPellorTriggerItem::methodRemove(const std::vector<Variant>& args, Variant& result) {
    if (args.size() != 1)
        return false;
    const auto index = args[0].toLong();
    if (!index)
        return false;
    Remove(*index);
    result = Variant();
    return true;
}

bool clsPellorTriggerItem::methodItem(const std::vector<Variant>& args, Variant& result) {
    if (args.size() != 1)
        return false;
    result = Variant(ObjectRef(Item(args[0])));
    return true;
}

} // namespace pellor
