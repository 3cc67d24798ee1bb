// Document benchmark: generates a configuration document of 100,000 items, then measures
// in one run the baseline (xmllint --stream --noout on the same file), reading it into the
// node tree with all objects, and writing it back. Prints seconds, MB/s, the ratios to the
// baseline and the peak memory of the reading process.
//
//   plrbench [WORKDIR]            run everything (default WORKDIR: a temporary folder)
//   plrbench --read FILE          (internal) read FILE, print seconds and peak RSS
//   plrbench --write FILE OUT     (internal) read FILE, then time writing OUT
//   plrbench --generate FILE N    write a document of N controllers (for profiling)

#include "DocumentGenerator.h"

#include "core/app/ProgramState.h"
#include "core/model/NodeImages.h"
#include "core/model/NodeTree.h"
#include "core/persistence/ConfigDocument.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <sys/resource.h>

using namespace pellor;

namespace {

long peakRssKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

int readOnly(const QString& file) {
    ProgramState state;
    auto tree = std::make_shared<NodeTree>();
    ConfigDocument doc(state);
    QElapsedTimer t;
    t.start();
    const bool ok = doc.load(file, tree, NodeImages::RootPellor);
    const double seconds = double(t.nsecsElapsed()) / 1e9;
    if (!ok) {
        std::fprintf(stderr, "read failed: %s\n", qPrintable(doc.errorString()));
        return 2;
    }
    std::printf("%.4f %ld %d %d\n", seconds, peakRssKiB(), state.controllerCount(),
                state.itemCount());
    return 0;
}

int writeOnly(const QString& file, const QString& out) {
    ProgramState state;
    auto tree = std::make_shared<NodeTree>();
    ConfigDocument doc(state);
    if (!doc.load(file, tree, NodeImages::RootPellor)) {
        std::fprintf(stderr, "read failed: %s\n", qPrintable(doc.errorString()));
        return 2;
    }
    QElapsedTimer t;
    t.start();
    const bool ok = doc.save(*tree, out);
    const double seconds = double(t.nsecsElapsed()) / 1e9;
    if (!ok) {
        std::fprintf(stderr, "write failed: %s\n", qPrintable(doc.errorString()));
        return 2;
    }
    std::printf("%.4f\n", seconds);
    return 0;
}

// Runs a command and returns its standard output, or an empty string on failure.
QString runChild(const QString& program, const QStringList& args, double* wallSeconds = nullptr) {
    QProcess p;
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program),
                     p.readAllStandardError().constData());
        return QString();
    }
    if (wallSeconds)
        *wallSeconds = double(t.nsecsElapsed()) / 1e9;
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

double bestOf(int runs, const std::function<double()>& once) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i)
        best = std::min(best, once());
    return best;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 3 && args[1] == u"--read")
        return readOnly(args[2]);
    if (args.size() >= 4 && args[1] == u"--write")
        return writeOnly(args[2], args[3]);
    if (args.size() >= 4 && args[1] == u"--generate") {
        // (profiling aid) a smaller document: --generate FILE CONTROLLERS
        ProgramState state;
        ConfigDocument doc(state);
        DocumentGenerator::Shape shape;
        shape.controllers = args[3].toInt();
        return doc.save(*DocumentGenerator::generate(shape), args[2]) ? 0 : 2;
    }

    QTemporaryDir tmp;
    const QString dir = args.size() >= 2 ? args[1] : tmp.path();
    const QString file = dir + QStringLiteral("/bench.plr");
    const QString out = dir + QStringLiteral("/bench-out.plr");

    std::printf("Generating 10 controllers x 10,000 items (4 groups of 1,000 each)...\n");
    {
        ProgramState state;
        ConfigDocument doc(state);
        auto tree = DocumentGenerator::generate({});
        if (!doc.save(*tree, file)) {
            std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(file),
                         qPrintable(doc.errorString()));
            return 2;
        }
    }
    const double mb = double(QFileInfo(file).size()) / 1e6;
    std::printf("Document: %s, %.1f MB\n\n", qPrintable(file), mb);

    const int runs = 3;
    const QString self = app.applicationFilePath();
    double xmllint = 0;
    bool ok = true;
    xmllint = bestOf(runs, [&] {
        double s = 0;
        QProcess p;
        QElapsedTimer t;
        t.start();
        p.start(QStringLiteral("xmllint"),
                {QStringLiteral("--stream"), QStringLiteral("--noout"), file});
        ok = ok && p.waitForFinished(-1) && p.exitCode() == 0;
        s = double(t.nsecsElapsed()) / 1e9;
        return s;
    });
    if (!ok) {
        std::fprintf(stderr, "xmllint --stream --noout failed (is libxml2-utils installed?)\n");
        return 2;
    }
    long rssKiB = 0;
    QString counts;
    const double read = bestOf(runs, [&] {
        const QStringList f = runChild(self, {QStringLiteral("--read"), file}).split(u' ');
        if (f.size() < 4) {
            ok = false;
            return 0.0;
        }
        rssKiB = std::max(rssKiB, f[1].toLong());
        counts = QStringLiteral("controllers=%1 items=%2").arg(f[2], f[3]);
        return f[0].toDouble();
    });
    const double write = bestOf(runs, [&] {
        const QString s = runChild(self, {QStringLiteral("--write"), file, out});
        if (s.isEmpty())
            ok = false;
        return s.toDouble();
    });
    if (!ok)
        return 2;

    const double rssMB = double(rssKiB) * 1024.0 / 1e6;
    std::printf("Best of %d runs each.\n", runs);
    std::printf("%-34s %8.3f s %8.1f MB/s\n", "xmllint --stream --noout (baseline)", xmllint,
                mb / xmllint);
    std::printf("%-34s %8.3f s %8.1f MB/s   ratio %.2f (target <= 1.50)   %s\n",
                "read into node tree", read, mb / read, read / xmllint, qPrintable(counts));
    std::printf("%-34s %8.3f s %8.1f MB/s   ratio %.2f (target <= 1.00)\n", "write document", write,
                mb / write, write / xmllint);
    std::printf("%-34s %8.1f MB              ratio %.2f of file size (target <= 1.00)\n",
                "peak RSS while reading", rssMB, rssMB / mb);
    return 0;
}
