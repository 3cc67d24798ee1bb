#include "core/model/NodeTree.h"
#include "core/model/clsPellorController.h"
#include "core/model/clsPellorGroup.h"
#include "core/model/clsPellorItem.h"
#include "core/model/clsPellorWorkspace.h"
#include "gui/editor/ConfigTree.h"

#include <QSignalSpy>
#include <QTest>

using namespace pellor;

namespace {

std::shared_ptr<clsPellorController> controller(const QString& name, qint32 type = 0) {
    auto c = std::make_shared<clsPellorController>();
    c->Initialize(name);
    c->m_lType = type;
    return c;
}

std::shared_ptr<clsPellorItem> item(const QString& ctrl, const QString& name,
                                    bool groupMember = false) {
    auto i = std::make_shared<clsPellorItem>();
    i->IsGroupMember = groupMember;
    i->Initialize(ctrl, name);
    return i;
}

// A tree holding only the "Engine" root, as a new document has it.
struct Fixture {
    std::shared_ptr<NodeTree> nodes = std::make_shared<NodeTree>();
    ConfigTree tree{nodes};
    Fixture() {
        auto root = nodes->add(nullptr, QStringLiteral("Engine"), QStringLiteral("Engine"), 22, 22);
        auto ws = std::make_shared<clsPellorWorkspace>();
        ws->Initialize();
        root->setTag(ws);
    }
};

} // namespace

class TestConfigTree : public QObject {
    Q_OBJECT

private slots:
    void controllersAreKeyedUnderTheRootAndRefuseCaseInsensitiveDuplicates() {
        Fixture f;
        QVERIFY(f.tree.AddCtrlList(controller(QStringLiteral("RC1"))));
        QVERIFY(!f.tree.AddCtrlList(controller(QStringLiteral("rc1"))));
        TreeNode* node = f.nodes->nodeByKey(QStringLiteral("Engine\\RC1"));
        QVERIFY(node);
        QCOMPARE(node->text(), QStringLiteral("RC1"));
        QCOMPARE(node->parent(), f.tree.root());
        QCOMPARE(f.tree.defaultControllers(), QStringList{QStringLiteral("RC1")});
    }

    void insertedControllerImages_data() {
        QTest::addColumn<qint32>("type");
        QTest::addColumn<qint32>("image");
        QTest::newRow("plain") << 0 << 1;
        QTest::newRow("alias") << 1 << 44;
        QTest::newRow("other type: no image") << 5 << 0;
    }
    void insertedControllerImages() {
        QFETCH(qint32, type);
        QFETCH(qint32, image);
        Fixture f;
        QVERIFY(f.tree.AddCtrlList(controller(QStringLiteral("C"), type)));
        QCOMPARE(f.nodes->nodeByKey(QStringLiteral("Engine\\C"))->image(), image);
    }

    void groupMemberLandsUnderItsGroup() {
        Fixture f;
        QVERIFY(f.tree.AddCtrlList(controller(QStringLiteral("C1"))));
        auto g = std::make_shared<clsPellorGroup>();
        g->Initialize(QStringLiteral("C1"), QStringLiteral("G1"));
        QVERIFY(f.tree.AddGrpList(g));
        QVERIFY(!f.tree.AddGrpList(g)); // same name again

        QVERIFY(f.tree.AddItemList(item(QStringLiteral("C1"), QStringLiteral("[G1]Temp"), true)));
        TreeNode* member = f.nodes->nodeByKey(QStringLiteral("Engine\\C1\\G1\\Temp"));
        QVERIFY(member);
        QCOMPARE(member->text(), QStringLiteral("Temp"));
        QCOMPARE(member->parent()->key(), QStringLiteral("Engine\\C1\\G1"));
        QCOMPARE(member->parent()->image(), 46);

        QVERIFY(f.tree.AddItemList(item(QStringLiteral("C1"), QStringLiteral("[G1]Temp"), false)));
        TreeNode* direct = f.nodes->nodeByKey(QStringLiteral("Engine\\C1\\[G1]Temp"));
        QVERIFY(direct);
        QCOMPARE(direct->text(), QStringLiteral("[G1]Temp"));
        QCOMPARE(direct->parent()->key(), QStringLiteral("Engine\\C1"));
        // Every item node's key is its item's full name.
        for (TreeNode* n : {member, direct})
            QCOMPARE(n->key(), static_cast<clsPellorItem*>(n->tag().get())->FullName());
    }

    void itemsRefuseMissingParentsAndCaseInsensitiveDuplicates() {
        Fixture f;
        QVERIFY(!f.tree.AddItemList(item(QStringLiteral("Nowhere"), QStringLiteral("I1"))));
        QVERIFY(f.tree.AddCtrlList(controller(QStringLiteral("C1"))));
        QVERIFY(
            !f.tree.AddItemList(item(QStringLiteral("C1"), QStringLiteral("[NoGroup]I1"), true)));
        QVERIFY(f.tree.AddItemList(item(QStringLiteral("C1"), QStringLiteral("Temp"))));
        QVERIFY(!f.tree.AddItemList(item(QStringLiteral("C1"), QStringLiteral("TEMP"))));
        QCOMPARE(f.nodes->Count(), 3);
    }

