#include "app/controls/choice_list.h"
#include "app/controls/label.h"
#include "app/controls/tick_timer.h"
#include "play_checks.h"
#include "support/test_window.h"

#include <QComboBox>
#include <QTest>

namespace {

// A real click on an entry of the waiting-time list.
void chooseSeconds(frmMath& w, const QString& entry)
{
    const QList<QListWidgetItem*> items = w.lstTimer->findItems(entry, Qt::MatchExactly);
    QVERIFY(!items.isEmpty());
    w.lstTimer->scrollToItem(items.first());
    QTest::mouseClick(
        w.lstTimer->viewport(), Qt::LeftButton, Qt::NoModifier, w.lstTimer->visualItemRect(items.first()).center());
}

} // namespace

// What the waiting-time list and a tick of the timer do.
class TimerModeTest : public QObject
{
    Q_OBJECT

private slots:
    void timerCycle_data();
    void timerCycle();
    void cardClicksDoNothingInTimerMode();
    void timerListChoiceOutsideAChoice_data();
    void timerListChoiceOutsideAChoice();
    void modeClickDuringATickStopsTheTimer();
    void listChoiceDuringATickIsKeptAsTheWaitingTime();
    void timerTicksArriveByThemselves();
};

void TimerModeTest::timerCycle_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("milliseconds");

    QTest::newRow("2") << "2" << 2000;
    QTest::newRow("5") << "5" << 5000;
    QTest::newRow("6") << "6" << 6000;
}

void TimerModeTest::timerCycle()
{
    QFETCH(QString, entry);
    QFETCH(int, milliseconds);

    TestWindow t;
    frmMath& w = t.w();
    w.lblTimer_Click();
    t.speech.clear();
    chooseSeconds(w, entry);
    QCOMPARE(t.speech.phrases, QStringList({ QStringLiteral("timer mode"), entry + QStringLiteral(" seconds.") }));
    QVERIFY(w.Timer1->isEnabled());
    QVERIFY(w.Timer1->isRunning());
    QCOMPARE(w.Timer1->interval(), 3000);
    QCOMPARE(w.timerInterval, double(milliseconds));
    QVERIFY(!w.cmbMinNum->isEnabled());
    QVERIFY(!w.cmbMaxNum->isEnabled());

    const QString waiting = QStringLiteral("waiting ") + entry + QStringLiteral(" seconds ");
    for (int round = 0; round < 2; ++round) {
        // The card shows its answer (the start-up card at first): the tick deals.
        t.speech.clear();
        w.Timer1_Timer();
        verifyFreshCard(w);
        QCOMPARE(w.lblTimerStatus->caption(), waiting);
        QCOMPARE(w.Timer1->interval(), milliseconds);
        QCOMPARE(w.timerInterval, double(milliseconds));
        QCOMPARE(t.speech.phrases, QStringList());

        // The answer is hidden: the tick reveals it and keeps it shown for 2 seconds.
        w.Timer1_Timer();
        QVERIFY(!w.lbln3->isHidden());
        QCOMPARE(w.lbln3->caption(), sumOfCard(w));
        QCOMPARE(t.speech.phrases, QStringList { sumOfCard(w) });
        QCOMPARE(w.lblTimerStatus->caption(), QString());
        QCOMPARE(w.Timer1->interval(), 2000);
        QCOMPARE(w.timerInterval, double(milliseconds));
    }
    QVERIFY(w.Timer1->isEnabled());

    // Choosing the same entry again speaks again and waits 3 seconds again.
    t.speech.clear();
    chooseSeconds(w, entry);
    QCOMPARE(t.speech.phrases, QStringList({ QStringLiteral("timer mode"), entry + QStringLiteral(" seconds.") }));
    QCOMPARE(w.Timer1->interval(), 3000);
}

void TimerModeTest::cardClicksDoNothingInTimerMode()
{
    TestWindow t;
    frmMath& w = t.w();
    w.lblTimer_Click();
    TestClicks::choose(w, QStringLiteral("cmbMinNum"), QStringLiteral("15")); // an invalid pair
    chooseSeconds(w, QStringLiteral("3"));
    QCOMPARE(w.minRangeOk, QStringLiteral("n"));

    // With the answer shown, then hidden: no reveal, no deal, no complaint.
    for (int round = 0; round < 2; ++round) {
        const QStringList before = cardState(w);
        t.speech.clear();
        t.pump.reset();
        clickCard(t);
        clickCard(t);
        QCOMPARE(cardState(w), before);
        QCOMPARE(t.speech.phrases, QStringList());
        QCOMPARE(t.pump.passes, 0LL);
        w.Timer1_Timer();
    }
}

