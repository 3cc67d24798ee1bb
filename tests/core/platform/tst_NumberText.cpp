// The Basic number text rules: IsNumeric, Val, rounding halves to even, range checks and the
// document's locale-free number texts.
#include "core/platform/NumberText.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace pellor;

namespace {
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
} // namespace

class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void isNumericAndParse_data();
    void isNumericAndParse();
    void val_data();
    void val();
    void roundHalfEven_data();
    void roundHalfEven();
    void toInteger_data();
    void toInteger();
    void toLong_data();
    void toLong();
    void toSingle_data();
    void toSingle();
    void formatSingle_data();
    void formatSingle();
    void formatDouble_data();
    void formatDouble();
};

void TestNumberText::isNumericAndParse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("value");

    QTest::newRow("integer") << "123" << true << 123.0;
    QTest::newRow("spaces around") << "  12 " << true << 12.0;
    QTest::newRow("tabs around") << "\t7\t" << true << 7.0;
    QTest::newRow("negative decimal") << "-1.5" << true << -1.5;
    QTest::newRow("plus, no leading digit") << "+.5" << true << 0.5;
    QTest::newRow("no leading digit") << ".5" << true << 0.5;
    QTest::newRow("trailing point") << "5." << true << 5.0;
    QTest::newRow("exponent E+") << "1E+20" << true << 1e20;
    QTest::newRow("exponent e") << "1e5" << true << 1e5;
    QTest::newRow("negative exponent") << "1.5E-3" << true << 0.0015;
    QTest::newRow("exponent D") << "2D3" << true << 2000.0;
    QTest::newRow("underflow is zero") << "1E-400" << true << 0.0;
    QTest::newRow("&H lower case") << "&hff" << true << 255.0;
    QTest::newRow("&H 16-bit all ones") << "&HFFFF" << true << -1.0;
    QTest::newRow("&H 16-bit maximum") << "&H7FFF" << true << 32767.0;
    QTest::newRow("&H 16-bit sign") << "&H8000" << true << -32768.0;
    QTest::newRow("&H 17 bits") << "&H10000" << true << 65536.0;
    QTest::newRow("&H 32-bit all ones") << "&HFFFFFFFF" << true << -1.0;
    QTest::newRow("&H 32-bit sign") << "&H80000000" << true << -2147483648.0;
    QTest::newRow("&O") << "&O17" << true << 15.0;
    QTest::newRow("&O with 8") << "&O8" << false << 0.0;
    QTest::newRow("&H without digits") << "&H" << false << 0.0;
    QTest::newRow("&H over 32 bits") << "&H100000000" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blank") << "   " << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("comma decimal") << "1,5" << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << false << 0.0;
    QTest::newRow("point only") << "." << false << 0.0;
    QTest::newRow("sign only") << "-" << false << 0.0;
    QTest::newRow("two signs") << "--1" << false << 0.0;
    QTest::newRow("plus then minus") << "+-1" << false << 0.0;
    QTest::newRow("plus then minus, decimal") << "+-.5" << false << 0.0;
    QTest::newRow("minus then plus") << "-+1" << false << 0.0;
    QTest::newRow("trailing letters") << "12abc" << false << 0.0;
    QTest::newRow("exponent without digits") << "1E" << false << 0.0;
    QTest::newRow("inner space") << "1 2" << false << 0.0;
    QTest::newRow("C hex") << "0x10" << false << 0.0;
    QTest::newRow("inf") << "inf" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
    QTest::newRow("overflow") << "1E400" << false << 0.0;
    QTest::newRow("Arabic-Indic digits") << QStringLiteral("\u0661\u0662") << false << 0.0;
}

// parse() and its UTF-8 form, which the document reader uses, follow the same rules.
void TestNumberText::isNumericAndParse() {
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QFETCH(double, value);
    QCOMPARE(NumberText::isNumeric(text), numeric);
    const auto parsed = NumberText::parse(text);
    QCOMPARE(parsed.has_value(), numeric);
    if (numeric)
        QCOMPARE(*parsed, value);

    const QByteArray utf8 = text.toUtf8();
    const auto fromUtf8 =
        NumberText::parseUtf8(std::string_view(utf8.constData(), size_t(utf8.size())));
    QCOMPARE(fromUtf8.has_value(), numeric);
    if (numeric && fromUtf8)
        QCOMPARE(*fromUtf8, value);
}

