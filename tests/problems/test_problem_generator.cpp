#include "app/controls/label.h"
#include "app/controls/line_control.h"
#include "problem_checks.h"
#include "real_window.h"
#include "support/test_window.h"

#include <QComboBox>
#include <QTest>

#include <algorithm>
#include <map>
#include <utility>

namespace {

QStringList entries(const QComboBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

// The smallest first number a card of the operation may show: division never deals 0.
int firstLow(const QString& operation, int low)
{
    return operation == QLatin1String("division") ? std::max(low, 1) : low;
}

// Every second number that may stand under n1 on a card of the operation.
QList<int> secondNumbers(const QString& operation, int n1, int low, int high)
{
    QList<int> values;
    if (operation == QLatin1String("division")) {
        for (int d = 1; d <= high; ++d) {
            if (n1 % d == 0)
                values << d;
        }
    } else {
        const int top = operation == QLatin1String("subtraction") ? n1 : high;
        for (int v = low; v <= top; ++v)
            values << v;
    }
    return values;
}

// What is wrong with the card on show, or nothing: n1 within its range, n2 one of the
// numbers allowed under it, both written as plain digits, the answer still hidden.
QString brokenRule(frmMath& w, int low, int high)
{
    const QString card = QStringLiteral("%1 %2 %3 (range %4..%5)")
                             .arg(w.lbln1->caption(), w.operation, w.lbln2->caption())
                             .arg(low)
                             .arg(high);
    if (!isPlainWholeNumber(w.lbln1->caption()) || !isPlainWholeNumber(w.lbln2->caption()))
        return QStringLiteral("not plain numbers: ") + card;
    const int n1 = static_cast<int>(valueOf(w.lbln1));
    const int n2 = static_cast<int>(valueOf(w.lbln2));
    if (n1 < firstLow(w.operation, low) || n1 > high)
        return QStringLiteral("first number out of range: ") + card;
    if (!secondNumbers(w.operation, n1, low, high).contains(n2))
        return QStringLiteral("second number not allowed: ") + card;
    if (w.lbln1->isHidden() || w.lbln2->isHidden() || !w.lbln3->isHidden())
        return QStringLiteral("card not shown with its answer hidden: ") + card;
    return {};
}

// A clock that starts at a fixed reading and moves on one tick per reading, so the real
// generator gives the same numbers on every run and the statistics cannot flake.
ClockRandomSource::Clock steppingClock(std::uint64_t start)
{
    return [reading = start]() mutable { return reading++; };
}

} // namespace

// The problem generator: the rules every card keeps and the spread of the real random
// numbers, the exact steps with scripted numbers, and the answer it writes and says.
class ProblemGeneratorTest : public QObject
{
    Q_OBJECT

private slots:
    void cardsKeepTheirRulesAndSpreadEvenly_data();
    void cardsKeepTheirRulesAndSpreadEvenly();
    void everySelectableRangeEndsForEveryOperation();
    void newProblemRedrawsUntilAccepted_data();
    void newProblemRedrawsUntilAccepted();
    void newProblemIgnoresUnknownOperations_data();
    void newProblemIgnoresUnknownOperations();
    void nestedEventDuringGenerateNumbersSeesNewNumbersHiddenAndOldChoices();
    void speakAnswerWritesShowsAndSaysTheAnswer_data();
    void speakAnswerWritesShowsAndSaysTheAnswer();
    void computeAnswerEmptiesTimerStatusOnlyInTimerMode_data();
    void computeAnswerEmptiesTimerStatusOnlyInTimerMode();
};

void ProblemGeneratorTest::cardsKeepTheirRulesAndSpreadEvenly_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    const QList<std::pair<int, int>> ranges = { { 0, 3 }, { 7, 7 }, { 90, 100 }, { 0, 100 }, { 5, 12 } };
    for (const QString& operation : AllOperations) {
        for (const auto& [low, high] : ranges)
            QTest::addRow("%s %d..%d", qPrintable(operation), low, high) << operation << low << high;
    }
}

