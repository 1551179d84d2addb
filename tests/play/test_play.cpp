#include "app/colours.h"
#include "app/controls/choice_list.h"
#include "app/controls/frame.h"
#include "app/controls/label.h"
#include "app/controls/line_control.h"
#include "app/controls/picture.h"
#include "app/controls/tick_timer.h"
#include "support/test_window.h"

#include <QComboBox>
#include <QTest>

#include <cmath>

namespace {

const QString RevealHint = QStringLiteral("click flash card for answer");
const QString ContinueHint = QStringLiteral("click flash card to continue");
const QString AnswerHint = QStringLiteral("click on correct answer to the right");
const QString WrongAnswer = QStringLiteral("wrong answer, try again");
const QString DealPrompt = QStringLiteral("click answer to the right =====>");
const QString RangeComplaint
    = QStringLiteral("ut,oh, the minimum number must be less than or equal to the maximum number  ");

constexpr long long DealPasses = static_cast<long long>(frmMath::DealPause);

// A real click on the card, at its second number, where the caption-less lblClickMe lies.
void clickCard(TestWindow& t)
{
    TestClicks::clickAt(t.w(), TestClicks::atTwips(4700, 3500));
}

double valueOf(const Label* label)
{
    return label->caption().toDouble();
}

QString sumOfCard(const frmMath& w)
{
    return QString::number(valueOf(w.lbln1) + valueOf(w.lbln2));
}

QList<Label*> choices(const frmMath& w)
{
    return { w.lbl1, w.lbl2, w.lbl3, w.lbl4, w.lbl5, w.lbl6 };
}

// The one choice that reads `value`, or nullptr when none or several do.
Label* choiceReading(const frmMath& w, const QString& value)
{
    Label* found = nullptr;
    for (Label* choice : choices(w)) {
        if (choice->caption() == value) {
            if (found)
                return nullptr;
            found = choice;
        }
    }
    return found;
}

QList<Label*> choicesNotReading(const frmMath& w, const QString& value)
{
    QList<Label*> others;
    for (Label* choice : choices(w)) {
        if (choice->caption() != value)
            others << choice;
    }
    return others;
}

// A real click on an entry of the waiting-time list.
void chooseSeconds(frmMath& w, const QString& entry)
{
    const QList<QListWidgetItem*> items = w.lstTimer->findItems(entry, Qt::MatchExactly);
    QVERIFY(!items.isEmpty());
    w.lstTimer->scrollToItem(items.first());
    QTest::mouseClick(
        w.lstTimer->viewport(), Qt::LeftButton, Qt::NoModifier, w.lstTimer->visualItemRect(items.first()).center());
}

// What a click could change on the card.
QStringList cardState(const frmMath& w)
{
    QStringList state;
    for (const Label* label : { w.lbln1, w.lbln2, w.lbln3, w.lblPress, w.lblTimerStatus })
        state << label->caption() + (label->isHidden() ? QStringLiteral("/hidden") : QStringLiteral("/shown"));
    return state;
}

void verifyFreshCard(const frmMath& w)
{
    QVERIFY(!w.lbln1->isHidden());
    QVERIFY(!w.lbln2->isHidden());
    QVERIFY(w.lbln3->isHidden());
    QVERIFY(!w.lblOperation->isHidden());
    QVERIFY(!w.Line1->isHidden());
}

} // namespace

// What a click on the card, a click on a possible answer and a tick of the timer do.
class PlayTest : public QObject
{
    Q_OBJECT

private slots:
    void standardModeRevealsAndDealsByTurns();
    void interactiveDealSpeaksTheProblem_data();
    void interactiveDealSpeaksTheProblem();
    void answerClicksAreJudgedUntilTheNextCard();
    void answerZeroIsFoundByValue();
    void promptLineDuringAnInteractiveDeal();
    void nextCardWritesTheStatusLineOnlyInTimerMode_data();
    void nextCardWritesTheStatusLineOnlyInTimerMode();

    void cardClickDuringADealRevealsTheHiddenCard();
    void operationClickDuringAnInteractiveDealRestartsTheWait();

    void timerCycle_data();
    void timerCycle();
    void cardClicksDoNothingInTimerMode();
    void timerListChoiceOutsideAChoice_data();
    void timerListChoiceOutsideAChoice();
    void modeClickDuringATickStopsTheTimer();
    void listChoiceDuringATickIsKeptAsTheWaitingTime();
    void timerTicksArriveByThemselves();
};

