#include "ScriptedPrompter.h"
#include "core/platform/ProgramPaths.h"
#include "core/platform/modLocale.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unicode/uloc.h>

using pellor::modLocale;
using pellor::TextOrId;

namespace {

const QString kTestLanguages = QStringLiteral(PELLOR_TEST_LANGUAGES);

// A text-or-id from a table cell: an int is an id, a string a text, an invalid value missing.
TextOrId textOrId(const QVariant& value) {
    if (!value.isValid())
        return TextOrId();
    if (value.metaType().id() == QMetaType::Int)
        return TextOrId(value.toInt());
    return TextOrId(value.toString());
}

} // namespace

class TestModLocale : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void translateCaption_data();
    void translateCaption();
    void getString_data();
    void getString();
    void replaceArg_data();
    void replaceArg();
    void getStringArgs_data();
    void getStringArgs();

    void chooseLanguage_data();
    void chooseLanguage();
    void secondInitReleasesTheFirstLanguage();
    void defaultFolderHoldsTheEnglishTexts();
    void systemLanguageComesFromIcu();

    void showMessage_data();
    void showMessage();

private:
    QTemporaryDir m_empty;
    QTemporaryDir m_corrupt;
};

void TestModLocale::initTestCase() {
    QVERIFY(m_empty.isValid());
    QVERIFY(m_corrupt.isValid());
    // A folder whose Japanese file is not a translation file at all, beside a good English.
    QFile garbage(m_corrupt.filePath("LangRes_1041.qm"));
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("this is not a compiled translation file");
    garbage.close();
    QVERIFY(QFile::copy(kTestLanguages + "LangRes_1033.qm", m_corrupt.filePath("LangRes_1033.qm")));
}

void TestModLocale::translateCaption_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("expected");

    QTest::newRow("text and id") << "Open#3001"
                                 << "ja:Open";
    QTest::newRow("part after # is not a number") << "A#B"
                                                  << "A#B";
    QTest::newRow("the last # counts") << "x#1#2"
                                       << "ja:two";
    QTest::newRow("no #") << "Open"
                          << "Open";
    QTest::newRow("nothing after #") << "Open#"
                                     << "Open#";
    QTest::newRow("number with spaces") << "Open# 1 "
                                        << "ja:one";
    QTest::newRow("id only") << "#2"
                             << "ja:two";
    QTest::newRow("id without text becomes empty") << "Missing#9999"
                                                   << "";
    QTest::newRow("negative id becomes empty") << "Minus#-1"
                                               << "";
    QTest::newRow("hexadecimal number") << "Hex#&H2"
                                        << "ja:two";
    QTest::newRow("number then text") << "Open#3001x"
                                      << "Open#3001x";
    QTest::newRow("empty caption") << ""
                                   << "";
}

void TestModLocale::translateCaption() {
    QFETCH(QString, caption);
    QFETCH(QString, expected);
    modLocale locale([] { return 0; });
    locale.InitLocale(1041, kTestLanguages);
    QCOMPARE(locale.TranslateCaption(caption), expected);
}

void TestModLocale::getString_data() {
    QTest::addColumn<QVariant>("argument");
    QTest::addColumn<QString>("expected");

    QTest::newRow("id") << QVariant(3001) << "ja:Open";
    QTest::newRow("text passes through") << QVariant("Plain text") << "Plain text";
    QTest::newRow("a number as text is a text") << QVariant("3001") << "3001";
    QTest::newRow("caption as text is not translated") << QVariant("Open#3001") << "Open#3001";
    QTest::newRow("unknown id") << QVariant(4242) << "";
    QTest::newRow("negative id") << QVariant(-3001) << "";
    QTest::newRow("missing argument") << QVariant() << "";
}

void TestModLocale::getString() {
    QFETCH(QVariant, argument);
    QFETCH(QString, expected);
    modLocale locale([] { return 0; });
    locale.InitLocale(1041, kTestLanguages);
    QCOMPARE(locale.GetString(textOrId(argument)), expected);
}

void TestModLocale::replaceArg_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one placeholder") << "Name: %1%" << 1 << "C1"
                                     << "Name: C1";
    QTest::newRow("other numbers stay") << "%1% of %2%" << 1 << "a"
                                        << "a of %2%";
    QTest::newRow("every occurrence") << "%1%%1%" << 1 << "a"
                                      << "aa";
    QTest::newRow("value is the placeholder") << "%1%" << 1 << "%1%"
                                              << "%1%";
    QTest::newRow("value holds the placeholder twice") << "x%1%y%1%" << 1 << "%1%%1%"
                                                       << "x%1%%1%y%1%%1%";
    QTest::newRow("%10% is not %1%") << "%10%" << 1 << "a"
                                     << "%10%";
    QTest::newRow("two digit number") << "%10%" << 10 << "a"
                                      << "a";
    QTest::newRow("empty value") << "a%1%b" << 1 << ""
                                 << "ab";
    QTest::newRow("percent before the placeholder") << "%%1%" << 1 << "5"
                                                    << "%5";
    QTest::newRow("no placeholder") << "nothing here" << 1 << "a"
                                    << "nothing here";
}

