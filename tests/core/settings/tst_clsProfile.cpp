#include "core/persistence/clsProfile.h"

#include "SettingsEnvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using pellor::clsProfile;

class TestProfile : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void defaultFileName();
    void getString_data();
    void getString();
    void getInt_data();
    void getInt();
    void sectionNames_data();
    void sectionNames();
    void writeKeepsEverythingElse_data();
    void writeKeepsEverythingElse();
    void writtenValuesReadBackExactly_data();
    void writtenValuesReadBackExactly();
    void refusedWritesLeaveFileAlone_data();
    void refusedWritesLeaveFileAlone();
    void lengthLimit();
    void megabyteValueInFile();
    void deleteMissingIsFine();
    void unreadableOrUnwritableFile();
    void changeByAnotherProgramIsKept();
    void ownerOnlyMode();

private:
    QString write(const QByteArray& content);

    std::unique_ptr<SettingsEnvironment> m_env;
    QString m_file;
};

void TestProfile::init() {
    m_env = std::make_unique<SettingsEnvironment>();
    QVERIFY(m_env->isValid());
    m_file = m_env->path("test.ini");
}

void TestProfile::cleanup() {
    m_env.reset();
}

QString TestProfile::write(const QByteArray& content) {
    if (!SettingsEnvironment::writeFile(m_file, content))
        return QString();
    return m_file;
}

void TestProfile::defaultFileName() {
    clsProfile profile;
    QCOMPARE(profile.FileName(), m_env->configFolder() + "/test_settings.ini");
}

void TestProfile::getString_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected"); // with default "<def>"

    const QByteArray basic = "[Window]\nFormLeft=200\nEmpty=\n";
    QTest::newRow("plain") << basic << "Window"
                           << "FormLeft"
                           << "200";
    QTest::newRow("names without case") << basic << "WINDOW"
                                        << "formleft"
                                        << "200";
    QTest::newRow("query names trimmed") << basic << " Window "
                                         << " FormLeft"
                                         << "200";
    QTest::newRow("empty value") << basic << "Window"
                                 << "Empty"
                                 << "";
    QTest::newRow("missing key") << basic << "Window"
                                 << "FormTop"
                                 << "<def>";
    QTest::newRow("missing section") << basic << "Other"
                                     << "FormLeft"
                                     << "<def>";
    QTest::newRow("no file") << QByteArray("<none>") << "Window"
                             << "FormLeft"
                             << "<def>";
    QTest::newRow("blanks around") << QByteArray("  [ Log ]  \n\t LogLevel \t=\t 3 \t\n") << "Log"
                                   << "LogLevel"
                                   << "3";
    QTest::newRow("double quotes") << QByteArray("[s]\nk=\" a b \"\n") << "s"
                                   << "k"
                                   << " a b ";
    QTest::newRow("single quotes") << QByteArray("[s]\nk='x'\n") << "s"
                                   << "k"
                                   << "x";
    QTest::newRow("unmatched quotes") << QByteArray("[s]\nk=\"x'\n") << "s"
                                      << "k"
                                      << "\"x'";
    QTest::newRow("one quote") << QByteArray("[s]\nk=\"\n") << "s"
                               << "k"
                               << "\"";
    QTest::newRow("quotes inside") << QByteArray("[s]\nk=a\"b\"\n") << "s"
                                   << "k"
                                   << "a\"b\"";
    QTest::newRow("= in value") << QByteArray("[s]\nk=a=b\n") << "s"
                                << "k"
                                << "a=b";
    QTest::newRow("first key wins") << QByteArray("[s]\nk=1\nK=2\n") << "s"
                                    << "k"
                                    << "1";
    QTest::newRow("first section wins") << QByteArray("[s]\na=1\n[S]\nk=2\n") << "s"
                                        << "k"
                                        << "<def>";
    QTest::newRow("missing bracket: not a section") << QByteArray("[s]\n[t\nk=1\n") << "s"
                                                    << "k"
                                                    << "1";
    QTest::newRow("garbage lines ignored") << QByteArray("junk\n[s]\n;comment\n%%%\nk=1\n") << "s"
                                           << "k"
                                           << "1";
    QTest::newRow("text after ]") << QByteArray("[s] junk\nk=1\n") << "s"
                                  << "k"
                                  << "1";
    QTest::newRow("CR LF") << QByteArray("[s]\r\nk=v\r\n") << "s"
                           << "k"
                           << "v";
    QTest::newRow("CR only") << QByteArray("[s]\rk=v\r") << "s"
                             << "k"
                             << "v";
    QTest::newRow("BOM") << QByteArray("\xEF\xBB\xBF[s]\nk=v\n") << "s"
                         << "k"
                         << "v";
    QTest::newRow("NUL cuts the value") << QByteArray("[s]\nk=ab\0cd\n", 12) << "s"
                                        << "k"
                                        << "ab";
    QTest::newRow("NUL line kept apart") << QByteArray("[s]\n\0\0\0\nk=v\n", 12) << "s"
                                         << "k"
                                         << "v";
    QTest::newRow("invalid UTF-8 elsewhere") << QByteArray("[s]\nx=\xff\xfe\nk=v\n") << "s"
                                             << "k"
                                             << "v";
    QTest::newRow("UTF-8 value") << QByteArray("[s]\nk=J\xc3\xbcrgen\n") << "s"
                                 << "k"
                                 << "Jürgen";
}

