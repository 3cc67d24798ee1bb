#include "TextIdScanner.h"
#include "core/platform/NumberText.h"
#include "core/platform/modLocale.h"

#include <QTest>

using pellor::TextIdScanner;

using IdSet = QSet<int>;
Q_DECLARE_METATYPE(IdSet)

class TestTextIds : public QObject {
    Q_OBJECT

private slots:
    void scannerFollowsTheConvention_data();
    void scannerFollowsTheConvention();
    void formCaptionsAreFound();
    void captionTexts_data();
    void captionTexts();
    void everyIdUsedByTheProgramHasAnEnglishText();
    void everyCaptionHasItsOwnEnglishText();
    void fixedRoleIds_data();
    void fixedRoleIds();
};

void TestTextIds::scannerFollowsTheConvention_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<IdSet>("expected");

    QTest::newRow("caption literal") << R"(setWindowTitle("Locales#16000");)" << IdSet{16000};
    QTest::newRow("caption in QStringLiteral")
        << R"(QStringLiteral("&Open...#2002"))" << IdSet{2002};
    QTest::newRow("caption: last # only") << R"(label("x#1#2"))" << IdSet{2};
    QTest::newRow("not a caption") << R"(label("A#B"); label("#2 of them"))" << IdSet{};
    QTest::newRow("GetString") << "text = locale.GetString(217);" << IdSet{217};
    QTest::newRow("GetStringArgs") << "locale.GetStringArgs(216, {ctrl, item})" << IdSet{216};
    QTest::newRow("GetString of a variable") << "locale.GetString(id)" << IdSet{};
    QTest::newRow("ShowMessage with default title")
        << "locale.ShowMessage(prompter, 109, MessageStyle::Exclamation, TextOrId(), {name});"
        << IdSet{109};
    QTest::newRow("ShowMessage with title id")
        << "m_locale.ShowMessage(*m_prompter, 208, MessageStyle::YesNo + "
           "MessageStyle::Information, 210, {name})"
        << IdSet{208, 210};
    QTest::newRow("ShowMessage style is not an id")
        << "locale.ShowMessage(prompter, locale.GetString(5), 48)" << IdSet{5};
    QTest::newRow("nested call arguments")
        << "locale.ShowMessage(prompterFor(window(1, 2)), 122)" << IdSet{122};
    QTest::newRow("comment marker")
        << "// text ids: 222-224, 313\nfillList(222, 224);" << IdSet{222, 223, 224, 313};
    QTest::newRow("block comment marker") << "/* text ids: 15004 */" << IdSet{15004};
    QTest::newRow("call inside a comment is not used") << "// GetString(999)" << IdSet{};
    QTest::newRow("call inside a string is not used") << R"x(log("GetString(999)"))x" << IdSet{};
    QTest::newRow("escaped quote before the caption")
        << R"(label("say \"hi\"#3001"))" << IdSet{3001};
    QTest::newRow("raw string skipped") << R"xx(R"(GetString(77))")xx" << IdSet{};
}

void TestTextIds::scannerFollowsTheConvention() {
    QFETCH(QString, source);
    QFETCH(IdSet, expected);
    QCOMPARE(TextIdScanner::scanCpp(source), expected);
}

void TestTextIds::formCaptionsAreFound() {
    const QString form = QStringLiteral(R"(<widget class="QLabel" name="lblCaption">
  <property name="text"><string>Select export items.#8005</string></property>
  <property name="toolTip"><string notr="true">A#B</string></property>
  <property name="title"><string>Data Filtering#9016</string></property>)");
    QCOMPARE(TextIdScanner::scanUi(form), (IdSet{8005, 9016}));
}

void TestTextIds::captionTexts_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("escaped backslash")
        << R"(tip("[<Controller Name>\\]<Item Name> [, ...]#3028"))"
        << QStringList{R"([<Controller Name>\]<Item Name> [, ...]#3028)"};
    QTest::newRow("two captions, one plain text")
        << R"(a("&OK#16002"); b("plain"); c("&Cancel#16001");)"
        << QStringList{"&OK#16002", "&Cancel#16001"};
}

void TestTextIds::captionTexts() {
    QFETCH(QString, source);
    QFETCH(QStringList, expected);
    QCOMPARE(TextIdScanner::captionsCpp(source), expected);
}

// The whole program, as it stands: every id it refers to (see TextIdScanner for the ways
// code refers to ids) has an English text in the compiled language file beside the program.
void TestTextIds::everyIdUsedByTheProgramHasAnEnglishText() {
    const QMap<int, QString> used =
        TextIdScanner::scanFolder(QStringLiteral(PELLOR_SOURCE_ROOT "/src"));
    QVERIFY2(!used.isEmpty(), "no text ids found under src/");

    pellor::modLocale locale([] { return 0; });
    locale.InitLocale(1033);
    QCOMPARE(locale.CurrentLCID(), 1033);
    QVERIFY(!locale.GetString(0).isEmpty());

    QStringList missing;
    for (auto it = used.cbegin(); it != used.cend(); ++it) {
        if (locale.GetString(it.key()).isEmpty())
            missing << QStringLiteral("%1 (%2)").arg(it.key()).arg(it.value());
    }
    QVERIFY2(missing.isEmpty(), qPrintable("ids without English text: " + missing.join(", ")));
}

// A caption holds its English text before the "#": the English language file gives the
// same text for its id, so the program reads the same whether or not it is localised.
void TestTextIds::everyCaptionHasItsOwnEnglishText() {
    const QList<TextIdScanner::Caption> captions =
        TextIdScanner::captionsInFolder(QStringLiteral(PELLOR_SOURCE_ROOT "/src"));
    QVERIFY(!captions.isEmpty());

    pellor::modLocale locale([] { return 0; });
    locale.InitLocale(1033);
    QStringList different;
    for (const TextIdScanner::Caption& caption : captions) {
        const QString english = caption.text.left(caption.text.lastIndexOf(u'#'));
        const QString text = locale.TranslateCaption(caption.text);
        if (text != english)
            different
                << QStringLiteral("\"%1\" has \"%2\" (%3)").arg(caption.text, text, caption.file);
    }
    QVERIFY2(different.isEmpty(), qPrintable(different.join("; ")));
}

void TestTextIds::fixedRoleIds_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("numeric");

    QTest::newRow("marker") << 0 << false;
    QTest::newRow("font for older systems") << 10 << false;
    QTest::newRow("font") << 11 << false;
    QTest::newRow("second font") << 12 << false;
    QTest::newRow("third font") << 13 << false;
    QTest::newRow("character set") << 14 << true;
}

void TestTextIds::fixedRoleIds() {
    QFETCH(int, id);
    QFETCH(bool, numeric);
    pellor::modLocale locale([] { return 0; });
    locale.InitLocale(1033);
    const QString text = locale.GetString(id);
    QVERIFY(!text.isEmpty());
    if (numeric)
        QVERIFY(pellor::NumberText::isNumeric(text));
}

int runTextIdsTests(int argc, char** argv) {
    TestTextIds test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_TextIds.moc"
