#include "core/platform/EnvironmentStrings.h"

#include "SettingsEnvironment.h"

#include <QTest>

class TestEnvironmentStrings : public QObject {
    Q_OBJECT

private slots:
    void expand_data();
    void expand();
};

void TestEnvironmentStrings::expand_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << "/opt/data"
                           << "/opt/data";
    QTest::newRow("one variable") << "%PELLOR_T_ROOT%/x.plr"
                                  << "/srv/root/x.plr";
    QTest::newRow("name in other case") << "%pellor_t_root%"
                                        << "/srv/root";
    QTest::newRow("two variables") << "%PELLOR_T_ROOT%%PELLOR_T_PCT%"
                                   << "/srv/root50%";
    QTest::newRow("value not expanded again") << "%PELLOR_T_REF%"
                                              << "%PELLOR_T_ROOT%";
    QTest::newRow("unset variable kept") << "a%PELLOR_T_UNSET%b"
                                         << "a%PELLOR_T_UNSET%b";
    QTest::newRow("unset, then set") << "%PELLOR_T_UNSET%PELLOR_T_ROOT%"
                                     << "%PELLOR_T_UNSET%PELLOR_T_ROOT%";
    QTest::newRow("double percent") << "100%%"
                                    << "100%%";
    QTest::newRow("lone percent") << "50% off"
                                  << "50% off";
    QTest::newRow("empty value") << "[%PELLOR_T_EMPTY%]"
                                 << "[]";
}

void TestEnvironmentStrings::expand() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    SettingsEnvironment env;
    env.set("PELLOR_T_ROOT", QStringLiteral("/srv/root"));
    env.set("PELLOR_T_PCT", QStringLiteral("50%"));
    env.set("PELLOR_T_REF", QStringLiteral("%PELLOR_T_ROOT%"));
    env.set("PELLOR_T_EMPTY", QString());
    env.set("PELLOR_T_UNSET", std::nullopt);
    QCOMPARE(pellor::expandEnvironmentStrings(text), expected);
}

int runEnvironmentStringsTests(int argc, char** argv) {
    TestEnvironmentStrings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_EnvironmentStrings.moc"
