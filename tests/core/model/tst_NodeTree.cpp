// The configuration tree as data: keys, case-insensitive child texts, paths, sibling links,
// removal, and trees far wider and deeper than any document.
#include "core/model/NodeTree.h"
#include "core/model/clsPellorItem.h"

#include <QTest>

using namespace pellor;

namespace {

// Engine
//   RC1
//     G1
//       Temp
//     Pressure
//   RC2
struct SmallTree {
    NodeTree tree;
    TreeNode* root;
    TreeNode* rc1;
    TreeNode* g1;
    TreeNode* temp;
    TreeNode* pressure;
    TreeNode* rc2;

    SmallTree() {
        root = tree.add(nullptr, "Engine", "Engine").get();
        rc1 = tree.add(root, "Engine\\RC1", "RC1").get();
        g1 = tree.add(rc1, "Engine\\RC1\\G1", "G1").get();
        temp = tree.add(g1, "Engine\\RC1\\G1\\Temp", "Temp").get();
        pressure = tree.add(rc1, "Engine\\RC1\\Pressure", "Pressure").get();
        rc2 = tree.add(root, "Engine\\RC2", "RC2").get();
    }
};

} // namespace

class TestNodeTree : public QObject {
    Q_OBJECT

private slots:
    void keysAreUniqueAndCaseSensitive();
    void rekeyFreesTheOldKey();
    void childLookupIgnoresCase_data();
    void childLookupIgnoresCase();
    void renamedChildIsFoundByItsNewText();
    void fullPathJoinsTextsWithBackslashes();
    void siblingLinks();
    void removeDropsTheSubtreeFromEveryIndex();
    void removedKeysAndTextsCanBeAddedAgain();
    void selectionAndVisibility();
    void hundredThousandChildren();
    void hundredThousandLevels();
    void nodeKeptAfterItsTreeIsCleared();
};

void TestNodeTree::keysAreUniqueAndCaseSensitive() {
    NodeTree tree;
    auto root = tree.add(nullptr, "Engine", "Engine");
    QVERIFY(root);
    QVERIFY(!tree.add(nullptr, "Engine", "Other"));
    QVERIFY(!tree.add(root.get(), "Engine", "Child"));
    QCOMPARE(tree.Count(), 1);
    QCOMPARE(root->childCount(), 0);

    auto lower = tree.add(nullptr, "engine", "engine");
    QVERIFY(lower);
    QCOMPARE(tree.nodeByKey("engine"), lower.get());
    QCOMPARE(tree.nodeByKey("Engine"), root.get());
    QCOMPARE(tree.nodeByKey("ENGINE"), nullptr);

    // Nodes without a key are not indexed and may be many.
    QVERIFY(tree.add(root.get()));
    QVERIFY(tree.add(root.get()));
    QCOMPARE(tree.Count(), 4);
    QCOMPARE(tree.nodeByKey(QString()), nullptr);

    // A node of another tree is no parent here.
    NodeTree other;
    QVERIFY(!other.add(root.get(), "X", "X"));
    QCOMPARE(other.Count(), 0);
}

void TestNodeTree::rekeyFreesTheOldKey() {
    SmallTree t;
    QVERIFY(!t.temp->setKey("Engine\\RC2"));
    QCOMPARE(t.temp->key(), QStringLiteral("Engine\\RC1\\G1\\Temp"));

    QVERIFY(t.temp->setKey("Engine\\RC1\\G1\\Temp2"));
    QCOMPARE(t.tree.nodeByKey("Engine\\RC1\\G1\\Temp2"), t.temp);
    QCOMPARE(t.tree.nodeByKey("Engine\\RC1\\G1\\Temp"), nullptr);
    QVERIFY(t.tree.add(t.g1, "Engine\\RC1\\G1\\Temp", "Temp"));

    // Through the member table, as the serializer sets it.
    QVERIFY(!t.pressure->setProperty("Key", Variant(QStringLiteral("Engine"))));
    QCOMPARE(t.pressure->key(), QStringLiteral("Engine\\RC1\\Pressure"));
}

void TestNodeTree::childLookupIgnoresCase_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("lookup");
    QTest::addColumn<int>("found"); // position among the children, -1 none

    QTest::newRow("other case") << QStringList{"Temp"} << "TEMP" << 0;
    QTest::newRow("same case") << QStringList{"a", "Temp"} << "Temp" << 1;
    QTest::newRow("first of two") << QStringList{"Temp", "temp"} << "tEmP" << 0;
    QTest::newRow("non-ASCII") << QStringList{"x", "Äpfel"} << "äPFEL" << 1;
    QTest::newRow("prefix only") << QStringList{"Temp"} << "Tem" << -1;
    QTest::newRow("longer") << QStringList{"Temp"} << "Temp1" << -1;
    QTest::newRow("no children") << QStringList{} << "Temp" << -1;
}

