#include "core/model/NodeTree.h"
#include "gui/editor/ConfigTreeModel.h"

#include <QAbstractItemModelTester>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

using namespace pellor;

namespace {
QIcon iconFor(int index) {
    QPixmap p(16, 16);
    p.fill(QColor::fromHsv((index * 37) % 360, 200, 200));
    return QIcon(p);
}
} // namespace

class TestConfigTreeModel : public QObject {
    Q_OBJECT

private slots:
    void followsAddsRemovesAndChanges() {
        auto nodes = std::make_shared<NodeTree>();
        ConfigTreeModel model(nodes, iconFor);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);

        auto root = nodes->add(nullptr, QStringLiteral("Engine"), QStringLiteral("Engine"), 22, 22);
        auto c1 = nodes->add(root.get(), QStringLiteral("Engine\\C1"), QStringLiteral("C1"), 1, 1);
        auto c2 = nodes->add(root.get(), QStringLiteral("Engine\\C2"), QStringLiteral("C2"), 7, 7);
        nodes->add(c1.get(), QStringLiteral("Engine\\C1\\I1"), QStringLiteral("I1"), 2, 2);
        QCOMPARE(model.rowCount(), 1);
        const QModelIndex rootIndex = model.index(0, 0);
        QCOMPARE(model.rowCount(rootIndex), 2);
        QCOMPARE(model.index(1, 0, rootIndex).data().toString(), QStringLiteral("C2"));
        QCOMPARE(model.nodeAt(model.index(0, 0, model.index(0, 0, rootIndex)))->key(),
                 QStringLiteral("Engine\\C1\\I1"));

        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        c2->setText(QStringLiteral("C2b"));
        c2->setImage(45);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.first().first().value<QModelIndex>(), model.indexOf(c2.get()));

        nodes->remove(c1.get());
        QCOMPARE(model.rowCount(rootIndex), 1);
        QCOMPARE(model.index(0, 0, rootIndex).data().toString(), QStringLiteral("C2b"));
        nodes->clear();
        QCOMPARE(model.rowCount(), 0);
    }

    void bulkChangeResetsOnce() {
        auto nodes = std::make_shared<NodeTree>();
        ConfigTreeModel model(nodes, iconFor);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

        model.beginBulkChange();
        auto root = nodes->add(nullptr, QStringLiteral("Engine"), QStringLiteral("Engine"));
        for (int i = 0; i < 1000; ++i)
            nodes->add(root.get(), QStringLiteral("Engine\\C%1").arg(i),
                       QStringLiteral("C%1").arg(i));
        model.endBulkChange();

        QCOMPARE(inserted.count(), 0);
        QCOMPARE(reset.count(), 1);
        QCOMPARE(model.rowCount(model.index(0, 0)), 1000);
        // Afterwards the model follows single changes again.
        nodes->add(root.get(), QStringLiteral("Engine\\X"), QStringLiteral("X"));
        QCOMPARE(inserted.count(), 1);
    }

    void showsTextImageAndBoldInAView() {
        auto nodes = std::make_shared<NodeTree>();
        ConfigTreeModel model(nodes, iconFor);
        auto root = nodes->add(nullptr, QStringLiteral("Engine"), QStringLiteral("Engine"), 22, 22);
        root->setBold(true);
        const QModelIndex i = model.index(0, 0);
        QVERIFY(!model.data(i, Qt::DecorationRole).value<QIcon>().isNull());
        QVERIFY(model.data(i, Qt::FontRole).value<QFont>().bold());
        QVERIFY(!model.data(i, Qt::ForegroundRole).isValid()); // system colour: left to the view
        root->setForeColor(0x0000FF);                          // red in the stored byte order
        QCOMPARE(model.data(i, Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
        QTreeView view;
        view.setModel(&model);
        view.show();
        QVERIFY(view.visualRect(i).isValid());
    }
};

int runConfigTreeModelTests(int argc, char** argv) {
    TestConfigTreeModel t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_ConfigTreeModel.moc"
