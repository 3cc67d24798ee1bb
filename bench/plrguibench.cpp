// Editor window benchmark: opens the 100,000-item document in the main window and compares
// it with reading the same file the way plrtool does, in one run; then expands a controller
// of 10,000 items and checks that the progress window's clock moved during the open.
//
//   plrguibench [WORKDIR]     (runs on the offscreen platform unless QT_QPA_PLATFORM is set)

#include "DocumentGenerator.h"

#include "core/app/ProgramState.h"
#include "core/app/VariantTable.h"
#include "core/model/NodeImages.h"
#include "core/model/NodeTree.h"
#include "core/persistence/ConfigDocument.h"
#include "core/persistence/FileRegistry.h"
#include "core/platform/Prompter.h"
#include "core/platform/modLocale.h"
#include "gui/app/frmPellorConfig.h"
#include "gui/editor/ConfigTree.h"
#include "gui/editor/ConfigTreeModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <cstdio>

using namespace pellor;

namespace {

// Answers every question with its default: the benchmark never waits for a person.
class SilentPrompter : public Prompter {
public:
    int messageBox(const QString& text, int, const QString&) override {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
        return MessageResult::Ok;
    }
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override {
        return {};
    }
    std::optional<QString> openFileName(const FileDialogRequest&) override { return {}; }
    std::optional<QString> saveFileName(const FileDialogRequest&) override { return {}; }
};

double seconds(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir tmp;
    const QString dir = app.arguments().size() >= 2 ? app.arguments()[1] : tmp.path();
    const QString file = dir + QStringLiteral("/bench-gui.plr");

    {
        ProgramState state;
        if (!ConfigDocument(state).save(*DocumentGenerator::generate({}), file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 2;
        }
    }
    const double mb = double(QFileInfo(file).size()) / 1e6;
    std::printf("Document: %.1f MB, 10 controllers x 10,000 items\n\n", mb);

    const int runs = 3;
    double read = 1e300;
    for (int i = 0; i < runs; ++i) {
        ProgramState state;
        auto tree = std::make_shared<NodeTree>();
        QElapsedTimer t;
        t.start();
        if (!ConfigDocument(state).load(file, tree, NodeImages::RootPellor))
            return 2;
        read = std::min(read, seconds(t));
    }

    FileRegistry registry(dir + QStringLiteral("/registry.reg"));
    ProgramState state;
    SilentPrompter prompter;
    modLocale locale;
    locale.InitLocale(1033);
    const ProgramVariant variant = VariantTable::lookup(QString(), QStringLiteral("PellorConfig"));
    frmPellorConfig window(
        {state, variant, QStringLiteral("PellorConfig"), prompter, locale, registry});
    if (!window.LoadMain())
        return 2;
    // Opening into a new, empty document, as at start-up, and opening over an open document
    // of the same size (which first takes the old tree down).
    double open = 1e300;
    double replace = 1e300;
    int clockChanges = 0;
    for (int i = 0; i < runs; ++i) {
        for (bool fromEmpty : {true, false}) {
            if (fromEmpty)
                window.NewDocument();
            int changes = 0;
            QString last;
            QTimer poll; // samples the progress window's clock while the document opens
            QObject::connect(&poll, &QTimer::timeout, [&] {
                auto* c = window.findChild<QLabel*>(QStringLiteral("lblTime"));
                if (c && c->text() != last) {
                    last = c->text();
                    ++changes;
                }
            });
            poll.start(100);
            QElapsedTimer t;
            t.start();
            if (!window.OpenDocument(file))
                return 2;
            (fromEmpty ? open : replace) = std::min(fromEmpty ? open : replace, seconds(t));
            poll.stop();
            clockChanges = std::max(clockChanges, changes);
        }
    }

    // Expanding the first controller (10,000 items, 4 of them groups).
    QTreeView* view = window.findChild<QTreeView*>(QStringLiteral("tvList"));
    const QModelIndex root = view->model()->index(0, 0);
    view->expand(root);
    QApplication::processEvents();
    const QModelIndex ctrl = view->model()->index(0, 0, root);
    QElapsedTimer t;
    t.start();
    view->expand(ctrl);
    view->scrollTo(view->model()->index(view->model()->rowCount(ctrl) - 1, 0, ctrl));
    QApplication::processEvents();
    const double expand = seconds(t);

    std::printf("Best of %d runs.\n", runs);
    std::printf("%-38s %7.3f s\n", "read as plrtool does (baseline)", read);
    std::printf("%-38s %7.3f s   ratio %.2f (target <= 1.50)   counters %s / %s\n",
                "open in the editor window", open, open / read,
                qPrintable(window.findChild<QLabel*>(QStringLiteral("sbarMain_panel_4"))->text()),
                qPrintable(window.findChild<QLabel*>(QStringLiteral("sbarMain_panel_5"))->text()));
    std::printf("%-38s %7.3f s   ratio %.2f\n", "open over an open document", replace,
                replace / read);
    std::printf("%-38s %7.3f s   (target < 0.30)\n", "expand a controller of 10,000 items", expand);
    std::printf("%-38s %7d     (the clock moved while opening: %s)\n",
                "progress clock updates seen", clockChanges, clockChanges > 1 ? "yes" : "no");
    return 0;
}
