#include "problems/number_text.h"
#include "support/fixed_translation.h"

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
    // Captions and list entries in the digits of the child's language.
    QTest::newRow("Arabic-Indic") << QStringLiteral("٢٤") << 24.0;
    QTest::newRow("Persian") << QStringLiteral("۱۰۰") << 100.0;
    QTest::newRow("Arabic-Indic then letters") << QStringLiteral("٦ ثوانٍ") << 6.0;
    QTest::newRow("Persian fraction") << QStringLiteral("۳.۵") << 3.5;
    QTest::newRow("Arabic-Indic negative") << QStringLiteral("-٩٠") << -90.0;
    QTest::newRow("Arabic letter first") << QStringLiteral("ب٥") << 0.0;
}

void NumberTextTest::leadingNumberParse()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(NumberText::parseLeading(text), value);
}

void NumberTextTest::numberText_data()
{
    QTest::addColumn<QString>("digits"); // as the translation gives them; empty: none
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("fromDouble");
    QTest::addColumn<QString>("fromSingle");
    QTest::newRow("24") << QString() << 24.0 << "24"
                        << "24";
    QTest::newRow("0") << QString() << 0.0 << "0"
                       << "0";
    QTest::newRow("minus zero") << QString() << -0.0 << "0"
                                << "0";
    QTest::newRow("10000") << QString() << 10000.0 << "10000"
                           << "10000";
    QTest::newRow("negative") << QString() << -3.0 << "-3"
                              << "-3";
    QTest::newRow("half") << QString() << 2.5 << "2.5"
                          << "2.5";
    QTest::newRow("third") << QString() << 1.0 / 3 << "0.3333333333333333"
                           << "0.3333333";
    const QString arabic = QStringLiteral("٠١٢٣٤٥٦٧٨٩");
    const QString persian = QStringLiteral("۰۱۲۳۴۵۶۷۸۹");
    QTest::newRow("24 Arabic-Indic") << arabic << 24.0 << QStringLiteral("٢٤") << QStringLiteral("٢٤");
    QTest::newRow("10000 Persian") << persian << 10000.0 << QStringLiteral("۱۰۰۰۰") << QStringLiteral("۱۰۰۰۰");
    QTest::newRow("negative Persian") << persian << -3.0 << QStringLiteral("-۳") << QStringLiteral("-۳");
    QTest::newRow("half Arabic-Indic") << arabic << 2.5 << QStringLiteral("٢.٥") << QStringLiteral("٢.٥");
    QTest::newRow("digits too few") << QStringLiteral("٠١٢") << 24.0 << "24"
                                    << "24";
}

void NumberTextTest::numberText()
{
    QFETCH(QString, digits);
    QFETCH(double, value);
    QFETCH(QString, fromDouble);
    QFETCH(QString, fromSingle);
    QHash<QString, QString> entries;
    if (!digits.isEmpty())
        entries.insert(QStringLiteral("NumberText/0123456789"), digits);
    FixedTranslation translation(entries);
    QCOMPARE(NumberText::fromDouble(value), fromDouble);
    QCOMPARE(NumberText::fromSingle(static_cast<float>(value)), fromSingle);
    // What is written reads back as the number it was.
    QCOMPARE(NumberText::parseLeading(fromDouble), value);
}

QTEST_MAIN(NumberTextTest)
#include "test_number_text.moc"
