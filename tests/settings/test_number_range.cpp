#include "app/colours.h"
#include "app/controls/focus_button.h"
#include "app/controls/label.h"
#include "app/controls/picture.h"
#include "settings_checks.h"
#include "support/phrase_table.h"
#include "support/test_window.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>

namespace {

using PhraseTable::RangeComplaint;
using PhraseTable::WrongAnswer;

// A user's choice in a range list, made while the list has the focus.
void chooseEntry(frmMath& w, const QString& list, const QString& entry)
{
    control(w, list)->setFocus();
    TestClicks::choose(w, list, entry);
}

} // namespace

// Choosing the number range with the two lists.
class NumberRangeTest : public QObject
{
    Q_OBJECT

private slots:
    void startupSelectionsAreSilent();
    void acceptedRanges_data();
    void acceptedRanges();
    void refusedMinimumKeepsTheRangeInForce();
    void choosingTheSelectedEntryAgainRunsAgain();
    void hundredTimesHundred();
    void keyboardChoiceRunsTheHandlerOnce();
    void refusedRangeInInteractiveModeKeepsTheRightAnswerRight();
};

void NumberRangeTest::startupSelectionsAreSilent()
{
    TestWindow t(false);
    frmMath& w = t.w();
    w.Form_Load();
    QCOMPARE(t.speech.phrases,
        QStringList { QStringLiteral("welcome to numivox, standard mode. click on flashcard to begin") });
    QCOMPARE(w.startupMarker, QString());
    QCOMPARE(t.random.draws, 0);
    QCOMPARE(w.cmbMinNum->currentText(), QStringLiteral("0"));
    QCOMPARE(w.cmbMaxNum->currentText(), QStringLiteral("12"));
    QCOMPARE(w.lbln3->caption(), QStringLiteral("24"));
    QVERIFY(!w.lbln3->isHidden());
}

void NumberRangeTest::acceptedRanges_data()
{
    QTest::addColumn<QStringList>("choices"); // list=entry, in order
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<QString>("confirmation");

    QTest::newRow("equal ends") << QStringList { "cmbMaxNum=10", "cmbMinNum=10" } << 10.0 << 10.0
                                << "the minimum number is now set to 10";
    QTest::newRow("larger maximum") << QStringList { "cmbMaxNum=20" } << 0.0 << 20.0
                                    << "the maximum number is now set to 20";
    QTest::newRow("smallest maximum") << QStringList { "cmbMaxNum=3" } << 0.0 << 3.0
                                      << "the maximum number is now set to 3";
    QTest::newRow("raised minimum") << QStringList { "cmbMinNum=3" } << 3.0 << 12.0
                                    << "the minimum number is now set to 3";
    QTest::newRow("refused, then a larger maximum")
        << QStringList { "cmbMinNum=15", "cmbMaxNum=20" } << 15.0 << 20.0 << "the maximum number is now set to 20";
    QTest::newRow("largest pair") << QStringList { "cmbMaxNum=100", "cmbMinNum=90" } << 90.0 << 100.0
                                  << "the minimum number is now set to 90";
}

void NumberRangeTest::acceptedRanges()
{
    QFETCH(QStringList, choices);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(QString, confirmation);

    TestWindow t;
    frmMath& w = t.w();
    QVERIFY(t.activate());
    for (const QString& choice : choices) {
        chooseEntry(w, choice.section(QLatin1Char('='), 0, 0), choice.section(QLatin1Char('='), 1));
        QVERIFY(w.cmdDummy->hasFocus());
    }
    QCOMPARE(t.speech.phrases.last(), confirmation);
    QCOMPARE(w.minNumber, low);
    QCOMPARE(w.maxNumber, high);
    QCOMPARE(w.minRangeOk, QStringLiteral("y"));
    QCOMPARE(w.maxRangeOk, QStringLiteral("y"));
    verifyDealtCard(w, low, high);

    // The cards that follow stay in the range.
    for (int card = 0; card < 5; ++card) {
        clickCard(t);
        QCOMPARE(w.lbln3->caption(), QString::number(valueOf(w.lbln1) + valueOf(w.lbln2)));
        clickCard(t);
        verifyDealtCard(w, low, high);
    }
}

void NumberRangeTest::refusedMinimumKeepsTheRangeInForce()
{
    TestWindow t;
    frmMath& w = t.w();
    QVERIFY(t.activate());
    const int drawsBefore = t.random.draws;

    chooseEntry(w, QStringLiteral("cmbMinNum"), QStringLiteral("15"));
    QCOMPARE(t.speech.phrases, QStringList { RangeComplaint });
    QCOMPARE(w.minRangeOk, QStringLiteral("n"));
    QCOMPARE(w.maxRangeOk, QStringLiteral("n"));
    QCOMPARE(w.minNumber, 0.0);
    QCOMPARE(w.maxNumber, 12.0);
    QCOMPARE(w.lbln3->caption(), QString());
    QCOMPARE(w.lbln1->caption(), QStringLiteral("12"));
    QCOMPARE(w.lbln2->caption(), QStringLiteral("12"));
    QCOMPARE(t.random.draws, drawsBefore);
    QVERIFY(w.cmdDummy->hasFocus());

    // While the pair stands every card click complains again, and still reveals or deals
    // from the range in force.
    for (int click = 0; click < 6; ++click) {
        const bool answerShown = !w.lbln3->isHidden();
        t.speech.clear();
        clickCard(t);
        QVERIFY(!t.speech.phrases.isEmpty());
        QCOMPARE(t.speech.phrases.first(), RangeComplaint);
        if (answerShown) {
            verifyDealtCard(w, 0, 12);
        } else {
            QVERIFY(!w.lbln3->isHidden());
            QCOMPARE(t.speech.phrases.at(1), w.lbln3->caption());
        }
    }

    t.speech.clear();
    chooseEntry(w, QStringLiteral("cmbMaxNum"), QStringLiteral("20"));
    QCOMPARE(t.speech.phrases, QStringList { QStringLiteral("the maximum number is now set to 20") });
    QCOMPARE(w.minNumber, 15.0);
    QCOMPARE(w.maxNumber, 20.0);
    verifyDealtCard(w, 15, 20);
    QVERIFY(w.cmdDummy->hasFocus());
}