void TestNodeTree::childLookupIgnoresCase() {
    QFETCH(QStringList, texts);
    QFETCH(QString, lookup);
    QFETCH(int, found);

    NodeTree tree;
    TreeNode* parent = tree.add(nullptr, "P", "P").get();
    NodeTree topLevelTree;
    for (const QString& text : texts) {
        tree.add(parent, QString(), text);
        topLevelTree.add(nullptr, QString(), text);
    }
    TreeNode* child = parent->childByText(lookup);
    TreeNode* top = topLevelTree.topLevelByText(lookup);
    if (found < 0) {
        QCOMPARE(child, nullptr);
        QCOMPARE(top, nullptr);
    } else {
        QCOMPARE(child, parent->children()[size_t(found)].get());
        QCOMPARE(top, topLevelTree.topLevel()[size_t(found)].get());
    }
}

void TestNodeTree::renamedChildIsFoundByItsNewText() {
    SmallTree t;
    t.pressure->setText("Level");
    QCOMPARE(t.rc1->childByText("pressure"), nullptr);
    QCOMPARE(t.rc1->childByText("LEVEL"), t.pressure);
    t.rc2->setText("Main");
    QCOMPARE(t.root->childByText("rc2"), nullptr);
    QCOMPARE(t.root->childByText("main"), t.rc2);

    // Of two children with the same text, the one further up is found, also after the
    // upper one is removed.
    auto twin = t.tree.add(t.rc1, QString(), "g1");
    QCOMPARE(t.rc1->childByText("G1"), t.g1);
    t.tree.remove(t.g1);
    QCOMPARE(t.rc1->childByText("G1"), twin.get());
}

void TestNodeTree::fullPathJoinsTextsWithBackslashes() {
    SmallTree t;
    QCOMPARE(t.root->FullPath(), QStringLiteral("Engine"));
    QCOMPARE(t.temp->FullPath(), QStringLiteral("Engine\\RC1\\G1\\Temp"));
    t.g1->setText("Group 1");
    QCOMPARE(t.temp->FullPath(), QStringLiteral("Engine\\RC1\\Group 1\\Temp"));
    Variant v;
    QVERIFY(t.pressure->getProperty("FullPath", v));
    QCOMPARE(v.text(), QStringLiteral("Engine\\RC1\\Pressure"));
}

void TestNodeTree::siblingLinks() {
    SmallTree t;
    QCOMPARE(t.g1->previous(), nullptr);
    QCOMPARE(t.g1->next(), t.pressure);
    QCOMPARE(t.pressure->previous(), t.g1);
    QCOMPARE(t.pressure->next(), nullptr);
    QCOMPARE(t.rc1->firstChild(), t.g1);
    QCOMPARE(t.rc1->lastChild(), t.pressure);
    QCOMPARE(t.temp->parent(), t.g1);
    QCOMPARE(t.root->parent(), nullptr);
    QCOMPARE(t.temp->firstChild(), nullptr);

    // Top-level nodes are siblings too.
    auto second = t.tree.add(nullptr, "Second", "Second");
    QCOMPARE(t.root->next(), second.get());
    QCOMPARE(second->previous(), t.root);
    QCOMPARE(t.tree.firstNode(), t.root);

    // The previous sibling as a property: its text, or nothing.
    Variant v;
    QVERIFY(t.pressure->getProperty("Previous", v));
    QCOMPARE(v.text(), QStringLiteral("G1"));
    QVERIFY(t.g1->getProperty("Previous", v));
    QVERIFY(v.isObject() && !v.toObject());
}

void TestNodeTree::removeDropsTheSubtreeFromEveryIndex() {
    SmallTree t;
    t.tree.setSelectedNode(t.temp);
    QCOMPARE(t.tree.Count(), 6);

    t.tree.remove(t.rc1);
    QCOMPARE(t.tree.Count(), 2);
    for (const char* key :
         {"Engine\\RC1", "Engine\\RC1\\G1", "Engine\\RC1\\G1\\Temp", "Engine\\RC1\\Pressure"})
        QCOMPARE(t.tree.nodeByKey(key), nullptr);
    QCOMPARE(t.tree.selectedNode(), nullptr);
    QCOMPARE(t.root->childCount(), 1);
    QCOMPARE(t.root->childByText("rc1"), nullptr);
    QCOMPARE(t.rc2->siblingIndex(), 0);
    QCOMPARE(t.rc2->previous(), nullptr);
    QCOMPARE(t.root->firstChild(), t.rc2);

    // Removing a node twice, or a node of no tree, changes nothing.
    auto kept = t.tree.add(t.rc2, "Engine\\RC2\\Level", "Level");
    t.tree.remove(kept.get());
    QCOMPARE(kept->tree(), nullptr);
    QCOMPARE(kept->parent(), nullptr);
    t.tree.remove(kept.get());
    QCOMPARE(t.tree.Count(), 2);
}

