#include "core/app/TovanDataFolder.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

// An environment variable as it was, put back on destruction.
class SavedVariable {
public:
    explicit SavedVariable(const char* name) : m_name(name) {
        if (qEnvironmentVariableIsSet(name))
            m_value = qgetenv(name);
    }
    ~SavedVariable() {
        if (m_value)
            qputenv(m_name, *m_value);
        else
            qunsetenv(m_name);
    }
    SavedVariable(const SavedVariable&) = delete;
    SavedVariable& operator=(const SavedVariable&) = delete;

private:
    const char* m_name;
    std::optional<QByteArray> m_value;
};

// "<unset>" in a table means the variable does not exist at all.
void setOrUnset(const char* name, const QString& value) {
    if (value == QLatin1String("<unset>"))
        qunsetenv(name);
    else
        qputenv(name, value.toUtf8());
}

} // namespace

class TestTovanDataFolder : public QObject {
    Q_OBJECT

private slots:
    void rule_data();
    void rule();
    void folderIsNotCreated();
};

void TestTovanDataFolder::rule_data() {
    QTest::addColumn<QString>("tovan");
    QTest::addColumn<QString>("commonAppData");
    QTest::addColumn<QString>("expected");

    const QString generic =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/OPCUA";

    QTest::newRow("Tovan set wins") << "/data/tovan"
                                    << "/srv/common"
                                    << "/data/tovan";
    QTest::newRow("Tovan set, no common folder") << "/data/tovan"
                                                 << "<unset>"
                                                 << "/data/tovan";
    QTest::newRow("Tovan empty") << ""
                                 << "/srv/common"
                                 << "/srv/common/OPCUA";
    QTest::newRow("Tovan unset") << "<unset>"
                                 << "/srv/common"
                                 << "/srv/common/OPCUA";
    QTest::newRow("common folder with slash") << "<unset>"
                                              << "/srv/common/"
                                              << "/srv/common/OPCUA";
    QTest::newRow("common folder empty") << "<unset>"
                                         << "" << generic;
    QTest::newRow("nothing set") << "<unset>"
                                 << "<unset>" << generic;
}

void TestTovanDataFolder::rule() {
    QFETCH(QString, tovan);
    QFETCH(QString, commonAppData);
    QFETCH(QString, expected);

    SavedVariable savedTovan("Tovan");
    SavedVariable savedCommon("PELLOR_COMMON_APPDATA");
    setOrUnset("Tovan", tovan);
    setOrUnset("PELLOR_COMMON_APPDATA", commonAppData);

    QCOMPARE(pellor::tovanDataFolder(), expected);
}

void TestTovanDataFolder::folderIsNotCreated() {
    QTemporaryDir common;
    QVERIFY(common.isValid());
    SavedVariable savedTovan("Tovan");
    SavedVariable savedCommon("PELLOR_COMMON_APPDATA");
    qunsetenv("Tovan");
    qputenv("PELLOR_COMMON_APPDATA", common.path().toUtf8());

    const QString folder = pellor::tovanDataFolder();
    QCOMPARE(folder, common.path() + "/OPCUA");
    QVERIFY(!QFileInfo::exists(folder));
}

int runTovanDataFolderTests(int argc, char** argv) {
    TestTovanDataFolder test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_TovanDataFolder.moc"