void ProblemGeneratorTest::cardsKeepTheirRulesAndSpreadEvenly()
{
    QFETCH(QString, operation);
    QFETCH(int, low);
    QFETCH(int, high);
    constexpr int Cards = 2000;

    // Every acceptable pair is as likely as its n1 (uniform) and its n2 (uniform among
    // those allowed under that n1) make it.
    std::map<std::pair<int, int>, double> pairChance;
    std::map<int, double> firstChance;
    std::map<int, double> secondChance;
    const int lowest = firstLow(operation, low);
    for (int n1 = lowest; n1 <= high; ++n1) {
        const QList<int> seconds = secondNumbers(operation, n1, low, high);
        for (int n2 : seconds) {
            const double p = 1.0 / (high - lowest + 1) / seconds.size();
            pairChance[{ n1, n2 }] += p;
            firstChance[n1] += p;
            secondChance[n2] += p;
        }
    }

    RealWindow t(steppingClock(20240601));
    t.w.operation = operation;
    t.w.minNumber = low;
    t.w.maxNumber = high;
    std::map<std::pair<int, int>, int> pairs;
    std::map<int, int> firsts;
    std::map<int, int> seconds;
    for (int card = 0; card < Cards; ++card) {
        QVERIFY(t.deal());
        const QString broken = brokenRule(t.w, low, high);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
        const int n1 = static_cast<int>(valueOf(t.w.lbln1));
        const int n2 = static_cast<int>(valueOf(t.w.lbln2));
        ++pairs[{ n1, n2 }];
        ++firsts[n1];
        ++seconds[n2];
    }
    QCOMPARE(t.w.minNumber, double(lowest));

    QByteArray report;
    QVERIFY2(spreadEvenly(firsts, firstChance, Cards, report), ("first numbers: " + report).constData());
    QVERIFY2(spreadEvenly(seconds, secondChance, Cards, report), ("second numbers: " + report).constData());
    QVERIFY2(spreadEvenly(pairs, pairChance, Cards, report), ("pairs: " + report).constData());
}

void ProblemGeneratorTest::everySelectableRangeEndsForEveryOperation()
{
    RealWindow t;
    const QStringList minima = entries(t.w.cmbMinNum);
    const QStringList maxima = entries(t.w.cmbMaxNum);
    QCOMPARE(minima.size(), 20);
    QCOMPARE(maxima.size(), 22);
    for (const QString& minEntry : minima) {
        for (const QString& maxEntry : maxima) {
            const int low = minEntry.toInt();
            const int high = maxEntry.toInt();
            if (low > high)
                continue;
            t.w.minNumber = low;
            t.w.maxNumber = high;
            // Division first, so the other operations also run on the minimum it raised.
            for (const char* operation : { "division", "addition", "subtraction", "multiplication", "division" }) {
                t.w.operation = QString::fromLatin1(operation);
                for (int card = 0; card < 2; ++card) {
                    QVERIFY2(t.deal(), qPrintable(QStringLiteral("%1 %2..%3").arg(t.w.operation).arg(low).arg(high)));
                    const QString broken = brokenRule(t.w, std::max(low, 1), high);
                    QVERIFY2(broken.isEmpty(), qPrintable(broken));
                }
            }
            QCOMPARE(t.w.minNumber, double(std::max(low, 1)));
        }
    }
}