void TestModLocale::replaceArg() {
    QFETCH(QString, text);
    QFETCH(int, n);
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QCOMPARE(modLocale::ReplaceArg(text, n, value), expected);
}

void TestModLocale::getStringArgs_data() {
    QTest::addColumn<QVariant>("argument");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("expected");

    QTest::newRow("two values") << QVariant("%1% of %2%") << QStringList{"a", "b"} << "a of b";
    QTest::newRow("one value twice") << QVariant("%1%%1%") << QStringList{"a"} << "aa";
    QTest::newRow("values in any order") << QVariant("%2%, %1%") << QStringList{"a", "b"} << "b, a";
    QTest::newRow("fewer values than placeholders")
        << QVariant("%1% %2%") << QStringList{"a"} << "a %2%";
    QTest::newRow("text of an id")
        << QVariant(216) << QStringList{"C1", "Temp"} << "ja:Item Details [C1 - Temp]";
    QTest::newRow("no values") << QVariant(216) << QStringList{} << "ja:Item Details [%1% - %2%]";
    QTest::newRow("unknown id") << QVariant(4242) << QStringList{"a"} << "";
}

void TestModLocale::getStringArgs() {
    QFETCH(QVariant, argument);
    QFETCH(QStringList, values);
    QFETCH(QString, expected);
    modLocale locale([] { return 0; });
    locale.InitLocale(1041, kTestLanguages);
    QCOMPARE(locale.GetStringArgs(textOrId(argument), values), expected);
}

void TestModLocale::chooseLanguage_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("system");
    QTest::addColumn<int>("expectedLcid");
    QTest::addColumn<QString>("expectedMarker");

    const QString test = QStringLiteral("test");
    const QString program = QStringLiteral("program");
    const QString japanese = QStringLiteral("日本語 (テスト)");
    const QString testEnglish = QStringLiteral("English (test)");

    QTest::newRow("requested language present") << test << 1041 << 1033 << 1041 << japanese;
    QTest::newRow("requested language absent, system language present")
        << program << 1041 << 1033 << 1033 << "English (United States)";
    QTest::newRow("nothing requested: system language") << test << 0 << 1041 << 1041 << japanese;
    QTest::newRow("negative request: system language") << test << -5 << 1041 << 1041 << japanese;
    QTest::newRow("requested language without marker") << test << 1031 << 1041 << 1041 << japanese;
    QTest::newRow("requested and system absent: 1033")
        << test << 2052 << 3082 << 1033 << testEnglish;
    QTest::newRow("neither has a marker: 1033") << test << 1031 << 1031 << 1033 << testEnglish;
    QTest::newRow("system has no language id") << test << 0 << 0 << 1033 << testEnglish;
    QTest::newRow("empty folder") << "empty" << 1041 << 1041 << 1033 << "";
    QTest::newRow("folder does not exist") << "missing" << 1041 << 1033 << 1033 << "";
    QTest::newRow("damaged file is skipped") << "corrupt" << 1041 << 1041 << 1033 << testEnglish;
}

void TestModLocale::chooseLanguage() {
    QFETCH(QString, folder);
    QFETCH(int, requested);
    QFETCH(int, system);
    QFETCH(int, expectedLcid);
    QFETCH(QString, expectedMarker);

    QString path;
    if (folder == QLatin1String("test"))
        path = kTestLanguages;
    else if (folder == QLatin1String("program"))
        path = modLocale::defaultLibraryPath();
    else if (folder == QLatin1String("empty"))
        path = m_empty.path();
    else if (folder == QLatin1String("corrupt"))
        path = m_corrupt.path();
    else
        path = m_empty.filePath("no-such-folder");

    modLocale locale([system] { return system; });
    locale.InitLocale(requested, path);
    QCOMPARE(locale.CurrentLCID(), expectedLcid);
    QCOMPARE(locale.GetString(0), expectedMarker);
    if (expectedMarker.isEmpty()) {
        QCOMPARE(locale.GetString(3001), QString());
        QCOMPARE(locale.TranslateCaption("Open#3001"), QString());
    }
}