void PlayTest::standardModeRevealsAndDealsByTurns()
{
    TestWindow t;
    frmMath& w = t.w();
    bool hiddenDuringPause = false;
    t.pump.at(1, [&] {
        hiddenDuringPause = w.lbln1->isHidden() && w.lbln2->isHidden() && w.lbln3->isHidden()
            && !w.lblOperation->isHidden() && !w.Line1->isHidden();
    });
    t.random.script({ 0.55, 0.4 }); // 7 and 5

    // The start-up card shows its answer: the first click hides it, pauses and deals.
    clickCard(t);
    QVERIFY(hiddenDuringPause);
    // The pause, then the one pass made while the numbers are drawn.
    QCOMPARE(t.pump.passes, DealPasses + 1);
    QCOMPARE(w.lbln1->caption(), QStringLiteral("7"));
    QCOMPARE(w.lbln2->caption(), QStringLiteral("5"));
    verifyFreshCard(w);
    QCOMPARE(t.speech.phrases, QStringList { RevealHint });

    t.speech.clear();
    t.pump.reset();
    clickCard(t);
    QVERIFY(!w.lbln3->isHidden());
    QCOMPARE(w.lbln3->caption(), QStringLiteral("12"));
    QCOMPARE(t.speech.phrases, QStringList({ QStringLiteral("12"), ContinueHint }));
    QCOMPARE(t.pump.passes, 0LL);

    // The hints are spent: from now on only the revealed answers are spoken.
    for (int round = 0; round < 3; ++round) {
        t.speech.clear();
        t.pump.reset();
        clickCard(t);
        verifyFreshCard(w);
        QCOMPARE(t.pump.passes, DealPasses + 1);
        QCOMPARE(t.speech.phrases, QStringList());

        clickCard(t);
        QVERIFY(!w.lbln3->isHidden());
        QCOMPARE(w.lbln3->caption(), sumOfCard(w));
        QCOMPARE(t.speech.phrases, QStringList { sumOfCard(w) });
    }
}

void PlayTest::interactiveDealSpeaksTheProblem_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QString>("problem");

    QTest::newRow("addition") << "picPlus"
                              << "plus" << QList<double> { 0.55, 0.4 } << "7 plus 5";
    QTest::newRow("subtraction") << "picMinus"
                                 << "minus" << QList<double> { 0.7, 0.31 } << "9 minus 4";
    QTest::newRow("multiplication") << "picX"
                                    << "times" << QList<double> { 0.5, 0.25 } << "6 times 3";
    QTest::newRow("division") << "picDivide"
                              << "divided by" << QList<double> { 0.95, 0.2 } << "12 divided by 3";
}

void PlayTest::interactiveDealSpeaksTheProblem()
{
    QFETCH(QString, picture);
    QFETCH(QString, word);
    QFETCH(QList<double>, draws);
    QFETCH(QString, problem);

    TestWindow t;
    frmMath& w = t.w();
    TestClicks::click(w.findChild<QWidget*>(picture));
    w.lblInteractive_Click();
    t.speech.clear();
    t.random.script(draws);

    clickCard(t);
    QCOMPARE(t.speech.phrases, QStringList({ problem, AnswerHint }));
    QCOMPARE(w.awaitingAnswer, 1);
    QCOMPARE(w.lblPress->caption(), DealPrompt);
    QVERIFY(!w.frameChoices->isHidden());
    verifyFreshCard(w);

    // The hint is said once only: the next card is spoken without it.
    Label* right = choiceReading(w, QString::number(w.correctAnswer));
    QVERIFY(right);
    TestClicks::click(right);
    t.speech.clear();
    clickCard(t);
    QCOMPARE(t.speech.phrases,
        QStringList { w.lbln1->caption() + QLatin1Char(' ') + word + QLatin1Char(' ') + w.lbln2->caption() });
}

