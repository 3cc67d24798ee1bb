#pragma once

#include "core/persistence/SerializerEvents.h"

#include <functional>
#include <memory>

namespace pellor {

class NodeTree;
class ProgramState;
class clsNodesSerializer;

// The configuration document's answers to the serializer: which classes it may create
// (counting controllers and items), the tree that takes the root element, the values that
// stay text, and the node images chosen once a node and its object are complete.
class DocumentOwner : public SerializerEvents {
public:
    DocumentOwner(ProgramState& state, clsNodesSerializer& serializer);

    void setTree(std::shared_ptr<NodeTree> tree) { m_tree = std::move(tree); }
    // Called as items are read, so a window can show the elapsed time.
    void setProgressHandler(std::function<void()> handler) { m_progress = std::move(handler); }

    ObjectRef CreateObjectByName(std::string_view ObjectName) override;
    ObjectRef RequestTargetNode(std::string_view NodeName, const QString& sType,
                                const QString& sName) override;
    bool inspectsPropertyValue(const SerialObject& oSourceObject,
                               std::string_view sName) const override;
    void LetPropertyValue(SerialObject& oSourceObject, std::string_view sName, Variant& vValue,
                          bool& bDone) override;

private:
    ProgramState& m_state;
    clsNodesSerializer& m_serializer;
    std::shared_ptr<NodeTree> m_tree;
    std::function<void()> m_progress;
};

} // namespace pellor