void ProblemGeneratorTest::newProblemRedrawsUntilAccepted_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<double>("low");
    QTest::addColumn<QList<double>>("script");
    QTest::addColumn<QString>("n1");
    QTest::addColumn<QString>("n2");
    QTest::addColumn<int>("reseeds");
    QTest::addColumn<double>("lowAfter");

    // The range is always up to 12, so a draw is floor(13 r), a divisor floor(13 r + 1).
    QTest::newRow("addition: 0 and 1, 2 below the minimum")
        << "addition" << 5.0 << QList<double> { 0.0, 0.5, 0.1, 0.2, 0.9 } << "6"
        << "11" << 5 << 5.0;
    QTest::newRow("multiplication: the top of the range")
        << "multiplication" << 5.0 << QList<double> { 0.99, 0.3, 0.4 } << "12"
        << "5" << 3 << 5.0;
    QTest::newRow("subtraction: n2 above n1, then below the minimum, then equal to n1")
        << "subtraction" << 5.0 << QList<double> { 0.0, 0.5, 0.9, 0.1, 0.5 } << "6"
        << "6" << 5 << 5.0;
    QTest::newRow("division: 0 refused, then divisors 5 and 13 refused")
        << "division" << 0.0 << QList<double> { 0.0, 0.95, 0.34, 0.95, 0.2 } << "12"
        << "3" << 3 << 1.0;
    QTest::newRow("division: a divisor below the minimum") << "division" << 5.0 << QList<double> { 0.99, 0.1 } << "12"
                                                           << "2" << 2 << 5.0;
}

void ProblemGeneratorTest::newProblemRedrawsUntilAccepted()
{
    QFETCH(QString, operation);
    QFETCH(double, low);
    QFETCH(QList<double>, script);
    QFETCH(QString, n1);
    QFETCH(QString, n2);
    QFETCH(int, reseeds);
    QFETCH(double, lowAfter);
    TestWindow t;
    frmMath& w = t.w();
    w.operation = operation;
    w.minNumber = low;
    t.random.script(script);

    w.NewProblem();

    QCOMPARE(w.lbln1->caption(), n1);
    QCOMPARE(w.lbln2->caption(), n2);
    QCOMPARE(t.random.draws, int(script.size()));
    QCOMPARE(t.random.reseeds, reseeds);
    QCOMPARE(w.minNumber, lowAfter);
    QCOMPARE(t.pump.passes, 1LL);
    // The answer waits hidden, still holding the previous card's answer.
    QVERIFY(!w.lbln1->isHidden());
    QVERIFY(!w.lbln2->isHidden());
    QVERIFY(w.lbln3->isHidden());
    QCOMPARE(w.lbln3->caption(), QStringLiteral("24"));
}

void ProblemGeneratorTest::newProblemIgnoresUnknownOperations_data()
{
    QTest::addColumn<QString>("operation");
    QTest::newRow("capitalised") << "Addition";
    QTest::newRow("trailing blank") << "division ";
    QTest::newRow("empty") << "";
}

void ProblemGeneratorTest::newProblemIgnoresUnknownOperations()
{
    QFETCH(QString, operation);
    TestWindow t;
    frmMath& w = t.w();
    w.mode = QStringLiteral("interactive");
    w.BuildChoicesAddition();
    const QStringList choices = choiceCaptions(w);
    const int drawsBefore = t.random.draws;
    w.operation = operation;

    w.NewProblem();

    QCOMPARE(w.lbln1->caption(), QStringLiteral("12"));
    QCOMPARE(w.lbln2->caption(), QStringLiteral("12"));
    QCOMPARE(w.lbln3->caption(), QStringLiteral("24"));
    QVERIFY(!w.lbln1->isHidden() && !w.lbln2->isHidden() && !w.lbln3->isHidden());
    QCOMPARE(choiceCaptions(w), choices);
    QCOMPARE(w.operationWord, QStringLiteral("plus"));
    QCOMPARE(t.random.draws, drawsBefore);
    QCOMPARE(t.random.reseeds, 0);
    QCOMPARE(t.pump.passes, 0LL);
}