void NumberRangeTest::choosingTheSelectedEntryAgainRunsAgain()
{
    TestWindow t;
    frmMath& w = t.w();
    for (int time = 1; time <= 2; ++time) {
        const int drawsBefore = t.random.draws;
        TestClicks::choose(w, QStringLiteral("cmbMaxNum"), QStringLiteral("12"));
        QCOMPARE(t.speech.phrases, QStringList(time, QStringLiteral("the maximum number is now set to 12")));
        QVERIFY(t.random.draws > drawsBefore);
        verifyDealtCard(w, 0, 12);
    }
}

void NumberRangeTest::hundredTimesHundred()
{
    TestWindow t;
    frmMath& w = t.w();
    TestClicks::click(w.picX);
    t.random.script({ 0.995, 0.995 }); // 100 and 100
    TestClicks::choose(w, QStringLiteral("cmbMaxNum"), QStringLiteral("100"));
    QCOMPARE(w.lbln1->caption(), QStringLiteral("100"));
    QCOMPARE(w.lbln2->caption(), QStringLiteral("100"));

    t.speech.clear();
    clickCard(t);
    QCOMPARE(w.lbln3->caption(), QStringLiteral("10000"));
    QCOMPARE(t.speech.phrases.first(), QStringLiteral("10000"));
}

void NumberRangeTest::keyboardChoiceRunsTheHandlerOnce()
{
    TestWindow t;
    frmMath& w = t.w();
    QVERIFY(t.activate());
    w.cmbMaxNum->setFocus();
    QVERIFY(w.cmbMaxNum->hasFocus());

    QTest::keyClick(w.cmbMaxNum, Qt::Key_Down);
    QCOMPARE(w.cmbMaxNum->currentText(), QStringLiteral("13"));
    QCOMPARE(t.speech.phrases, QStringList { QStringLiteral("the maximum number is now set to 13") });
    QCOMPARE(w.maxNumber, 13.0);
    // A choice made with the keyboard leaves the focus where the user can see and hear it.
    QVERIFY(w.cmbMaxNum->hasFocus());
}

// A refused choice rebuilds the possible answers of the card on show for its own operation,
// so the right answer of a subtraction card stays the one judged right.
void NumberRangeTest::refusedRangeInInteractiveModeKeepsTheRightAnswerRight()
{
    TestWindow t;
    frmMath& w = t.w();
    QVERIFY(t.activate());
    TestClicks::click(w.picMinus);
    w.lblInteractive_Click();
    t.random.script({ 0.7, 0.31 }); // 9 - 4
    clickCard(t);
    QCOMPARE(w.lbln1->caption(), QStringLiteral("9"));
    QCOMPARE(w.lbln2->caption(), QStringLiteral("4"));

    // Two wrong answers are red before the choice.
    QList<Label*> red;
    for (Label* choice : choices(w)) {
        if (choice->caption() != QLatin1String("5") && red.size() < 2)
            red << choice;
    }
    for (Label* choice : red)
        TestClicks::click(choice);
    t.speech.clear();

    // The rebuild: the right answer at lbl1, then 12, 12 (raised to 13), 3, 7 and 1.
    t.random.script({ 0.0, 0.99, 0.99, 0.25, 0.6, 0.05 });
    chooseEntry(w, QStringLiteral("cmbMinNum"), QStringLiteral("15"));
    QCOMPARE(t.speech.phrases, QStringList { RangeComplaint });
    QCOMPARE(w.lbln3->caption(), QString());
    QVERIFY(w.cmdDummy->hasFocus());
    QCOMPARE(w.correctAnswer, 5.0f);
    QCOMPARE(w.operationWord, QStringLiteral("minus"));
    QCOMPARE(choiceCaptions(w), QStringList({ "5", "12", "13", "3", "7", "1" }));
    for (const Label* choice : red)
        QCOMPARE(choice->backColour(), Colours::Red);

    t.speech.clear();
    TestClicks::click(w.lbl3);
    QCOMPARE(w.lbl3->backColour(), Colours::Red);
    TestClicks::click(w.lbl1);
    QCOMPARE(w.lbl1->backColour(), Colours::Green);
    QCOMPARE(t.speech.phrases, QStringList({ WrongAnswer, QStringLiteral("5") }));
    QCOMPARE(w.lbln3->caption(), QStringLiteral("5"));
    QCOMPARE(w.awaitingAnswer, 0);
}

QTEST_MAIN(NumberRangeTest)
#include "test_number_range.moc"
