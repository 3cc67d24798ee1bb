#pragma once

#include <QStringList>
#include <QTextStream>

namespace pellor {

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
    static bool wantsHelp(const QStringList& args);

    QTextStream& m_out;
    QTextStream& m_err;
};

} // namespace pellor