    void itemImagesFollowTheFields() {
        Fixture f;
        QVERIFY(f.tree.AddCtrlList(controller(QStringLiteral("C1"))));
        auto i = item(QStringLiteral("C1"), QStringLiteral("I1"));
        QVERIFY(f.tree.AddItemList(i));
        TreeNode* node = f.nodes->nodeByKey(i->FullName());
        QCOMPARE(node->image(), 2);
        i->LinkItem = QStringLiteral("C2\\X");
        f.tree.LinkItemImage(*i);
        QCOMPARE(node->image(), 6);
        i->m_bEnabled = false;
        f.tree.LinkItemImage(*i);
        QCOMPARE(node->image(), 9);
        QCOMPARE(i->m_lImageIndex, 9); // the object stores what the node shows
        i->m_bEnabled = true;
        i->m_lType = 2;
        i->m_lAttribute = 1;
        f.tree.LinkItemImage(*i);
        QCOMPARE(node->image(), 29);
        QCOMPARE(node->selectedImage(), 29);
    }

    void disabledAliasControllerShows45() {
        Fixture f;
        QVERIFY(f.tree.AddCtrlList(controller(QStringLiteral("C1"), 1)));
        TreeNode* node = f.nodes->nodeByKey(QStringLiteral("Engine\\C1"));
        f.tree.DispTreeImageCtrl(*node, false, 1);
        QCOMPARE(node->image(), 45);
        QCOMPARE(static_cast<clsPellorController*>(node->tag().get())->m_lImageIndex, 45);
    }

    void parentControllerOfItems() {
        Fixture f;
        QVERIFY(f.tree.AddCtrlList(controller(QStringLiteral("C1"))));
        auto g = std::make_shared<clsPellorGroup>();
        g->Initialize(QStringLiteral("C1"), QStringLiteral("G"));
        QVERIFY(f.tree.AddGrpList(g));
        QVERIFY(f.tree.AddItemList(item(QStringLiteral("C1"), QStringLiteral("[G]A"), true)));
        QVERIFY(f.tree.AddItemList(item(QStringLiteral("C1"), QStringLiteral("B"))));
        TreeNode* ctrl = f.nodes->nodeByKey(QStringLiteral("Engine\\C1"));
        QCOMPARE(f.tree.GetParentController(ctrl), ctrl);
        QCOMPARE(f.tree.GetParentController(f.nodes->nodeByKey(QStringLiteral("Engine\\C1\\G\\A"))),
                 ctrl);
        QCOMPARE(f.tree.GetParentController(f.nodes->nodeByKey(QStringLiteral("Engine\\C1\\B"))),
                 ctrl);
        QCOMPARE(ConfigTree::MakeItemKey(QStringLiteral("C1"), QStringLiteral("[G]A"), true),
                 QStringLiteral("Engine\\C1\\G\\A"));
    }

    void defaultControllerMovesToTheFirstWhenItsNodeGoes() {
        Fixture f;
        for (const char* name : {"A", "B", "C", "D"})
            QVERIFY(f.tree.AddCtrlList(controller(QString::fromLatin1(name))));
        f.tree.RefreshDefaultCtrlList();
        QCOMPARE(f.tree.defaultControllerIndex(), 0);
        f.tree.setDefaultControllerIndex(2);
        f.tree.RefreshDefaultCtrlList();
        QCOMPARE(f.tree.defaultControllerIndex(), 2); // still "C"

        // The choice follows its name, not its position.
        f.nodes->remove(f.nodes->nodeByKey(QStringLiteral("Engine\\A")));
        f.tree.RefreshDefaultCtrlList();
        QCOMPARE(f.tree.defaultControllers(),
                 (QStringList{QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")}));
        QCOMPARE(f.tree.defaultControllerIndex(), 1);

        // When the chosen controller goes, the first one becomes the choice.
        f.nodes->remove(f.nodes->nodeByKey(QStringLiteral("Engine\\C")));
        f.tree.RefreshDefaultCtrlList();
        QCOMPARE(f.tree.defaultControllers(),
                 (QStringList{QStringLiteral("B"), QStringLiteral("D")}));
        QCOMPARE(f.tree.defaultControllerIndex(), 0);

        f.nodes->remove(f.nodes->nodeByKey(QStringLiteral("Engine\\B")));
        f.nodes->remove(f.nodes->nodeByKey(QStringLiteral("Engine\\D")));
        QSignalSpy changed(&f.tree, &ConfigTree::defaultControllersChanged);
        f.tree.RefreshDefaultCtrlList();
        QVERIFY(f.tree.defaultControllers().isEmpty());
        QCOMPARE(f.tree.defaultControllerIndex(), -1);
        QCOMPARE(changed.count(), 1);
    }

    void clearListsEmptiesTreeAndList() {
        Fixture f;
        QVERIFY(f.tree.AddCtrlList(controller(QStringLiteral("A"))));
        f.tree.ClearLists();
        QCOMPARE(f.nodes->Count(), 0);
        QVERIFY(f.tree.defaultControllers().isEmpty());
        QVERIFY(!f.tree.AddCtrlList(controller(QStringLiteral("B")))); // no root any more
    }
};

int runConfigTreeTests(int argc, char** argv) {
    TestConfigTree t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_ConfigTree.moc"