void TestNumberText::val_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("spaces inside") << "  12 34abc" << 1234.0;
    QTest::newRow("exponent then letters") << "1.5E2x" << 150.0;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("negative") << "-3.7" << -3.7;
    QTest::newRow("hex") << "&H1F" << 31.0;
    QTest::newRow("hex then letters") << "&H1FZ" << 31.0;
    QTest::newRow("hex without digits") << "&HZ" << 0.0;
    QTest::newRow("exponent without digits") << "1E" << 1.0;
    QTest::newRow("no leading digit") << ".5" << 0.5;
    QTest::newRow("spaced point") << "1 . 5" << 1.5;
    QTest::newRow("spaced sign") << "- 2" << -2.0;
    QTest::newRow("comma ends the number") << "12,5" << 12.0;
    QTest::newRow("line ends skipped") << "\t\r\n42" << 42.0;
}

void TestNumberText::val() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(NumberText::val(text), value);
}

void TestNumberText::roundHalfEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");
    QTest::newRow("0.5") << 0.5 << 0.0;
    QTest::newRow("1.5") << 1.5 << 2.0;
    QTest::newRow("2.5") << 2.5 << 2.0;
    QTest::newRow("3.5") << 3.5 << 4.0;
    QTest::newRow("-0.5") << -0.5 << 0.0;
    QTest::newRow("-1.5") << -1.5 << -2.0;
    QTest::newRow("-2.5") << -2.5 << -2.0;
    QTest::newRow("just below a half") << 2.4999 << 2.0;
    QTest::newRow("just above a half") << 2.5000001 << 3.0;
    QTest::newRow("whole") << 7.0 << 7.0;
}

void TestNumberText::roundHalfEven() {
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(NumberText::roundHalfEven(value), rounded);
}

void TestNumberText::toInteger_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("result");
    QTest::newRow("maximum, rounded down") << 32767.4 << true << 32767;
    QTest::newRow("half above maximum") << 32767.5 << false << 0;
    QTest::newRow("half to even below maximum") << 32766.5 << true << 32766;
    QTest::newRow("half below minimum rounds to it") << -32768.5 << true << -32768;
    QTest::newRow("below minimum") << -32768.6 << false << 0;
    QTest::newRow("1.5") << 1.5 << true << 2;
    QTest::newRow("NaN") << kNaN << false << 0;
    QTest::newRow("infinity") << kInf << false << 0;
}

void TestNumberText::toInteger() {
    QFETCH(double, value);
    QFETCH(bool, fits);
    QFETCH(int, result);
    const auto r = NumberText::toInteger(value);
    QCOMPARE(r.has_value(), fits);
    if (fits)
        QCOMPARE(int(*r), result);
}

void TestNumberText::toLong_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<qint64>("result");
    QTest::newRow("maximum, rounded down") << 2147483647.4 << true << qint64(2147483647);
    QTest::newRow("half above maximum") << 2147483647.5 << false << qint64(0);
    QTest::newRow("half to even below maximum") << 2147483646.5 << true << qint64(2147483646);
    QTest::newRow("half below minimum rounds to it")
        << -2147483648.5 << true << qint64(-2147483648LL);
    QTest::newRow("below minimum") << -2147483648.6 << false << qint64(0);
    QTest::newRow("far too large") << 1e10 << false << qint64(0);
    QTest::newRow("-2.5") << -2.5 << true << qint64(-2);
    QTest::newRow("NaN") << kNaN << false << qint64(0);
}

void TestNumberText::toLong() {
    QFETCH(double, value);
    QFETCH(bool, fits);
    QFETCH(qint64, result);
    const auto r = NumberText::toLong(value);
    QCOMPARE(r.has_value(), fits);
    if (fits)
        QCOMPARE(qint64(*r), result);
}

