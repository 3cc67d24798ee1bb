#pragma once

#include <QString>
#include <memory>

namespace pellor {

class NodeTree;

// Builds a large configuration tree the way the editor's add commands would: a workspace,
// controllers, groups and items with varied settings.
class DocumentGenerator {
public:
    struct Shape {
        int controllers = 10;
        int itemsPerController = 10000;
        int groupsPerController = 4;
        int itemsPerGroup = 1000; // the rest of a controller's items lie directly under it
    };

    static std::shared_ptr<NodeTree> generate(const Shape& shape);
};

} // namespace pellor
