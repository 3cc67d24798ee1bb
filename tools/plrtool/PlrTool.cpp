#include "PlrTool.h"

#include "core/app/ProgramState.h"
#include "core/model/NodeImages.h"
#include "core/model/NodeTree.h"
#include "core/persistence/ConfigDocument.h"

namespace pellor {

namespace {

const char kToolHelp[] =
    "Usage: plrtool COMMAND [ARGUMENTS]\n"
    "\n"
    "Works on PellorConfig configuration documents (*.plr) without a window.\n"
    "\n"
    "Commands:\n"
    "  stats FILE      print the numbers of controllers, groups and items\n"
    "  resave IN OUT   read IN as the editor opens it and write OUT as the editor saves\n"
    "\n"
    "Run 'plrtool COMMAND --help' for the details of a command.\n"
    "Exit codes: 0 success, 2 failure (the reason is printed on stderr).\n";

const char kStatsHelp[] =
    "Usage: plrtool stats FILE\n"
    "\n"
    "Reads the configuration document FILE (UTF-8 or Shift_JIS) and prints one line:\n"
    "  controllers=N groups=G items=M\n"
    "Exit code 2, with the reason on stderr and nothing on stdout, when FILE cannot be read.\n";

const char kResaveHelp[] =
    "Usage: plrtool resave IN OUT\n"
    "\n"
    "Reads the configuration document IN as the editor opens one (UTF-8 or Shift_JIS)\n"
    "and writes OUT exactly as the editor saves one (UTF-8). OUT is replaced only by a\n"
    "complete new file: on failure (exit code 2, reason on stderr) it is left untouched.\n";

struct Counts {
    int controllers = 0;
    int groups = 0;
    int items = 0;
};

Counts countNodes(const NodeTree& tree) {
    Counts c;
    std::vector<const TreeNode*> pending;
    for (const auto& n : tree.topLevel())
        pending.push_back(n.get());
    while (!pending.empty()) {
        const TreeNode* n = pending.back();
        pending.pop_back();
        if (const SerialObject* tag = n->tag().get()) {
            const QString& type = tag->typeName();
            if (type == u"clsPellorController")
                ++c.controllers;
            else if (type == u"clsPellorGroup")
                ++c.groups;
            else if (type == u"clsPellorItem")
                ++c.items;
        }
        for (const auto& child : n->children())
            pending.push_back(child.get());
    }
    return c;
}

} // namespace

bool PlrTool::wantsHelp(const QStringList& args) {
    return args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"));
}

int PlrTool::usage(const QString& problem) {
    m_err << "plrtool: " << problem << "\n"
          << "Run 'plrtool --help' for usage.\n";
    m_err.flush();
    return 2;
}

int PlrTool::run(const QStringList& args) {
    if (args.isEmpty())
        return usage(QStringLiteral("no command given"));
    const QString command = args.first();
    const QStringList rest = args.mid(1);
    if (command == u"--help" || command == u"-h" || command == u"help") {
        m_out << kToolHelp;
        return 0;
    }
    if (command == u"stats")
        return stats(rest);
    if (command == u"resave")
        return resave(rest);
    return usage(QStringLiteral("unknown command '%1'").arg(command));
}

std::shared_ptr<NodeTree> PlrTool::readDocument(const QString& path) {
    ProgramState state;
    auto tree = std::make_shared<NodeTree>();
    ConfigDocument document(state);
    if (!document.load(path, tree, NodeImages::RootPellor)) {
        m_err << "plrtool: " << document.errorString() << "\n";
        return {};
    }
    return tree;
}

int PlrTool::stats(const QStringList& args) {
    if (wantsHelp(args)) {
        m_out << kStatsHelp;
        return 0;
    }
    if (args.size() != 1)
        return usage(QStringLiteral("stats takes exactly one FILE"));
    const auto tree = readDocument(args[0]);
    if (!tree)
        return 2;
    const Counts c = countNodes(*tree);
    m_out << "controllers=" << c.controllers << " groups=" << c.groups << " items=" << c.items
          << "\n";
    return 0;
}

int PlrTool::resave(const QStringList& args) {
    if (wantsHelp(args)) {
        m_out << kResaveHelp;
        return 0;
    }
    if (args.size() != 2)
        return usage(QStringLiteral("resave takes IN and OUT"));
    const auto tree = readDocument(args[0]);
    if (!tree)
        return 2;
    ProgramState state;
    ConfigDocument document(state);
    if (!document.save(*tree, args[1])) {
        m_err << "plrtool: " << document.errorString() << "\n";
        return 2;
    }
    return 0;
}

} // namespace pellor