void TestProfile::getString() {
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    if (file != "<none>")
        QVERIFY(!write(file).isEmpty());
    clsProfile profile;
    profile.setFileName(m_file);
    QCOMPARE(profile.GetString(section, key, "<def>"), expected);
}

void TestProfile::getInt_data() {
    QTest::addColumn<QString>("value"); // "<missing>": no key
    QTest::addColumn<int>("expected");  // default 77

    QTest::newRow("decimal") << "1024" << 1024;
    QTest::newRow("negative") << "-5" << -5;
    QTest::newRow("blanks and plus") << "  +12" << 12;
    QTest::newRow("hex prefix") << "0x1F" << 31;
    QTest::newRow("trailing text") << "42abc" << 42;
    QTest::newRow("no digits") << "abc" << 0;
    QTest::newRow("empty value") << "" << 77;
    QTest::newRow("missing") << "<missing>" << 77;
    QTest::newRow("wraps at 32 bits") << "4294967295" << -1;
}

void TestProfile::getInt() {
    QFETCH(QString, value);
    QFETCH(int, expected);
    QVERIFY(!write(value == "<missing>" ? QByteArray("[s]\n") : "[s]\nk=" + value.toUtf8() + "\n")
                 .isEmpty());
    clsProfile profile;
    profile.setFileName(m_file);
    QCOMPARE(profile.GetInt("s", "k", 77), expected);
}

void TestProfile::sectionNames_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("no file") << QByteArray("<none>") << QStringList();
    QTest::newRow("no sections") << QByteArray("k=v\n") << QStringList();
    QTest::newRow("file order with duplicates") << QByteArray("[Zeta]\n[alpha]\n[ZETA]\n[Mid]\n")
                                                << QStringList({"Zeta", "alpha", "ZETA", "Mid"});
    QTest::newRow("broken header skipped")
        << QByteArray("[a]\n[b\n[c]\n") << QStringList({"a", "c"});
}

void TestProfile::sectionNames() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, expected);
    if (file != "<none>")
        QVERIFY(!write(file).isEmpty());
    clsProfile profile;
    profile.setFileName(m_file);
    QCOMPARE(profile.GetSectNames(), expected);
}

void TestProfile::writeKeepsEverythingElse_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("operation"); // write / deleteKey / deleteSection
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("new file") << QByteArray("<none>") << "write"
                              << "Window"
                              << "FormLeft"
                              << "200" << QByteArray("[Window]\nFormLeft=200\n");
    QTest::newRow("replace keeps name case and place")
        << QByteArray("; c\n[S]\nKey = old\nb=2\n") << "write"
        << "s"
        << "KEY"
        << "new" << QByteArray("; c\n[S]\nKey=new\nb=2\n");
    QTest::newRow("add after last line of section, before blank")
        << QByteArray("[a]\nx=1\n\n[b]\ny=2\n") << "write"
        << "A"
        << "z"
        << "3" << QByteArray("[a]\nx=1\nz=3\n\n[b]\ny=2\n");
    QTest::newRow("new section at end of file without newline")
        << QByteArray("[a]\nx=1") << "write"
        << "b"
        << "y"
        << "2" << QByteArray("[a]\nx=1\n[b]\ny=2\n");
    QTest::newRow("CR LF kept") << QByteArray("[a]\r\nx=1\r\n") << "write"
                                << "a"
                                << "y"
                                << "2" << QByteArray("[a]\r\nx=1\r\ny=2\r\n");
    QTest::newRow("first of duplicate sections") << QByteArray("[a]\nx=1\n[A]\nx=2\n") << "write"
                                                 << "a"
                                                 << "x"
                                                 << "9" << QByteArray("[a]\nx=9\n[A]\nx=2\n");
    QTest::newRow("garbage and bad bytes survive")
        << QByteArray("\xEF\xBB\xBFjunk\n[a]\n\xff\xfe\0zz\nx=1\n[b\n", 25) << "write"
        << "a"
        << "x"
        << "2" << QByteArray("\xEF\xBB\xBFjunk\n[a]\n\xff\xfe\0zz\nx=2\n[b\n", 25);
    QTest::newRow("unchanged value: same bytes") << QByteArray("[a]\n x = 1 \n") << "write"
                                                 << "a"
                                                 << "x"
                                                 << "1" << QByteArray("[a]\n x = 1 \n");
    QTest::newRow("delete first matching key") << QByteArray("[a]\nx=1\nX=2\ny=3\n") << "deleteKey"
                                               << "A"
                                               << "x"
                                               << "" << QByteArray("[a]\nX=2\ny=3\n");
    QTest::newRow("delete section up to the next")
        << QByteArray("top\n[a]\nx=1\n;c\n[b]\ny=2\n[a]\nz=3\n") << "deleteSection"
        << "A"
        << ""
        << "" << QByteArray("top\n[b]\ny=2\n[a]\nz=3\n");
}

