#include "PlrTool.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int code = pellor::PlrTool(out, err).run(app.arguments().mid(1));
    out.flush();
    err.flush();
    return code;
}
