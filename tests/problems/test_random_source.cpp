#include "problem_checks.h"
#include "problems/random_source.h"

#include <QSet>
#include <QTest>

#include <map>

// The real random source: uniform fractions, also when reseeded many times within one
// tick of the clock.
class RandomSourceTest : public QObject
{
    Q_OBJECT

private slots:
    void reseedsWithinOneClockTickGiveFreshUniformFractions_data();
    void reseedsWithinOneClockTickGiveFreshUniformFractions();
    void reseedMixesTheClockIn();
};

void RandomSourceTest::reseedsWithinOneClockTickGiveFreshUniformFractions_data()
{
    QTest::addColumn<bool>("reseed");
    QTest::newRow("reseed before every draw") << true;
    QTest::newRow("one sequence") << false;
}

void RandomSourceTest::reseedsWithinOneClockTickGiveFreshUniformFractions()
{
    QFETCH(bool, reseed);
    ClockRandomSource random([] { return std::uint64_t(1234567); });
    constexpr int Draws = 20000;
    std::map<int, int> buckets;
    std::map<int, double> chance;
    for (int b = 0; b < 100; ++b)
        chance[b] = 0.01;
    QSet<double> distinct;
    for (int i = 0; i < Draws; ++i) {
        if (reseed)
            random.reseedFromClock();
        const double r = random.next();
        QVERIFY2(r >= 0 && r < 1, qPrintable(QString::number(r, 'g', 17)));
        ++buckets[static_cast<int>(r * 100)];
        distinct.insert(r);
    }
    // 20000 draws among millions of fractions share a value a dozen times or so; a reseed
    // that restarted one sequence would give the same fraction every time.
    QVERIFY2(distinct.size() > Draws - 100, qPrintable(QString::number(distinct.size())));
    QByteArray report;
    QVERIFY2(spreadEvenly(buckets, chance, Draws, report), report.constData());
}

void RandomSourceTest::reseedMixesTheClockIn()
{
    std::uint64_t reading = 7;
    ClockRandomSource first([&reading] { return reading; });
    ClockRandomSource second = first;
    reading = 8;
    first.reseedFromClock();
    reading = 9;
    second.reseedFromClock();
    QList<double> firstDraws;
    QList<double> secondDraws;
    for (int i = 0; i < 4; ++i) {
        firstDraws << first.next();
        secondDraws << second.next();
    }
    QVERIFY(firstDraws != secondDraws);
}

QTEST_MAIN(RandomSourceTest)
#include "test_random_source.moc"