void TestProfile::writeKeepsEverythingElse() {
    QFETCH(QByteArray, before);
    QFETCH(QString, operation);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, data);
    QFETCH(QByteArray, after);

    if (before != "<none>")
        QVERIFY(!write(before).isEmpty());
    clsProfile profile;
    profile.setFileName(m_file);
    bool ok = false;
    if (operation == "write")
        ok = profile.WriteString(section, key, data);
    else if (operation == "deleteKey")
        ok = profile.DeleteKey(section, key);
    else
        ok = profile.DeleteSection(section);
    QVERIFY(ok);
    QCOMPARE(SettingsEnvironment::readFile(m_file), after);
    QVERIFY(!QFileInfo::exists(m_file + ".lock"));
}

void TestProfile::writtenValuesReadBackExactly_data() {
    QTest::addColumn<QString>("data");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("plain") << "abc" << QByteArray("k=abc");
    QTest::newRow("empty") << "" << QByteArray("k=");
    QTest::newRow("leading blank") << " pw" << QByteArray("k=\" pw\"");
    QTest::newRow("trailing tab") << "pw\t" << QByteArray("k=\"pw\t\"");
    QTest::newRow("quoted") << "\"x\"" << QByteArray("k=\"\"x\"\"");
    QTest::newRow("single quoted") << "'x'" << QByteArray("k=\"'x'\"");
    QTest::newRow("one quote") << "\"" << QByteArray("k=\"");
    QTest::newRow("semicolon and equals") << ";a=b[c]" << QByteArray("k=;a=b[c]");
    QTest::newRow("non-ASCII") << "Paßwört 日本"
                               << QByteArray("k=Pa\xc3\x9fw\xc3\xb6rt \xe6\x97\xa5\xe6\x9c\xac");
}

void TestProfile::writtenValuesReadBackExactly() {
    QFETCH(QString, data);
    QFETCH(QByteArray, line);
    clsProfile profile;
    profile.setFileName(m_file);
    QVERIFY(profile.WriteString("s", "k", data));
    QCOMPARE(SettingsEnvironment::readFile(m_file), "[s]\n" + line + "\n");
    QCOMPARE(profile.GetString("s", "k", "<def>"), data);
}

void TestProfile::refusedWritesLeaveFileAlone_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("data");

    QTest::newRow("line break in data") << "Logon"
                                        << "UserName"
                                        << "x\n[Path]\nPLRPath=/evil";
    QTest::newRow("CR in data") << "Logon"
                                << "UserName"
                                << "x\ry";
    QTest::newRow("NUL in data") << "Logon"
                                 << "UserName" << QString("a") + QChar(0) + "b";
    QTest::newRow("line break in key") << "Logon"
                                       << "a\nb"
                                       << "x";
    QTest::newRow("line break in section") << "Lo\ngon"
                                           << "k"
                                           << "x";
    QTest::newRow("= in key") << "Logon"
                              << "a=b"
                              << "x";
    QTest::newRow("key looks like section") << "Logon"
                                            << "[x]"
                                            << "x";
    QTest::newRow("key looks like comment") << "Logon"
                                            << ";x"
                                            << "x";
    QTest::newRow("empty key") << "Logon"
                               << "  "
                               << "x";
}

void TestProfile::refusedWritesLeaveFileAlone() {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, data);
    const QByteArray before = "[Logon]\nUserName=ann\n";
    QVERIFY(!write(before).isEmpty());
    clsProfile profile;
    profile.setFileName(m_file);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Profile .* refuses key.*"));
    QVERIFY(!profile.WriteString(section, key, data));
    QCOMPARE(SettingsEnvironment::readFile(m_file), before);
}

