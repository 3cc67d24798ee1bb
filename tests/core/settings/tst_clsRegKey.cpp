#include "core/persistence/FileRegistry.h"
#include "core/persistence/clsRegKey.h"

#include "SettingsEnvironment.h"

#include <QTest>

using namespace pellor;

namespace {

const QVariant kUntouched = QStringLiteral("<untouched>");

QByteArray dword(quint32 n) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char(n >> (8 * i));
    return b;
}

} // namespace

class TestRegKey : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void queryValueByType_data();
    void queryValueByType();
    void setValueTypeRules_data();
    void setValueTypeRules();
    void openKeepsPreviousKeyOnFailure();
    void createKeyTellsDisposition();
    void attachAndDetach();
    void recurseDeleteKey();
    void enumerations();
    void enumerationFailureLeavesListAlone();

private:
    std::unique_ptr<SettingsEnvironment> m_env;
    std::unique_ptr<FileRegistry> m_registry;
};

void TestRegKey::init() {
    m_env = std::make_unique<SettingsEnvironment>();
    QVERIFY(m_env->isValid());
    m_registry = std::make_unique<FileRegistry>(m_env->registryPath());
}

void TestRegKey::cleanup() {
    m_registry.reset();
    m_env.reset();
}

void TestRegKey::queryValueByType_data() {
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("result");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("text") << RegType::Sz << QByteArray("Pellor.plr\0", 11) << 0
                          << QVariant(QString("Pellor.plr"));
    QTest::newRow("text cut at NUL")
        << RegType::Sz << QByteArray("ab\0cd\0", 6) << 0 << QVariant(QString("ab"));
    QTest::newRow("text without NUL")
        << RegType::Sz << QByteArray("abc") << 0 << QVariant(QString("abc"));
    QTest::newRow("empty text (one NUL)")
        << RegType::Sz << QByteArray(1, '\0') << 0 << QVariant(QString(""));
    QTest::newRow("UTF-8 text") << RegType::Sz << QByteArray("J\xc3\xbcrgen\0", 8) << 0
                                << QVariant(QString("Jürgen"));
    QTest::newRow("expandable") << RegType::ExpandSz << QByteArray("%PELLOR_T_DIR%\\x\0", 17) << 0
                                << QVariant(QString("/data\\x"));
    QTest::newRow("expandable, unset kept")
        << RegType::ExpandSz << QByteArray("%PELLOR_T_NONE%\0", 16) << 0
        << QVariant(QString("%PELLOR_T_NONE%"));
    QTest::newRow("expandable cut at NUL")
        << RegType::ExpandSz << QByteArray("%PELLOR_T_DIR%\0%PELLOR_T_DIR%\0", 30) << 0
        << QVariant(QString("/data"));
    QTest::newRow("binary") << RegType::Binary << QByteArray("\0\1\xff", 3) << 0
                            << QVariant(QByteArray("\0\1\xff", 3));
    QTest::newRow("dword -1") << RegType::Dword << dword(0xffffffff) << 0 << QVariant(qint32(-1));
    QTest::newRow("dword 1024") << RegType::Dword << dword(1024) << 0 << QVariant(qint32(1024));
    QTest::newRow("dword of 8 bytes")
        << RegType::Dword << QByteArray(8, '\1') << RegError::MoreData << kUntouched;
    QTest::newRow("multi") << RegType::MultiSz << QByteArray("one\0two\0\0", 9) << 0
                           << QVariant(QStringList({"one", "two"}));
    QTest::newRow("multi, inner empty entry") << RegType::MultiSz << QByteArray("a\0\0b\0\0", 6)
                                              << 0 << QVariant(QStringList({"a", "", "b"}));
    QTest::newRow("multi of one NUL")
        << RegType::MultiSz << QByteArray(1, '\0') << 0 << QVariant(QStringList());
    QTest::newRow("multi empty") << RegType::MultiSz << QByteArray() << -1 << kUntouched;
    QTest::newRow("other type") << quint32(11) << QByteArray(8, '\0') << -1 << kUntouched;
    QTest::newRow("missing value") << RegType::None << QByteArray("<missing>") << -1 << kUntouched;
}