void TestNumberText::toSingle_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<float>("result");
    const float max = std::numeric_limits<float>::max();
    QTest::newRow("maximum") << double(max) << true << max;
    QTest::newRow("negative maximum") << -double(max) << true << -max;
    QTest::newRow("above maximum") << 3.5e38 << false << 0.0f;
    QTest::newRow("below negative maximum") << -3.5e38 << false << 0.0f;
    QTest::newRow("underflow") << 1e-50 << true << 0.0f;
    QTest::newRow("0.1") << 0.1 << true << 0.1f;
    QTest::newRow("NaN") << kNaN << false << 0.0f;
    QTest::newRow("infinity") << kInf << false << 0.0f;
}

void TestNumberText::toSingle() {
    QFETCH(double, value);
    QFETCH(bool, fits);
    QFETCH(float, result);
    const auto r = NumberText::toSingle(value);
    QCOMPARE(r.has_value(), fits);
    if (fits)
        QCOMPARE(*r, result);
}

void TestNumberText::formatSingle_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("one half") << 0.5f << ".5";
    QTest::newRow("minus one half") << -0.5f << "-.5";
    QTest::newRow("large") << 1.5e20f << "1.5E+20";
    QTest::newRow("small") << 1e-5f << "1E-05";
    QTest::newRow("ten thousandth") << 1e-4f << ".0001";
    QTest::newRow("zero") << 0.0f << "0";
    QTest::newRow("negative zero") << -0.0f << "0";
    QTest::newRow("seven") << 7.0f << "7";
    QTest::newRow("seven digits") << 1234567.0f << "1234567";
    QTest::newRow("eight digits") << 12345678.0f << "1.234568E+07";
    QTest::newRow("pi") << 3.14159265f << "3.141593";
    QTest::newRow("one tenth") << 0.1f << ".1";
    QTest::newRow("decimal") << 123456.7f << "123456.7";
    QTest::newRow("negative decimal") << -1234.5f << "-1234.5";
    QTest::newRow("1E+15") << 1e15f << "1E+15";
    QTest::newRow("maximum") << std::numeric_limits<float>::max() << "3.402823E+38";
    QTest::newRow("smallest subnormal")
        << std::numeric_limits<float>::denorm_min() << "1.401298E-45";
}

// The text, the same bytes from the buffer overload, and a text that reads back to itself.
void TestNumberText::formatSingle() {
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(NumberText::formatSingle(value), text);
    char buf[32];
    const int n = NumberText::formatSingle(value, buf);
    QCOMPARE(QString::fromLatin1(buf, n), text);
    const auto back = NumberText::parse(text);
    QVERIFY(back);
    QCOMPARE(NumberText::formatSingle(float(*back)), text);
}

void TestNumberText::formatDouble_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("one half") << 0.5 << ".5";
    QTest::newRow("minus one half") << -0.5 << "-.5";
    QTest::newRow("large") << 1.5e20 << "1.5E+20";
    QTest::newRow("small") << 1e-5 << "1E-05";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("sixty") << 60.0 << "60";
    QTest::newRow("one third") << 1.0 / 3 << ".333333333333333";
    QTest::newRow("two thirds") << 2.0 / 3 << ".666666666666667";
    QTest::newRow("fifteen digits") << 123456789012345.0 << "123456789012345";
    QTest::newRow("sixteen digits") << 1234567890123456.0 << "1.23456789012346E+15";
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << ".3";
    QTest::newRow("three-digit exponent") << 1e100 << "1E+100";
    QTest::newRow("negative, tiny") << -1e-100 << "-1E-100";
}

void TestNumberText::formatDouble() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(NumberText::formatDouble(value), text);
    char buf[32];
    const int n = NumberText::formatDouble(value, buf);
    QCOMPARE(QString::fromLatin1(buf, n), text);
    const auto back = NumberText::parse(text);
    QVERIFY(back);
    QCOMPARE(NumberText::formatDouble(*back), text);
}

int runNumberTextTests(int argc, char** argv) {
    TestNumberText test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_NumberText.moc"
