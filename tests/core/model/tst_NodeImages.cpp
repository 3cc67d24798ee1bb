// Which image a controller or item node shows, and that the node object stores it.
#include "core/model/NodeImages.h"
#include "core/model/NodeTree.h"
#include "core/model/clsPellorController.h"
#include "core/model/clsPellorGroup.h"
#include "core/model/clsPellorItem.h"

#include <QTest>

using namespace pellor;

class TestNodeImages : public QObject {
    Q_OBJECT

private slots:
    void itemImage_data();
    void itemImage();
    void controllerImage_data();
    void controllerImage();
    void insertedImages();
    void displayedImageIsStoredInTheObject();
    void nodesOfOtherKindsKeepTheirImages();
    void linkItemImageUsesTheItemsOwnFields_data();
    void linkItemImageUsesTheItemsOwnFields();
};

void TestNodeImages::itemImage_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("attribute");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("linked");
    QTest::addColumn<int>("image");

    struct TableRow {
        int type;
        int attribute;
        int disabled, enabled, disabledLinked, enabledLinked;
    };
    // The item image table: "any other" attribute is tried as 0, 3 and -1; a type other than
    // 0, 1 and 2 is shown as a plain item.
    // clang-format off
    const TableRow table[] = {
        // type, attribute: disabled, enabled, disabled linked, enabled linked
        {0,  1,  8,  3,  9,  4},
        {0,  2,  8,  5,  9,  5},
        {0,  0,  8,  2,  9,  6},
        {0,  3,  8,  2,  9,  6},
        {0, -1,  8,  2,  9,  6},
        {2,  1, 28, 35, 31, 29},
        {2,  2, 28, 27, 32, 30},
        {2,  0, 28, 27, 34, 33},
        {2,  3, 28, 27, 34, 33},
        {1,  1, 38, 42, 40, 41},
        {1,  2, 38, 43, 38, 43},
        {1,  0, 38, 37, 40, 39},
        {1,  3, 38, 37, 40, 39},
        {3,  1,  8,  3,  9,  4},
        {-1, 2,  8,  5,  9,  5},
        {9,  0,  8,  2,  9,  6},
    };
    // clang-format on
    for (const TableRow& r : table) {
        const int images[4] = {r.disabled, r.enabled, r.disabledLinked, r.enabledLinked};
        for (int k = 0; k < 4; ++k) {
            const bool enabled = k % 2 == 1;
            const bool linked = k >= 2;
            QTest::addRow("type %d, attribute %d, %s%s", r.type, r.attribute,
                          enabled ? "enabled" : "disabled", linked ? ", linked" : "")
                << r.type << r.attribute << enabled << linked << images[k];
        }
    }
}

void TestNodeImages::itemImage() {
    QFETCH(int, type);
    QFETCH(int, attribute);
    QFETCH(bool, enabled);
    QFETCH(bool, linked);
    QFETCH(int, image);
    QCOMPARE(NodeImages::itemImage(enabled, linked, attribute, type), image);
}

void TestNodeImages::controllerImage_data() {
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("image");
    QTest::newRow("disabled") << false << 0 << 7;
    QTest::newRow("enabled") << true << 0 << 1;
    QTest::newRow("disabled alias") << false << 1 << 45;
    QTest::newRow("enabled alias") << true << 1 << 44;
    QTest::newRow("enabled, type 2") << true << 2 << 1;
}

void TestNodeImages::controllerImage() {
    QFETCH(bool, enabled);
    QFETCH(int, type);
    QFETCH(int, image);
    QCOMPARE(NodeImages::controllerImage(enabled, type), image);
}

void TestNodeImages::insertedImages() {
    QCOMPARE(NodeImages::insertedControllerImage(0), 1);
    QCOMPARE(NodeImages::insertedControllerImage(1), 44);
    QCOMPARE(NodeImages::insertedControllerImage(2), 0);
    QCOMPARE(NodeImages::insertedItemImage(0), 2);
    QCOMPARE(NodeImages::insertedItemImage(1), 37);
    QCOMPARE(NodeImages::insertedItemImage(2), 27);
    QCOMPARE(NodeImages::insertedItemImage(3), 0);
}