void TestRegKey::queryValueByType() {
    QFETCH(quint32, type);
    QFETCH(QByteArray, data);
    QFETCH(int, result);
    QFETCH(QVariant, expected);

    m_env->set("PELLOR_T_DIR", QStringLiteral("/data"));
    m_env->set("PELLOR_T_NONE", std::nullopt);
    clsRegKey key(*m_registry);
    QCOMPARE(key.CreateKey(HKEY_CLASSES_ROOT, "K"), 0);
    if (data != "<missing>")
        QCOMPARE(m_registry->setValue(key.m_hKey(), "v", type, data), 0);

    QVariant value = kUntouched;
    QCOMPARE(key.QueryValue(value, "v"), result);
    if (value.typeId() == QMetaType::QStringList)
        QCOMPARE(value.toStringList(), expected.toStringList());
    QCOMPARE(value, expected);
}

void TestRegKey::setValueTypeRules_data() {
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("result");
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QByteArray>("data");

    QTest::newRow("true") << QVariant(true) << 0 << RegType::Dword << dword(0xffffffff);
    QTest::newRow("false") << QVariant(false) << 0 << RegType::Dword << dword(0);
    QTest::newRow("integer") << QVariant(int(-2)) << 0 << RegType::Dword << dword(0xfffffffe);
    QTest::newRow("16-bit") << QVariant::fromValue(qint16(7)) << 0 << RegType::Dword << dword(7);
    QTest::newRow("double halves to even") << QVariant(2.5) << 0 << RegType::Dword << dword(2);
    QTest::newRow("single") << QVariant(3.7f) << 0 << RegType::Dword << dword(4);
    QTest::newRow("too big for 32 bits")
        << QVariant(3e9) << RegError::InvalidParameter << RegType::None << QByteArray();
    QTest::newRow("bytes") << QVariant(QByteArray("\0\1", 2)) << 0 << RegType::Binary
                           << QByteArray("\0\1", 2);
    QTest::newRow("text") << QVariant(QString("x.plr")) << 0 << RegType::Sz
                          << QByteArray("x.plr\0", 6);
    QTest::newRow("empty text is one NUL")
        << QVariant(QString()) << 0 << RegType::Sz << QByteArray(1, '\0');
    QTest::newRow("no value at all") << QVariant() << 0 << RegType::Sz << QByteArray(1, '\0');
    QTest::newRow("list has no text")
        << QVariant(QStringList({"a", "b"})) << RegError::InvalidParameter << RegType::None
        << QByteArray();
}

void TestRegKey::setValueTypeRules() {
    QFETCH(QVariant, value);
    QFETCH(int, result);
    QFETCH(quint32, type);
    QFETCH(QByteArray, data);

    clsRegKey key(*m_registry);
    QCOMPARE(key.CreateKey(HKEY_CLASSES_ROOT, "K"), 0);
    QCOMPARE(key.SetValue(value, "v"), result);
    quint32 storedType = RegType::None;
    QByteArray stored;
    const qint32 rc = m_registry->queryValue(key.m_hKey(), "v", &storedType, &stored);
    QCOMPARE(rc, result == 0 ? 0 : RegError::FileNotFound);
    QCOMPARE(storedType, type);
    QCOMPARE(stored, data);
    if (result == 0 && type == RegType::Sz) {
        QVariant back;
        QCOMPARE(key.QueryValue(back, "v"), 0);
        QCOMPARE(back.toString(), value.toString());
    }
}

void TestRegKey::openKeepsPreviousKeyOnFailure() {
    clsRegKey key(*m_registry);
    QCOMPARE(key.CreateKey(HKEY_CLASSES_ROOT, "Software\\Pellor"), 0);
    QCOMPARE(key.SetValue(QString("here"), "mark"), 0);
    const RegKeyHandle held = key.m_hKey();
    QCOMPARE(key.OpenReg(HKEY_CLASSES_ROOT, "Software\\Missing", RegAccess::Read),
             RegError::FileNotFound);
    QCOMPARE(key.m_hKey(), held);
    QVariant mark;
    QCOMPARE(key.QueryValue(mark, "mark"), 0);
    QCOMPARE(mark.toString(), QString("here"));

    QCOMPARE(key.OpenReg(HKEY_CLASSES_ROOT, "Software", RegAccess::Read), 0);
    QVERIFY(key.m_hKey() != held);
    QCOMPARE(m_registry->closeKey(held), RegError::InvalidHandle); // closed by OpenReg
}

