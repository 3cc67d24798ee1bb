#include "core/persistence/DocumentOwner.h"

#include "core/app/ProgramState.h"
#include "core/model/NodeImages.h"
#include "core/model/NodeTree.h"
#include "core/model/clsPellorController.h"
#include "core/model/clsPellorGroup.h"
#include "core/model/clsPellorItem.h"
#include "core/model/clsPellorTriggerItem.h"
#include "core/model/clsPellorWorkspace.h"
#include "core/persistence/clsNodesSerializer.h"

namespace pellor {

DocumentOwner::DocumentOwner(ProgramState& state, clsNodesSerializer& serializer)
    : m_state(state), m_serializer(serializer) {}

ObjectRef DocumentOwner::CreateObjectByName(std::string_view name) {
    if (name == "clsPellorItem") {
        m_state.incrementItemCount();
        return std::make_shared<clsPellorItem>();
    }
    if (name == "clsPellorController") {
        m_state.incrementControllerCount();
        return std::make_shared<clsPellorController>();
    }
    if (name == "clsPellorGroup")
        return std::make_shared<clsPellorGroup>();
    if (name == "clsPellorWorkspace")
        return std::make_shared<clsPellorWorkspace>();
    if (name == "Collection")
        return std::make_shared<ObjectCollection>();
    if (name == "clsPellorTriggerItem")
        return std::make_shared<clsPellorTriggerItem>();
    if (name == "clsPellorTriggerInfo")
        return std::make_shared<clsPellorTriggerInfo>();
    // A class the document may not hold: its content would land in the wrong object.
    m_serializer.abortRead(QStringLiteral("unknown class <%1>")
                               .arg(QString::fromUtf8(name.data(), qsizetype(name.size()))));
    return {};
}

ObjectRef DocumentOwner::RequestTargetNode(std::string_view NodeName, const QString&,
                                           const QString&) {
    if (NodeName == "INodes" && m_serializer.Tag.text() == u"INodes")
        return m_tree;
    return {};
}

bool DocumentOwner::inspectsPropertyValue(const SerialObject& object, std::string_view name) const {
    // A text holding "," stays text; the number rules never read such a text as a number,
    // so only these values need a look before conversion.
    if (object.objectKind() == ObjectKind::Node)
        return name == "ForeColor";
    if (&object.classInfo() == &clsPellorItem::staticClassInfo())
        return name == "m_strVarName" || name == "IsGroupMember" || name == "m_strInitData";
    return false;
}

void DocumentOwner::LetPropertyValue(SerialObject& object, std::string_view name, Variant& value,
                                     bool& bDone) {
    if (object.objectKind() == ObjectKind::Node) {
        if (name == "ForeColor") {
            // The node and its object are complete: show the image the object calls for.
            auto& node = static_cast<TreeNode&>(object);
            SerialObject* tag = node.tag().get();
            if (dynamic_cast<clsPellorWorkspace*>(tag)) {
                node.setImage(NodeImages::RootPellor);
                node.setSelectedImage(NodeImages::RootPellor);
            } else if (auto* ctrl = dynamic_cast<clsPellorController*>(tag)) {
                NodeImages::DispTreeImageCtrl(node, ctrl->m_bEnabled, ctrl->m_lType);
            } else if (dynamic_cast<clsPellorItem*>(tag)) {
                NodeImages::LinkItemImage(node);
            }
        }
    } else if (&object.classInfo() == &clsPellorItem::staticClassInfo()) {
        auto* item = static_cast<clsPellorItem*>(&object);
        if (name == "m_strVarName") {
            if (m_progress)
                m_progress();
        } else if (name == "IsGroupMember") {
            if (const auto b = value.toBool())
                item->IsGroupMember = *b;
            bDone = true;
        } else if (name == "m_strInitData" && item->m_lInitDataType == 9) {
            bDone = true;
        }
    }
    if (const QString* s = value.stringPtr(); s && s->contains(u','))
        bDone = true;
}

} // namespace pellor
