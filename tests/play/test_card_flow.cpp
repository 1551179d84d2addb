#include "app/colours.h"
#include "app/controls/frame.h"
#include "app/controls/label.h"
#include "app/controls/line_control.h"
#include "app/controls/picture.h"
#include "play_checks.h"
#include "support/phrase_table.h"
#include "support/test_window.h"

#include <QTest>

#include <cmath>

namespace {

using PhraseTable::AnswerHint;
using PhraseTable::ContinueHint;
using PhraseTable::RevealHint;

const QString DealPrompt = QStringLiteral("click answer to the right =====>");

} // namespace

// What a click on the card does: reveal the answer or deal the next card, in standard and
// interactive mode, also when it arrives in the middle of a deal.
class CardFlowTest : public QObject
{
    Q_OBJECT

private slots:
    void standardModeRevealsAndDealsByTurns();
    void interactiveDealSpeaksTheProblem_data();
    void interactiveDealSpeaksTheProblem();
    void promptLineDuringAnInteractiveDeal();
    void nextCardWritesTheStatusLineOnlyInTimerMode_data();
    void nextCardWritesTheStatusLineOnlyInTimerMode();

    void cardClickDuringADealRevealsTheHiddenCard();
    void operationClickDuringAnInteractiveDealRestartsTheWait();
};

void CardFlowTest::standardModeRevealsAndDealsByTurns()
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

void CardFlowTest::interactiveDealSpeaksTheProblem_data()
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

void CardFlowTest::interactiveDealSpeaksTheProblem()
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

void CardFlowTest::promptLineDuringAnInteractiveDeal()
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

void CardFlowTest::nextCardWritesTheStatusLineOnlyInTimerMode_data()
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

void CardFlowTest::nextCardWritesTheStatusLineOnlyInTimerMode()
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

void CardFlowTest::cardClickDuringADealRevealsTheHiddenCard()
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

void CardFlowTest::operationClickDuringAnInteractiveDealRestartsTheWait()
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

QTEST_MAIN(CardFlowTest)
#include "test_card_flow.moc"