void TestRegKey::createKeyTellsDisposition() {
    clsRegKey key(*m_registry);
    quint32 disposition = 0;
    QCOMPARE(key.CreateKey(HKEY_CLASSES_ROOT, "A\\B", RegOption::NonVolatile, RegAccess::AllAccess,
                           &disposition),
             0);
    QCOMPARE(disposition, RegDisposition::CreatedNewKey);
    QCOMPARE(key.CreateKey(HKEY_CLASSES_ROOT, "a\\b", RegOption::NonVolatile, RegAccess::AllAccess,
                           &disposition),
             0);
    QCOMPARE(disposition, RegDisposition::OpenedExistingKey);
    const RegKeyHandle held = key.m_hKey();
    QCOMPARE(key.CreateKey(HKEY_CLASSES_ROOT, "bad\\\\name"), RegError::InvalidParameter);
    QCOMPARE(key.m_hKey(), held);
}

void TestRegKey::attachAndDetach() {
    RegKeyHandle raw = 0;
    QCOMPARE(m_registry->createKey(HKEY_CLASSES_ROOT, "K", 0, RegAccess::AllAccess, &raw, nullptr),
             0);
    {
        clsRegKey key(*m_registry);
        key.Attach(raw);
        QCOMPARE(key.SetValue(7, "n"), 0);
        QCOMPARE(key.Detach(), raw);
        QCOMPARE(key.m_hKey(), RegKeyHandle(0));
        QCOMPARE(key.CloseReg(), 0);
    }
    // Detached: the handle is still open after the object is gone.
    QCOMPARE(m_registry->queryValue(raw, "n", nullptr, nullptr), 0);
    {
        clsRegKey key(*m_registry);
        key.Attach(raw);
    }
    // Attached: the object closed it.
    QCOMPARE(m_registry->queryValue(raw, "n", nullptr, nullptr), RegError::InvalidHandle);
}

void TestRegKey::recurseDeleteKey() {
    clsRegKey root(*m_registry);
    QCOMPARE(root.CreateKey(HKEY_CLASSES_ROOT, "Software"), 0);
    for (const char* path : {"Tree\\A\\A1\\A11", "Tree\\A\\A2", "Tree\\B", "Keep\\X"}) {
        clsRegKey k(*m_registry);
        QCOMPARE(k.CreateKey(root.m_hKey(), path), 0);
        QCOMPARE(k.SetValue(1, "v"), 0);
    }
    QCOMPARE(root.RecurseDeleteKey("Missing"), RegError::FileNotFound);
    QCOMPARE(root.RecurseDeleteKey(""), RegError::InvalidParameter);
    QCOMPARE(root.RecurseDeleteKey("tree"), 0);
    QStringList names;
    QCOMPARE(root.EnumSubKeyNames(names), 0);
    QCOMPARE(names, QStringList({"Keep"}));
}

void TestRegKey::enumerations() {
    clsRegKey key(*m_registry);
    QCOMPARE(key.CreateKey(HKEY_CLASSES_ROOT, "K"), 0);
    QStringList names = {"stale"};
    QCOMPARE(key.EnumSubKeyNames(names), 0);
    QCOMPARE(names, QStringList());
    QCOMPARE(key.EnumValueNames(names), 0);
    QCOMPARE(names, QStringList());

    for (const char* sub : {"b", "C", "a"}) {
        clsRegKey k(*m_registry);
        QCOMPARE(k.CreateKey(key.m_hKey(), sub), 0);
    }
    QCOMPARE(key.SetValue(1, "z"), 0);
    QCOMPARE(key.SetValue(QString("d"), ""), 0);
    QCOMPARE(key.SetValue(2, "Y"), 0);
    QCOMPARE(key.EnumSubKeyNames(names), 0);
    QCOMPARE(names, QStringList({"a", "b", "C"}));
    QCOMPARE(key.EnumValueNames(names), 0);
    QCOMPARE(names, QStringList({"z", "", "Y"}));
}

void TestRegKey::enumerationFailureLeavesListAlone() {
    clsRegKey key(*m_registry);
    QStringList names = {"before"};
    QCOMPARE(key.EnumSubKeyNames(names), RegError::InvalidHandle); // no key held
    QCOMPARE(key.EnumValueNames(names), RegError::InvalidHandle);
    QCOMPARE(names, QStringList({"before"}));
    QCOMPARE(key.CreateKey(HKEY_CLASSES_ROOT, "K", RegOption::NonVolatile, RegAccess::CreateSubKey),
             0);
    QCOMPARE(key.EnumValueNames(names), RegError::AccessDenied);
    QCOMPARE(names, QStringList({"before"}));
}

int runRegKeyTests(int argc, char** argv) {
    TestRegKey test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_clsRegKey.moc"
