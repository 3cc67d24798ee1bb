#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace pellor {

class NodeTree;
class ProgramState;

// Reads and writes the configuration document: the tree of workspace, controllers, groups
// and items as UTF-8 XML (Shift_JIS documents are read as well). The editor and the
// command-line tool both go through here, so they read and write the same way.
class ConfigDocument {
public:
    explicit ConfigDocument(ProgramState& state);

    // Empties the tree and the counters, then reads the file into the tree, counting the
    // controllers and items created (also those of a document that fails half-way). After
    // a successful read the first node shows rootImage and every item node its link image.
    bool load(const QString& path, const std::shared_ptr<NodeTree>& tree, qint32 rootImage);
    // Writes the tree; the previous file is replaced only by a complete new one. Success
    // clears the document-modified flag.
    bool save(const NodeTree& tree, const QString& path);

    void setProgressHandler(std::function<void()> handler) { m_progress = std::move(handler); }
    QString errorString() const { return m_error; }

private:
    ProgramState& m_state;
    std::function<void()> m_progress;
    QString m_error;
};

} // namespace pellor