void TestProfile::lengthLimit() {
    clsProfile profile;
    profile.setFileName(m_file);
    const QString longest(clsProfile::MaxTextLength, QLatin1Char('a'));
    QVERIFY(profile.WriteString("s", "k", longest));
    QCOMPARE(profile.GetString("s", "k", ""), longest);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Profile .* refuses key.*"));
    QVERIFY(!profile.WriteString("s", "k", longest + "b"));
    QCOMPARE(profile.GetString("s", "k", ""), longest);
}

void TestProfile::megabyteValueInFile() {
    const QByteArray big(1 << 20, 'v');
    QVERIFY(!write("[s]\nbig=" + big + "\nk=1\n").isEmpty());
    clsProfile profile;
    profile.setFileName(m_file);
    QCOMPARE(profile.GetString("s", "big", "").size(), clsProfile::MaxTextLength);
    QVERIFY(profile.WriteString("s", "k", "2"));
    QCOMPARE(SettingsEnvironment::readFile(m_file), "[s]\nbig=" + big + "\nk=2\n");
}

void TestProfile::deleteMissingIsFine() {
    clsProfile profile;
    profile.setFileName(m_file);
    QVERIFY(profile.DeleteKey("s", "k"));
    QVERIFY(profile.DeleteSection("s"));
    QVERIFY(!QFileInfo::exists(m_file)); // nothing to delete creates no file
    QVERIFY(!write("[s]\nk=1\n").isEmpty());
    QVERIFY(profile.DeleteKey("s", "other"));
    QVERIFY(profile.DeleteSection("other"));
    QCOMPARE(SettingsEnvironment::readFile(m_file), QByteArray("[s]\nk=1\n"));
}

void TestProfile::unreadableOrUnwritableFile() {
    clsProfile profile;
    // The folder is missing: nothing is created.
    profile.setFileName(m_env->path("missing/dir/x.ini"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Profile .* cannot be locked"));
    QVERIFY(!profile.WriteString("s", "k", "v"));
    QVERIFY(!QFileInfo::exists(m_env->path("missing")));
    QCOMPARE(profile.GetString("s", "k", "def"), QString("def"));

    // The folder is a regular file.
    QVERIFY(SettingsEnvironment::writeFile(m_env->path("plain"), "x"));
    profile.setFileName(m_env->path("plain/x.ini"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Profile .* cannot be locked"));
    QVERIFY(!profile.WriteString("s", "k", "v"));

    // The profile is a folder: it is not replaced by a file.
    QVERIFY(QDir().mkpath(m_env->path("dir.ini")));
    profile.setFileName(m_env->path("dir.ini"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Profile .* cannot be read.*"));
    QCOMPARE(profile.GetString("s", "k", "def"), QString("def"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Profile .* cannot be read.*"));
    QVERIFY(!profile.WriteString("s", "k", "v"));
    QVERIFY(QFileInfo(m_env->path("dir.ini")).isDir());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Profile .* cannot be read.*"));
    QCOMPARE(profile.GetSectNames(), QStringList());
}

void TestProfile::changeByAnotherProgramIsKept() {
    clsProfile profile;
    profile.setFileName(m_file);
    QVERIFY(profile.WriteString("a", "x", "1"));
    QVERIFY(SettingsEnvironment::writeFile(m_file, "[a]\nx=1\nfromOther=o\n"));
    QVERIFY(profile.WriteString("a", "y", "2"));
    QCOMPARE(SettingsEnvironment::readFile(m_file), QByteArray("[a]\nx=1\nfromOther=o\ny=2\n"));
}

void TestProfile::ownerOnlyMode() {
    clsProfile profile;
    profile.setFileName(m_file);
    profile.setOwnerOnly(true);
    QVERIFY(profile.WriteString("Logon", "UserPassword", "secret"));
    QCOMPARE(SettingsEnvironment::mode(m_file), 0600);

    // An existing file readable by everyone is tightened on the next write, changed or not.
    QVERIFY(QFile::setPermissions(m_file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                              QFile::ReadOther));
    QVERIFY(profile.WriteString("Logon", "UserPassword", "secret"));
    QCOMPARE(SettingsEnvironment::mode(m_file), 0600);
    QVERIFY(QFile::setPermissions(m_file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    QVERIFY(profile.WriteString("Logon", "UserPassword", "other"));
    QCOMPARE(SettingsEnvironment::mode(m_file), 0600);
}

int runProfileTests(int argc, char** argv) {
    TestProfile test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_clsProfile.moc"
