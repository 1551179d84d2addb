#include "problems/number_text.h"

#include <QTest>

// Numbers written as captions and read back from them.
class NumberTextTest : public QObject
{
    Q_OBJECT

private slots:
    void leadingNumberParse_data();
    void leadingNumberParse();
    void numberText_data();
    void numberText();
};

void NumberTextTest::leadingNumberParse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("number") << "24" << 24.0;
    QTest::newRow("largest answer") << "10005" << 10005.0;
    QTest::newRow("sentinel") << "111" << 111.0;
    QTest::newRow("number then letters") << "12abc" << 12.0;
    QTest::newRow("leading blank") << " 7" << 7.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letter first") << "x5" << 0.0;
    QTest::newRow("fraction") << "3.5" << 3.5;
    QTest::newRow("negative") << "-3" << -3.0;
}

void NumberTextTest::leadingNumberParse()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(NumberText::parseLeading(text), value);
}

void NumberTextTest::numberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("fromDouble");
    QTest::addColumn<QString>("fromSingle");
    QTest::newRow("24") << 24.0 << "24"
                        << "24";
    QTest::newRow("0") << 0.0 << "0"
                       << "0";
    QTest::newRow("minus zero") << -0.0 << "0"
                                << "0";
    QTest::newRow("10000") << 10000.0 << "10000"
                           << "10000";
    QTest::newRow("negative") << -3.0 << "-3"
                              << "-3";
    QTest::newRow("half") << 2.5 << "2.5"
                          << "2.5";
    QTest::newRow("third") << 1.0 / 3 << "0.3333333333333333"
                           << "0.3333333";
}

void NumberTextTest::numberText()
{
    QFETCH(double, value);
    QFETCH(QString, fromDouble);
    QFETCH(QString, fromSingle);
    QCOMPARE(NumberText::fromDouble(value), fromDouble);
    QCOMPARE(NumberText::fromSingle(static_cast<float>(value)), fromSingle);
}

QTEST_MAIN(NumberTextTest)
#include "test_number_text.moc"