void ProblemGeneratorTest::nestedEventDuringGenerateNumbersSeesNewNumbersHiddenAndOldChoices()
{
    TestWindow t;
    frmMath& w = t.w();
    w.mode = QStringLiteral("interactive");
    w.BuildChoicesAddition(); // the choices of 12 + 12
    const QStringList oldChoices = choiceCaptions(w);
    t.random.script({ 0.2, 0.5 }); // 2 + 6

    QStringList seenCard;
    bool seenHidden = false;
    QStringList seenChoices;
    t.pump.at(1, [&] {
        seenCard = QStringList { w.lbln1->caption(), w.lbln2->caption() };
        seenHidden = w.lbln1->isHidden() && w.lbln2->isHidden() && w.lbln3->isHidden();
        seenChoices = choiceCaptions(w);
    });
    w.NewProblem();

    QCOMPARE(t.pump.passes, 1LL);
    QCOMPARE(seenCard, (QStringList { "2", "6" }));
    QVERIFY(seenHidden);
    QCOMPARE(seenChoices, oldChoices);
    QCOMPARE(w.correctAnswer, 8.0f);
    QVERIFY(choiceCaptions(w).contains(QStringLiteral("8")));
}

void ProblemGeneratorTest::speakAnswerWritesShowsAndSaysTheAnswer_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("n1");
    QTest::addColumn<QString>("n2");
    QTest::addColumn<QString>("answer");

    // The answer caption held "7" before.
    QTest::newRow("addition") << "addition"
                              << "12"
                              << "12"
                              << "24";
    QTest::newRow("subtraction to zero") << "subtraction"
                                         << "12"
                                         << "12"
                                         << "0";
    QTest::newRow("largest product") << "multiplication"
                                     << "100"
                                     << "100"
                                     << "10000";
    QTest::newRow("division") << "division"
                              << "12"
                              << "4"
                              << "3";
    QTest::newRow("true division") << "division"
                                   << "5"
                                   << "2"
                                   << "2.5";
    QTest::newRow("division by 0 keeps the answer") << "division"
                                                    << "12"
                                                    << "0"
                                                    << "7";
    QTest::newRow("division by a caption without number") << "division"
                                                          << "12"
                                                          << ""
                                                          << "7";
    QTest::newRow("unknown operation keeps the answer") << "Addition"
                                                        << "12"
                                                        << "12"
                                                        << "7";
}

void ProblemGeneratorTest::speakAnswerWritesShowsAndSaysTheAnswer()
{
    QFETCH(QString, operation);
    QFETCH(QString, n1);
    QFETCH(QString, n2);
    QFETCH(QString, answer);
    TestWindow t;
    frmMath& w = t.w();
    w.operation = operation;
    w.lbln1->setCaption(n1);
    w.lbln2->setCaption(n2);
    w.lbln3->setCaption(QStringLiteral("7"));
    w.HideCardNumbers();
    w.lblOperation->setVisible(false);
    w.Line1->setVisible(false);
    QCOMPARE(w.lbln1->caption(), n1);

    w.SpeakAnswer();

    QCOMPARE(w.lbln3->caption(), answer);
    for (QWidget* shown : std::initializer_list<QWidget*> { w.lbln1, w.lbln2, w.lbln3, w.lblOperation, w.Line1 })
        QVERIFY2(!shown->isHidden(), qPrintable(shown->objectName()));
    QCOMPARE(t.speech.phrases, QStringList { answer });
}

void ProblemGeneratorTest::computeAnswerEmptiesTimerStatusOnlyInTimerMode_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("status");
    QTest::newRow("standard") << "standard"
                              << "waiting 3 seconds ...";
    QTest::newRow("interactive") << "interactive"
                                 << "waiting 3 seconds ...";
    QTest::newRow("timer") << "timer"
                           << "";
}

void ProblemGeneratorTest::computeAnswerEmptiesTimerStatusOnlyInTimerMode()
{
    QFETCH(QString, mode);
    QFETCH(QString, status);
    TestWindow t;
    t.w().mode = mode;
    t.w().lblTimerStatus->setCaption(QStringLiteral("waiting 3 seconds ..."));
    t.w().ComputeAnswer();
    QCOMPARE(t.w().lblTimerStatus->caption(), status);
}

QTEST_MAIN(ProblemGeneratorTest)
#include "test_problem_generator.moc"