void PlayTest::answerClicksAreJudgedUntilTheNextCard()
{
    TestWindow t;
    frmMath& w = t.w();
    w.lblInteractive_Click();
    clickCard(t);
    const QString answer = sumOfCard(w);
    Label* right = choiceReading(w, answer);
    QVERIFY(right);
    const QList<Label*> wrong = choicesNotReading(w, answer);
    QCOMPARE(wrong.size(), 5);

    // Wrong answers turn red one after another and stay red; the card still waits.
    t.speech.clear();
    TestClicks::click(wrong[0]);
    TestClicks::click(wrong[1]);
    QCOMPARE(wrong[0]->backColour(), Colours::Red);
    QCOMPARE(wrong[1]->backColour(), Colours::Red);
    QCOMPARE(right->backColour(), Colours::White);
    QCOMPARE(t.speech.phrases, QStringList({ WrongAnswer, WrongAnswer }));
    QVERIFY(w.lbln3->isHidden());
    QCOMPARE(w.awaitingAnswer, 1);

    // While the answer is awaited a click on the card changes nothing.
    const QStringList waitingCard = cardState(w);
    t.speech.clear();
    t.pump.reset();
    clickCard(t);
    QCOMPARE(cardState(w), waitingCard);
    QCOMPARE(t.speech.phrases, QStringList());
    QCOMPARE(t.pump.passes, 0LL);

    TestClicks::click(right);
    QCOMPARE(right->backColour(), Colours::Green);
    QCOMPARE(t.speech.phrases, QStringList { answer });
    QVERIFY(!w.lbln3->isHidden());
    QCOMPARE(w.lbln3->caption(), answer);
    QCOMPARE(w.lblPress->caption(), QStringLiteral("click flashcard"));
    QCOMPARE(w.awaitingAnswer, 0);
    QCOMPARE(wrong[0]->backColour(), Colours::Red);

    // Every later click on a choice is judged again.
    t.speech.clear();
    TestClicks::click(right);
    TestClicks::click(wrong[2]);
    QCOMPARE(t.speech.phrases, QStringList({ answer, WrongAnswer }));
    QCOMPARE(right->backColour(), Colours::Green);
    QCOMPARE(wrong[2]->backColour(), Colours::Red);
    QCOMPARE(w.lblPress->caption(), QStringLiteral("click flashcard"));
    QCOMPARE(w.awaitingAnswer, 0);

    // The next card starts with six white choices.
    clickCard(t);
    QCOMPARE(w.awaitingAnswer, 1);
    for (const Label* choice : choices(w))
        QCOMPARE(choice->backColour(), Colours::White);
}

void PlayTest::answerZeroIsFoundByValue()
{
    TestWindow t;
    frmMath& w = t.w();
    w.picMinus_Click();
    w.lblInteractive_Click();
    t.random.script({ 0.55, 0.55 }); // 7 - 7
    clickCard(t);
    QCOMPARE(w.lbln1->caption(), QStringLiteral("7"));
    QCOMPARE(w.lbln2->caption(), QStringLiteral("7"));

    Label* zero = choiceReading(w, QStringLiteral("0"));
    QVERIFY(zero);
    t.speech.clear();
    TestClicks::click(zero);
    QCOMPARE(zero->backColour(), Colours::Green);
    QCOMPARE(t.speech.phrases, QStringList { QStringLiteral("0") });
    QCOMPARE(w.lbln3->caption(), QStringLiteral("0"));
    QCOMPARE(w.awaitingAnswer, 0);
}

void PlayTest::promptLineDuringAnInteractiveDeal()
{
    TestWindow t;
    frmMath& w = t.w();
    w.lblInteractive_Click();
    QCOMPARE(w.lblPress->caption(), QStringLiteral("click flashcard"));

    // The one pass made while the new numbers are drawn comes after NextCard emptied the prompt.
    QString promptWhileDrawing = QStringLiteral("not seen");
    t.pump.reset();
    t.pump.at(DealPasses + 1, [&] { promptWhileDrawing = w.lblPress->caption(); });
    clickCard(t);
    QCOMPARE(promptWhileDrawing, QString());
    QCOMPARE(w.lblPress->caption(), DealPrompt);
}

void PlayTest::nextCardWritesTheStatusLineOnlyInTimerMode_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("status");

    QTest::newRow("standard") << "standard"
                              << "left alone";
    QTest::newRow("interactive") << "interactive"
                                 << "left alone";
    QTest::newRow("timer") << "timer"
                           << "waiting 6 seconds ";
}