void TimerModeTest::timerListChoiceOutsideAChoice_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("phrases");
    QTest::addColumn<bool>("timerStaysEnabled");

    QTest::newRow("standard") << "standard" << QStringList() << true;
    QTest::newRow("interactive") << "interactive" << QStringList() << true;
    QTest::newRow("timer, nothing selected") << "timer" << QStringList { "timer mode" } << false;
}

// The list's event arriving in another mode, or with no entry selected.
void TimerModeTest::timerListChoiceOutsideAChoice()
{
    QFETCH(QString, mode);
    QFETCH(QStringList, phrases);
    QFETCH(bool, timerStaysEnabled);

    TestWindow t;
    frmMath& w = t.w();
    if (mode == QLatin1String("interactive"))
        w.lblInteractive_Click();
    else if (mode == QLatin1String("timer"))
        w.lblTimer_Click();
    else
        w.lblStandard_Click();
    if (mode != QLatin1String("timer"))
        w.lstTimer->item(3)->setSelected(true);
    QVERIFY(w.cmbMinNum->isEnabled());
    QVERIFY(w.cmbMaxNum->isEnabled());
    w.Timer1->setEnabled(true);
    const QStringList card = cardState(w);
    t.speech.clear();

    w.lstTimer_Click();
    QVERIFY(!w.cmbMinNum->isEnabled());
    QVERIFY(!w.cmbMaxNum->isEnabled());
    QCOMPARE(t.speech.phrases, phrases);
    QCOMPARE(w.Timer1->isEnabled(), timerStaysEnabled);
    QCOMPARE(w.timerInterval, 0.0);
    QCOMPARE(w.mode, mode);
    QCOMPARE(cardState(w), card);
}

void TimerModeTest::modeClickDuringATickStopsTheTimer()
{
    TestWindow t;
    frmMath& w = t.w();
    w.lblTimer_Click();
    chooseSeconds(w, QStringLiteral("5"));
    t.pump.reset();
    t.pump.at(500, [&] { TestClicks::click(w.lblStandard); });

    w.Timer1_Timer(); // the start-up card shows its answer: a dealing tick
    QCOMPARE(w.mode, QStringLiteral("standard"));
    QVERIFY(!w.Timer1->isEnabled());
    QVERIFY(!w.Timer1->isRunning());
    // The tick still dealt its card, now in standard mode, so no waiting text.
    verifyFreshCard(w);
    QCOMPARE(w.lblTimerStatus->caption(), QString());
    QVERIFY(t.pump.passes > DealPasses);
}

void TimerModeTest::listChoiceDuringATickIsKeptAsTheWaitingTime()
{
    TestWindow t;
    frmMath& w = t.w();
    w.lblTimer_Click();
    chooseSeconds(w, QStringLiteral("5"));
    t.pump.reset();
    t.pump.at(500, [&] { chooseSeconds(w, QStringLiteral("5")); });

    // The nested choice restarts the 3-second countdown, and the tick keeps that as the wait.
    w.Timer1_Timer();
    QVERIFY(w.Timer1->isEnabled());
    QCOMPARE(w.Timer1->interval(), 3000);
    QCOMPARE(w.timerInterval, 3000.0);
    QCOMPARE(w.lblTimerStatus->caption(), QStringLiteral("waiting 5 seconds "));

    w.Timer1_Timer();
    QCOMPARE(w.Timer1->interval(), 2000);
    w.Timer1_Timer();
    QCOMPARE(w.Timer1->interval(), 3000);
    QCOMPARE(w.lblTimerStatus->caption(), QStringLiteral("waiting 3 seconds "));
}

void TimerModeTest::timerTicksArriveByThemselves()
{
    TestWindow t;
    frmMath& w = t.w();
    w.lblTimer_Click();
    chooseSeconds(w, QStringLiteral("2"));

    // What each tick left behind, and the interval it set; then the waits are shortened so
    // the test takes little real time.
    QStringList ticks;
    connect(w.Timer1, &TickTimer::tick, &w, [&] {
        ticks << (w.lbln3->isHidden() ? QStringLiteral("dealt ") + sumOfCard(w)
                                      : QStringLiteral("revealed ") + w.lbln3->caption())
                + QStringLiteral(" after %1").arg(w.Timer1->interval());
        w.Timer1->setInterval(50);
    });
    w.Timer1->setInterval(50);

    QTRY_VERIFY_WITH_TIMEOUT(ticks.size() >= 2, 30000);
    QVERIFY2(ticks[0].startsWith(QLatin1String("dealt ")), qPrintable(ticks[0]));
    const QString answer = ticks[0].section(QLatin1Char(' '), 1, 1);
    QCOMPARE(ticks[0], QStringLiteral("dealt %1 after 2000").arg(answer));
    QCOMPARE(ticks[1], QStringLiteral("revealed %1 after 2000").arg(answer));
    QVERIFY(t.speech.phrases.contains(answer));
}

QTEST_MAIN(TimerModeTest)
#include "test_timer_mode.moc"