void TestNodeImages::displayedImageIsStoredInTheObject() {
    NodeTree tree;
    auto ctrlNode = tree.add(nullptr, "Engine\\RC1", "RC1", 1, 1);
    auto ctrl = std::make_shared<clsPellorController>();
    ctrlNode->setTag(ctrl);
    NodeImages::DispTreeImageCtrl(*ctrlNode, false, 1);
    QCOMPARE(ctrlNode->image(), 45);
    QCOMPARE(ctrlNode->selectedImage(), 45);
    QCOMPARE(ctrl->m_lImageIndex, 45);

    auto itemNode = tree.add(ctrlNode.get(), "Engine\\RC1\\Temp", "Temp", 2, 2);
    auto item = std::make_shared<clsPellorItem>();
    itemNode->setTag(item);
    NodeImages::DispTreeImageItem(*itemNode, true, true, 1, 2);
    QCOMPARE(itemNode->image(), 29);
    QCOMPARE(itemNode->selectedImage(), 29);
    QCOMPARE(item->m_lImageIndex, 29);
}

void TestNodeImages::nodesOfOtherKindsKeepTheirImages() {
    NodeTree tree;
    auto groupNode = tree.add(nullptr, "G", "G", 46, 46);
    groupNode->setTag(std::make_shared<clsPellorGroup>());
    auto itemNode = tree.add(nullptr, "I", "I", 5, 5);
    auto item = std::make_shared<clsPellorItem>();
    itemNode->setTag(item);
    auto emptyNode = tree.add(nullptr, "E", "E", 3, 3);

    NodeImages::DispTreeImageCtrl(*groupNode, true, 0);
    NodeImages::DispTreeImageItem(*groupNode, true, false, 0, 0);
    NodeImages::DispTreeImageCtrl(*itemNode, false, 1); // an item is no controller
    NodeImages::LinkItemImage(*emptyNode);
    QCOMPARE(groupNode->image(), 46);
    QCOMPARE(itemNode->image(), 5);
    QCOMPARE(item->m_lImageIndex, 2);
    QCOMPARE(emptyNode->image(), 3);
}

void TestNodeImages::linkItemImageUsesTheItemsOwnFields_data() {
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("attribute");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("image");
    QTest::newRow("plain, attribute 0") << true << "" << 0 << 0 << 2;
    QTest::newRow("with a link") << true << "RC2\\Level" << 0 << 0 << 6;
    QTest::newRow("disabled, linked") << false << "RC2\\Level" << 0 << 0 << 9;
    QTest::newRow("array, read only, linked") << true << "Level" << 1 << 2 << 29;
    QTest::newRow("type 5 as plain") << true << "" << 1 << 5 << 3;
}

void TestNodeImages::linkItemImageUsesTheItemsOwnFields() {
    QFETCH(bool, enabled);
    QFETCH(QString, link);
    QFETCH(int, attribute);
    QFETCH(int, type);
    QFETCH(int, image);
    NodeTree tree;
    auto node = tree.add(nullptr, "Engine\\RC1\\Temp", "Temp", 99, 99);
    auto item = std::make_shared<clsPellorItem>();
    item->m_bEnabled = enabled;
    item->LinkItem = link;
    item->m_lAttribute = attribute;
    item->m_lType = type;
    node->setTag(item);
    NodeImages::LinkItemImage(*node);
    QCOMPARE(node->image(), image);
    QCOMPARE(node->selectedImage(), image);
    QCOMPARE(item->m_lImageIndex, image);
}

int runNodeImagesTests(int argc, char** argv) {
    TestNodeImages test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_NodeImages.moc"