void PlayTest::nextCardWritesTheStatusLineOnlyInTimerMode()
{
    QFETCH(QString, mode);
    QFETCH(QString, status);

    TestWindow t;
    frmMath& w = t.w();
    if (mode == QLatin1String("interactive"))
        w.lblInteractive_Click();
    else if (mode == QLatin1String("timer"))
        w.lblTimer_Click();
    w.timerInterval = 6000;
    w.lblTimerStatus->setCaption(QStringLiteral("left alone"));
    w.lbl2->setBackColour(Colours::Red);

    w.NextCard();
    QCOMPARE(w.lblTimerStatus->caption(), status);
    verifyFreshCard(w);
    QCOMPARE(w.frameChoices->isHidden(), mode != QLatin1String("interactive"));
    if (mode == QLatin1String("interactive")) {
        QCOMPARE(w.lbl2->backColour(), Colours::White);
        QCOMPARE(w.lblPress->caption(), QString());
        QVERIFY(choiceReading(w, QString::number(w.correctAnswer)));
    }
}

void PlayTest::cardClickDuringADealRevealsTheHiddenCard()
{
    TestWindow t;
    frmMath& w = t.w();
    t.random.script({ 0.55, 0.4 }); // 7 + 5
    clickCard(t);
    clickCard(t);
    QCOMPARE(w.lbln3->caption(), QStringLiteral("12"));
    t.speech.clear();
    t.pump.reset();

    // During the pause the card 7 + 5 is hidden: a click reveals its answer again. A second
    // click then finds the answer shown and deals with a wait of its own; when that wait
    // returns the outer one is over too.
    QString revealed;
    t.pump.at(1000, [&] {
        clickCard(t);
        revealed = w.lbln3->isHidden() ? QString() : w.lbln3->caption();
    });
    t.pump.at(2000, [&] { clickCard(t); });
    clickCard(t);

    QCOMPARE(revealed, QStringLiteral("12"));
    // Both hints were spent on the first two clicks: only the old answer is spoken.
    QCOMPARE(t.speech.phrases, QStringList { QStringLiteral("12") });
    // 2000 passes of the outer wait, the nested wait and its draw, then the outer draw.
    QCOMPARE(t.pump.passes, 2000 + DealPasses + 2);
    verifyFreshCard(w);
}

void PlayTest::operationClickDuringAnInteractiveDealRestartsTheWait()
{
    TestWindow t;
    frmMath& w = t.w();
    w.lblInteractive_Click();
    t.speech.clear();
    t.pump.reset();

    double counterAfterBuild = 0;
    t.pump.at(1000, [&] {
        TestClicks::click(w.picX);
        counterAfterBuild = w.delayCounter;
    });
    clickCard(t);

    // The nested build left the drawn position of the right answer in the shared counter.
    QVERIFY(counterAfterBuild >= 1 && counterAfterBuild <= 6);
    QCOMPARE(counterAfterBuild, std::floor(counterAfterBuild));
    // So the outer wait counted on from there: 1000 passes, the nested draw, the rest of a
    // whole wait, and the outer draw.
    QCOMPARE(t.pump.passes, 1000 + 1 + (DealPasses - static_cast<long long>(counterAfterBuild)) + 1);

    // The outer deal then finished with the operation chosen in the middle of it.
    QCOMPARE(w.awaitingAnswer, 1);
    QCOMPARE(t.speech.phrases.size(), 3);
    QCOMPARE(t.speech.phrases[0], QStringLiteral("multiplication"));
    QCOMPARE(t.speech.phrases[1], w.lbln1->caption() + QStringLiteral(" times ") + w.lbln2->caption());
    QCOMPARE(w.correctAnswer, static_cast<float>(valueOf(w.lbln1) * valueOf(w.lbln2)));
}

void PlayTest::timerCycle_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("milliseconds");

    QTest::newRow("2") << "2" << 2000;
    QTest::newRow("5") << "5" << 5000;
    QTest::newRow("6") << "6" << 6000;
}

void PlayTest::timerCycle()
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

void PlayTest::cardClicksDoNothingInTimerMode()
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

void PlayTest::timerListChoiceOutsideAChoice_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("phrases");
    QTest::addColumn<bool>("timerStaysEnabled");

    QTest::newRow("standard") << "standard" << QStringList() << true;
    QTest::newRow("interactive") << "interactive" << QStringList() << true;
    QTest::newRow("timer, nothing selected") << "timer" << QStringList { "timer mode" } << false;
}

// The list's event arriving in another mode, or with no entry selected.
void PlayTest::timerListChoiceOutsideAChoice()
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

void PlayTest::modeClickDuringATickStopsTheTimer()
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

void PlayTest::listChoiceDuringATickIsKeptAsTheWaitingTime()
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

void PlayTest::timerTicksArriveByThemselves()
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

QTEST_MAIN(PlayTest)
#include "test_play.moc"