void TestModLocale::secondInitReleasesTheFirstLanguage() {
    modLocale locale([] { return 0; });
    locale.InitLocale(1041, kTestLanguages);
    QCOMPARE(locale.GetString(3001), QStringLiteral("ja:Open"));

    locale.InitLocale(1041, m_empty.path());
    QCOMPARE(locale.CurrentLCID(), 1033);
    QCOMPARE(locale.GetString(3001), QString());

    locale.InitLocale(1033, kTestLanguages);
    QCOMPARE(locale.CurrentLCID(), 1033);
    QCOMPARE(locale.GetString(3001), QStringLiteral("en:Open"));
}

void TestModLocale::defaultFolderHoldsTheEnglishTexts() {
    modLocale locale([] { return 0; });
    QCOMPARE(locale.CurrentLCID(), 1033);
    QCOMPARE(locale.GetString(0), QString()); // nothing loaded before InitLocale

    locale.InitLocale(0);
    QCOMPARE(locale.libraryPath(), pellor::ProgramPaths::folder() + "LangRes/");
    QCOMPARE(locale.CurrentLCID(), 1033);
    QCOMPARE(locale.GetString(0), QStringLiteral("English (United States)"));
    QCOMPARE(locale.TranslateCaption("Locales#16000"), QStringLiteral("Locales"));
}

void TestModLocale::systemLanguageComesFromIcu() {
    const QByteArray saved = uloc_getDefault();
    UErrorCode status = U_ZERO_ERROR;
    uloc_setDefault("ja_JP", &status);
    QVERIFY(U_SUCCESS(status));
    modLocale japanese;
    japanese.InitLocale(0, kTestLanguages);

    uloc_setDefault("fr_FR", &status);
    modLocale french;
    french.InitLocale(0, kTestLanguages);
    uloc_setDefault(saved.constData(), &status);

    QCOMPARE(japanese.CurrentLCID(), 1041);
    QCOMPARE(french.CurrentLCID(), 1033); // 1036 has no file: the fallback
}

void TestModLocale::showMessage_data() {
    QTest::addColumn<QVariant>("message");
    QTest::addColumn<int>("style");
    QTest::addColumn<QVariant>("title");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QString>("expectedTitle");

    const int exclamation = pellor::MessageStyle::OkOnly + pellor::MessageStyle::Exclamation;
    const int question = pellor::MessageStyle::YesNo + pellor::MessageStyle::Question;
    const QString program = QStringLiteral("test_locale");

    QTest::newRow("id, default title")
        << QVariant(122) << exclamation << QVariant() << QStringList{}
        << "ja:The document could not be read." << program;
    QTest::newRow("id with arguments, title id")
        << QVariant(216) << question << QVariant(16000) << QStringList{"C1", "Temp"}
        << "ja:Item Details [C1 - Temp]"
        << "ja:Locales";
    QTest::newRow("text with one value")
        << QVariant("Name %1% taken") << exclamation << QVariant("Own title") << QStringList{"C1"}
        << "Name C1 taken"
        << "Own title";
    QTest::newRow("title id without text") << QVariant(122) << exclamation << QVariant(4242)
                                           << QStringList{} << "ja:The document could not be read."
                                           << "";
    QTest::newRow("empty title text stays empty")
        << QVariant("Hello") << exclamation << QVariant("") << QStringList{} << "Hello"
        << "";
    QTest::newRow("unknown message id")
        << QVariant(4242) << exclamation << QVariant() << QStringList{"x"} << "" << program;
}

void TestModLocale::showMessage() {
    QFETCH(QVariant, message);
    QFETCH(int, style);
    QFETCH(QVariant, title);
    QFETCH(QStringList, args);
    QFETCH(QString, expectedText);
    QFETCH(QString, expectedTitle);

    modLocale locale([] { return 0; });
    locale.InitLocale(1041, kTestLanguages);
    pellor::ScriptedPrompter prompter;
    prompter.answerMessage(pellor::MessageResult::No);

    const int result =
        locale.ShowMessage(prompter, textOrId(message), style, textOrId(title), args);

    QCOMPARE(result, pellor::MessageResult::No);
    QCOMPARE(prompter.asked().size(), 1);
    const auto& asked = prompter.asked().first();
    QCOMPARE(asked.kind, QStringLiteral("message"));
    QCOMPARE(asked.text, expectedText);
    QCOMPARE(asked.title, expectedTitle);
    QCOMPARE(asked.style, style);
}

int runModLocaleTests(int argc, char** argv) {
    TestModLocale test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_modLocale.moc"
