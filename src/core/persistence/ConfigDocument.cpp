#include "core/persistence/ConfigDocument.h"

#include "core/app/ProgramState.h"
#include "core/model/NodeImages.h"
#include "core/model/NodeTree.h"
#include "core/persistence/DocumentOwner.h"
#include "core/persistence/clsNodesSerializer.h"

namespace pellor {

ConfigDocument::ConfigDocument(ProgramState& state) : m_state(state) {}

bool ConfigDocument::load(const QString& path, const std::shared_ptr<NodeTree>& tree,
                          qint32 rootImage) {
    m_error.clear();
    tree->clear();
    m_state.resetControllerCount();
    m_state.resetItemCount();

    clsNodesSerializer serializer;
    DocumentOwner owner(m_state, serializer);
    owner.setTree(tree);
    owner.setProgressHandler(m_progress);
    serializer.setOwner(&owner);
    serializer.Unicode = true;
    serializer.UTF8 = true;
    serializer.Tag = QStringLiteral("INodes");
    if (!serializer.DeserializeFile({}, path, {})) {
        m_error = serializer.errorString();
        return false;
    }
    if (TreeNode* root = tree->firstNode()) {
        root->setImage(rootImage);
        root->setSelectedImage(rootImage);
    }
    // Every item node shows its link image.
    std::vector<TreeNode*> pending;
    for (const auto& n : tree->topLevel())
        pending.push_back(n.get());
    while (!pending.empty()) {
        TreeNode* n = pending.back();
        pending.pop_back();
        NodeImages::LinkItemImage(*n);
        for (const auto& c : n->children())
            pending.push_back(c.get());
    }
    return true;
}

bool ConfigDocument::save(const NodeTree& tree, const QString& path) {
    m_error.clear();
    clsNodesSerializer serializer;
    serializer.Unicode = true;
    serializer.UTF8 = true;
    if (!serializer.SerializeFile(tree, path)) {
        m_error = serializer.errorString();
        return false;
    }
    m_state.setModified(false);
    return true;
}

} // namespace pellor
