// A controller's trigger: entries keyed "0", "1", ... that are never renumbered.
#include "core/model/clsPellorTriggerItem.h"

#include <QTest>

using namespace pellor;

namespace {

Variant toIndexKey(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Int:
        return Variant(qint32(v.toInt()));
    case QMetaType::Double:
        return Variant(v.toDouble());
    default:
        return Variant(v.toString());
    }
}

} // namespace

class TestTriggerItem : public QObject {
    Q_OBJECT

private slots:
    void itemSelectsByPositionOrKey_data();
    void itemSelectsByPositionOrKey();
    void newEntriesHaveTheirDefaults();
    void removeKeepsTheOtherKeys();
    void addAndAddNewUseTheCountAsKey();
    void removeOfAnUnknownKeyChangesNothing();
    void membersReachedByName();
};

void TestTriggerItem::itemSelectsByPositionOrKey_data() {
    QTest::addColumn<QVariant>("indexKey");
    QTest::addColumn<int>("entry"); // 0 first, 1 second, -1 none
    QTest::newRow("position 1") << QVariant(1) << 0;
    QTest::newRow("position 2") << QVariant(2) << 1;
    QTest::newRow("position 3") << QVariant(3) << -1;
    QTest::newRow("position 0") << QVariant(0) << -1;
    QTest::newRow("position -1") << QVariant(-1) << -1;
    QTest::newRow("position 1.0") << QVariant(1.0) << 0;
    QTest::newRow("position 1.5 rounds to 2") << QVariant(1.5) << 1;
    QTest::newRow("position 2.5 rounds to 2") << QVariant(2.5) << 1;
    QTest::newRow("key 0") << QVariant(QStringLiteral("0")) << 0;
    QTest::newRow("key 1") << QVariant(QStringLiteral("1")) << 1;
    QTest::newRow("key 2") << QVariant(QStringLiteral("2")) << -1;
    QTest::newRow("empty key") << QVariant(QString()) << -1;
    QTest::newRow("text key") << QVariant(QStringLiteral("first")) << -1;
}

void TestTriggerItem::itemSelectsByPositionOrKey() {
    QFETCH(QVariant, indexKey);
    QFETCH(int, entry);
    clsPellorTriggerItem trigger;
    QCOMPARE(trigger.Count(), 2);
    const auto entries = trigger.NewEnum();
    QCOMPARE(entries.size(), size_t(2));
    QVERIFY(entries[0] && entries[1] && entries[0] != entries[1]);

    const auto found = trigger.Item(toIndexKey(indexKey));
    if (entry < 0)
        QVERIFY(!found);
    else
        QVERIFY(found == entries[size_t(entry)]);
}

void TestTriggerItem::newEntriesHaveTheirDefaults() {
    clsPellorTriggerItem trigger;
    for (qint32 i = 1; i <= 2; ++i) {
        const auto e = trigger.Item(Variant(i));
        QVERIFY(e);
        QCOMPARE(e->m_lAction, 0);
        QCOMPARE(e->m_lCondition, -1);
    }
    QCOMPARE(trigger.m_strName, QString());
}

void TestTriggerItem::removeKeepsTheOtherKeys() {
    clsPellorTriggerItem trigger;
    const auto second = trigger.Item(Variant(qint32(2)));
    trigger.Remove(0);
    QCOMPARE(trigger.Count(), 1);
    QVERIFY(!trigger.Item(Variant(QStringLiteral("0"))));
    QVERIFY(trigger.Item(Variant(QStringLiteral("1"))) == second);
    QVERIFY(trigger.Item(Variant(qint32(1))) == second);

    // The next key would be "1", which is still taken.
    QCOMPARE(trigger.add(std::make_shared<clsPellorTriggerInfo>()), -1);
    QVERIFY(!trigger.AddNew());
    QCOMPARE(trigger.Count(), 1);
}

void TestTriggerItem::addAndAddNewUseTheCountAsKey() {
    clsPellorTriggerItem trigger;
    auto third = std::make_shared<clsPellorTriggerInfo>();
    QCOMPARE(trigger.add(third), 3);
    QVERIFY(trigger.Item(Variant(QStringLiteral("2"))) == third);
    QVERIFY(trigger.Item(Variant(qint32(3))) == third);

    const auto fourth = trigger.AddNew();
    QVERIFY(fourth);
    QCOMPARE(trigger.Count(), 4);
    QVERIFY(trigger.Item(Variant(QStringLiteral("3"))) == fourth);
    QCOMPARE(fourth->m_lCondition, -1);

    QCOMPARE(trigger.add(nullptr), -1);
    QCOMPARE(trigger.Count(), 4);
}

void TestTriggerItem::removeOfAnUnknownKeyChangesNothing() {
    clsPellorTriggerItem trigger;
    trigger.Remove(2);
    trigger.Remove(-1);
    QCOMPARE(trigger.Count(), 2);
    trigger.Remove(1);
    trigger.Remove(1);
    QCOMPARE(trigger.Count(), 1);
    QVERIFY(trigger.Item(Variant(QStringLiteral("0"))));
}

// The serializer reaches the entries through the member table by name, as a reader of
// "Index" elements does.
void TestTriggerItem::membersReachedByName() {
    clsPellorTriggerItem trigger;
    Variant result;
    QVERIFY(trigger.invoke("Item", {Variant(qint32(2))}, result));
    QVERIFY(result.toObject() == trigger.Item(Variant(qint32(2))));
    // No such entry: the call succeeds and gives no object.
    result = Variant(QStringLiteral("stale"));
    QVERIFY(trigger.invoke("Item", {Variant(qint32(3))}, result));
    QVERIFY(result.isObject() && !result.toObject());

    QVERIFY(trigger.invoke("AddNew", {}, result));
    QVERIFY(result.toObject());
    QCOMPARE(trigger.Count(), 3);
    QVERIFY(trigger.invoke("Remove", {Variant(qint32(2))}, result));
    QCOMPARE(trigger.Count(), 2);

    Variant count;
    QVERIFY(trigger.getProperty("Count", count));
    QCOMPARE(count.text(), QStringLiteral("2"));
}

int runTriggerItemTests(int argc, char** argv) {
    TestTriggerItem test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_TriggerItem.moc"
