#pragma once

#include <QStringList>
#include <QTextStream>
#include <memory>

namespace pellor {

class NodeTree;

// The headless command-line tool over the core library: commands on configuration
// documents for people who script their configurations.
class PlrTool {
public:
    PlrTool(QTextStream& out, QTextStream& err) : m_out(out), m_err(err) {}

    // args without the program name; returns the exit code (0 success, 2 failure).
    int run(const QStringList& args);

private:
    int stats(const QStringList& args);
    int resave(const QStringList& args);
    int usage(const QString& problem);
    // Reads a document as the editor opens one; on failure says why on stderr and returns null.
    std::shared_ptr<NodeTree> readDocument(const QString& path);
    static bool wantsHelp(const QStringList& args);

    QTextStream& m_out;
    QTextStream& m_err;
};

} // namespace pellor
