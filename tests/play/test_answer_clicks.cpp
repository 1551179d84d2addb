#include "app/colours.h"
#include "app/controls/label.h"
#include "play_checks.h"
#include "support/phrase_table.h"
#include "support/test_window.h"

#include <QTest>

namespace {

using PhraseTable::WrongAnswer;

QList<Label*> choicesNotReading(const frmMath& w, const QString& value)
{
    QList<Label*> others;
    for (Label* choice : choices(w)) {
        if (choice->caption() != value)
            others << choice;
    }
    return others;
}

} // namespace

// What a click on a possible answer does in interactive mode.
class AnswerClicksTest : public QObject
{
    Q_OBJECT

private slots:
    void answerClicksAreJudgedUntilTheNextCard();
    void answerZeroIsFoundByValue();
};

void AnswerClicksTest::answerClicksAreJudgedUntilTheNextCard()
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

void AnswerClicksTest::answerZeroIsFoundByValue()
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

QTEST_MAIN(AnswerClicksTest)
#include "test_answer_clicks.moc"