void TestNodeTree::removedKeysAndTextsCanBeAddedAgain() {
    SmallTree t;
    t.tree.remove(t.rc1);
    auto again = t.tree.add(t.root, "Engine\\RC1", "RC1");
    QVERIFY(again);
    QVERIFY(t.tree.add(again.get(), "Engine\\RC1\\Pressure", "Pressure"));
    QCOMPARE(t.root->lastChild(), again.get());
    QCOMPARE(again->previous(), t.rc2);
    QCOMPARE(t.root->childByText("rc1"), again.get());
    QCOMPARE(t.tree.nodeByKey("Engine\\RC1\\Pressure")->FullPath(),
             QStringLiteral("Engine\\RC1\\Pressure"));
    QCOMPARE(t.tree.Count(), 4);

    t.tree.clear();
    QCOMPARE(t.tree.Count(), 0);
    QCOMPARE(t.tree.firstNode(), nullptr);
    QCOMPARE(t.tree.topLevelByText("Engine"), nullptr);
    QVERIFY(t.tree.add(nullptr, "Engine", "Engine"));
}

void TestNodeTree::selectionAndVisibility() {
    SmallTree t;
    t.temp->setSelected(true);
    QVERIFY(t.temp->isSelected());
    t.pressure->setSelected(true);
    QVERIFY(!t.temp->isSelected());
    QCOMPARE(t.tree.selectedNode(), t.pressure);
    t.temp->setSelected(false); // not selected: no change
    QCOMPARE(t.tree.selectedNode(), t.pressure);
    t.pressure->setSelected(false);
    QCOMPARE(t.tree.selectedNode(), nullptr);

    QVERIFY(t.root->isVisible());
    QVERIFY(!t.temp->isVisible());
    t.temp->setVisible(true);
    QVERIFY(t.g1->isExpanded() && t.rc1->isExpanded() && t.root->isExpanded());
    QVERIFY(t.temp->isVisible());
    QVERIFY(!t.temp->isExpanded());
    t.rc1->setExpanded(false);
    QVERIFY(!t.temp->isVisible());
}

void TestNodeTree::hundredThousandChildren() {
    constexpr int n = 100000;
    NodeTree tree;
    TreeNode* ctrl = tree.add(nullptr, "Engine\\RC1", "RC1").get();
    for (int i = 0; i < n; ++i)
        QVERIFY(tree.add(ctrl, QStringLiteral("Engine\\RC1\\I%1").arg(i),
                         QStringLiteral("I%1").arg(i)));
    QCOMPARE(tree.Count(), n + 1);
    QCOMPARE(ctrl->childCount(), n);
    QCOMPARE(ctrl->childByText("i99999"), ctrl->lastChild());
    QCOMPARE(ctrl->childByText("I0"), ctrl->firstChild());
    QCOMPARE(tree.nodeByKey("Engine\\RC1\\I54321")->text(), QStringLiteral("I54321"));
    QVERIFY(!tree.add(ctrl, "Engine\\RC1\\I777", "again"));

    TreeNode* middle = ctrl->childByText("I50000");
    tree.remove(middle);
    QCOMPARE(ctrl->childCount(), n - 1);
    QCOMPARE(ctrl->childByText("I50001")->previous()->text(), QStringLiteral("I49999"));
    QCOMPARE(ctrl->childByText("I99999")->siblingIndex(), n - 2);
}

void TestNodeTree::hundredThousandLevels() {
    constexpr int n = 100000;
    {
        NodeTree tree;
        TreeNode* node = nullptr;
        for (int i = 0; i < n; ++i)
            node = tree.add(node, QStringLiteral("K%1").arg(i), QStringLiteral("N%1").arg(i)).get();
        QCOMPARE(tree.Count(), n);
        QCOMPARE(tree.nodeByKey("K99999"), node);
        QCOMPARE(node->parent()->text(), QStringLiteral("N99998"));
        // destroyed with the tree
    }
    {
        NodeTree tree;
        TreeNode* top = tree.add(nullptr, "top", "top").get();
        TreeNode* node = top;
        for (int i = 0; i < n; ++i)
            node = tree.add(node).get();
        tree.remove(top);
        QCOMPARE(tree.Count(), 0);
    }
    {
        NodeTree tree;
        TreeNode* node = nullptr;
        for (int i = 0; i < n; ++i)
            node = tree.add(node).get();
        tree.clear();
        QCOMPARE(tree.Count(), 0);
    }
}

// A caller may keep a node it was given after the tree lets go of it.
void TestNodeTree::nodeKeptAfterItsTreeIsCleared() {
    std::shared_ptr<TreeNode> item;
    {
        SmallTree t;
        item = t.tree.add(t.rc1, "Engine\\RC1\\Kept", "Kept");
        item->setTag(std::make_shared<clsPellorItem>());
        t.tree.clear();
        QCOMPARE(item->tree(), nullptr);
    }
    QVERIFY(item->tag());
    QCOMPARE(item->text(), QStringLiteral("Kept"));
    // Its parent was released with the tree; the node must not point at it any more.
    QCOMPARE(item->parent(), nullptr);
}

int runNodeTreeTests(int argc, char** argv) {
    TestNodeTree test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_NodeTree.moc"
