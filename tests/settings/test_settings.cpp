#include "app/colours.h"
#include "app/controls/choice_list.h"
#include "app/controls/focus_button.h"
#include "app/controls/frame.h"
#include "app/controls/label.h"
#include "app/controls/picture.h"
#include "support/test_window.h"

#include <QApplication>
#include <QComboBox>
#include <QSet>
#include <QTest>

#include <cmath>

namespace {

const QString RangeComplaint
    = QStringLiteral("ut,oh, the minimum number must be less than or equal to the maximum number  ");
const QString WrongAnswer = QStringLiteral("wrong answer, try again");
const QStringList Markers = { QStringLiteral("shpAddition"), QStringLiteral("shpSubtraction"),
    QStringLiteral("shpMultiplication"), QStringLiteral("shpDivision") };

void clickCard(TestWindow& t)
{
    TestClicks::clickAt(t.w(), TestClicks::atTwips(4700, 3500));
}

QWidget* control(frmMath& w, const QString& name)
{
    return w.findChild<QWidget*>(name);
}

// The focus only lands where a test can see it in the active window.
void activate(TestWindow& t)
{
    t.w().show();
    QApplication::setActiveWindow(&t.w());
    QVERIFY(QTest::qWaitForWindowActive(&t.w()));
}

// A user's choice in a range list, made while the list has the focus.
void chooseEntry(frmMath& w, const QString& list, const QString& entry)
{
    control(w, list)->setFocus();
    TestClicks::choose(w, list, entry);
}

double valueOf(const Label* label)
{
    return label->caption().toDouble();
}

double answerOf(const QString& sign, double a, double b)
{
    if (sign == QLatin1String("+"))
        return a + b;
    if (sign == QLatin1String("-"))
        return a - b;
    if (sign == QLatin1String("x"))
        return a * b;
    return a / b;
}

QList<Label*> choices(const frmMath& w)
{
    return { w.lbl1, w.lbl2, w.lbl3, w.lbl4, w.lbl5, w.lbl6 };
}

QStringList choiceCaptions(const frmMath& w)
{
    QStringList captions;
    for (const Label* choice : choices(w))
        captions << choice->caption();
    return captions;
}

// A freshly dealt card whose numbers lie in the range in force and fit the operation.
void verifyDealtCard(const frmMath& w, double low, double high)
{
    QVERIFY(!w.lbln1->isHidden());
    QVERIFY(!w.lbln2->isHidden());
    QVERIFY(w.lbln3->isHidden());
    const double n1 = valueOf(w.lbln1);
    const double n2 = valueOf(w.lbln2);
    QVERIFY2(low <= n1 && n1 <= high, qPrintable(w.lbln1->caption()));
    if (w.operation == QLatin1String("division")) {
        QVERIFY2(n2 >= 1 && n2 <= high, qPrintable(w.lbln2->caption()));
    } else {
        QVERIFY2(low <= n2 && n2 <= high, qPrintable(w.lbln2->caption()));
    }
    const double answer = answerOf(w.lblOperation->caption(), n1, n2);
    QVERIFY(answer >= 0);
    QCOMPARE(answer, std::floor(answer));
}

// Six different choices of which exactly one is the right answer of the card on show.
void verifyChoicesBelongToTheCard(const frmMath& w)
{
    const QStringList captions = choiceCaptions(w);
    QCOMPARE(QSet<QString>(captions.begin(), captions.end()).size(), 6);
    const double answer = answerOf(w.lblOperation->caption(), valueOf(w.lbln1), valueOf(w.lbln2));
    QCOMPARE(w.correctAnswer, static_cast<float>(answer));
    QCOMPARE(captions.count(QString::number(answer)), 1);
}

void addOperationRows()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("marker");

    QTest::newRow("addition") << "picPlus"
                              << "addition"
                              << "+"
                              << "plus"
                              << "shpAddition";
    QTest::newRow("subtraction") << "picMinus"
                                 << "subtraction"
                                 << "-"
                                 << "minus"
                                 << "shpSubtraction";
    QTest::newRow("multiplication") << "picX"
                                    << "multiplication"
                                    << "x"
                                    << "times"
                                    << "shpMultiplication";
    QTest::newRow("division") << "picDivide"
                              << "division"
                              << "/"
                              << "divided by"
                              << "shpDivision";
}

} // namespace

// Choosing the operation with the four pictures and the number range with the two lists.
class SettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void operationPictureClicks_data();
    void operationPictureClicks();
    void divisionLocksTheMinimumUntilAnotherOperation();
    void divisionRaisesAnAppliedMinimumOfZero();
    void operationAfterATimerChoice_data();
    void operationAfterATimerChoice();
    void operationInInteractiveMode_data();
    void operationInInteractiveMode();

    void startupSelectionsAreSilent();
    void acceptedRanges_data();
    void acceptedRanges();
    void refusedMinimumKeepsTheRangeInForce();
    void choosingTheSelectedEntryAgainRunsAgain();
    void hundredTimesHundred();
    void keyboardChoiceRunsTheHandlerOnce();
    void refusedRangeInInteractiveModeKeepsTheRightAnswerRight();
};

void SettingsTest::operationPictureClicks_data()
{
    addOperationRows();
}

void SettingsTest::operationPictureClicks()
{
    QFETCH(QString, picture);
    QFETCH(QString, name);
    QFETCH(QString, sign);
    QFETCH(QString, marker);

    TestWindow t;
    frmMath& w = t.w();
    // Start from another operation, so that every row changes it.
    TestClicks::click(control(w, picture == QLatin1String("picMinus") ? "picX" : "picMinus"));
    t.speech.clear();

    // Each click speaks the name and deals a card of its own, also when repeated.
    for (int click = 1; click <= 2; ++click) {
        const int drawsBefore = t.random.draws;
        TestClicks::click(control(w, picture));
        QCOMPARE(t.speech.phrases, QStringList(click, name));
        QVERIFY(t.random.draws > drawsBefore);
        QCOMPARE(w.operation, name);
        QCOMPARE(w.lblAddition->caption(), name);
        QCOMPARE(w.lblOperation->caption(), sign);
        for (const QString& shape : Markers)
            QCOMPARE(control(w, shape)->isHidden(), shape != marker);
        verifyDealtCard(w, name == QLatin1String("division") ? 1 : 0, 12);
    }
}

void SettingsTest::divisionLocksTheMinimumUntilAnotherOperation()
{
    TestWindow t;
    frmMath& w = t.w();
    TestClicks::choose(w, QStringLiteral("cmbMinNum"), QStringLiteral("5"));
    QCOMPARE(w.minNumber, 5.0);

    TestClicks::click(w.picDivide);
    QCOMPARE(w.minNumber, 1.0);
    QVERIFY(!w.cmbMinNum->isEnabled());
    QCOMPARE(w.cmbMinNum->currentText(), QStringLiteral("5"));
    QVERIFY(w.cmbMaxNum->isEnabled());

    // The minimum of division outlives it: addition cards may now hold numbers below 5.
    t.random.script({ 0.2, 0.25 }); // 2 and 3
    TestClicks::click(w.picPlus);
    QVERIFY(w.cmbMinNum->isEnabled());
    QCOMPARE(w.minNumber, 1.0);
    QCOMPARE(w.lbln1->caption(), QStringLiteral("2"));
    QCOMPARE(w.lbln2->caption(), QStringLiteral("3"));

    // A choice in either list applies both lists again.
    TestClicks::choose(w, QStringLiteral("cmbMaxNum"), QStringLiteral("12"));
    QCOMPARE(w.minNumber, 5.0);
    QCOMPARE(w.maxNumber, 12.0);
    verifyDealtCard(w, 5, 12);
}

void SettingsTest::divisionRaisesAnAppliedMinimumOfZero()
{
    TestWindow t;
    frmMath& w = t.w();
    TestClicks::click(w.picDivide);
    // The disabled minimum list still reads "0"; the maximum list applies it with its own.
    TestClicks::choose(w, QStringLiteral("cmbMaxNum"), QStringLiteral("10"));
    QCOMPARE(t.speech.phrases.last(), QStringLiteral("the maximum number is now set to 10"));
    QCOMPARE(w.minNumber, 1.0);
    QCOMPARE(w.maxNumber, 10.0);
    verifyDealtCard(w, 1, 10);
}

void SettingsTest::operationAfterATimerChoice_data()
{
    addOperationRows();
}

void SettingsTest::operationAfterATimerChoice()
{
    QFETCH(QString, picture);
    QFETCH(QString, name);

    TestWindow t;
    frmMath& w = t.w();
    w.lblTimer_Click();
    w.lstTimer->setCurrentRow(2);
    w.lstTimer_Click();
    QVERIFY(!w.cmbMinNum->isEnabled());
    QVERIFY(!w.cmbMaxNum->isEnabled());

    TestClicks::click(control(w, picture));
    const bool division = name == QLatin1String("division");
    QCOMPARE(w.cmbMinNum->isEnabled(), !division);
    QCOMPARE(w.cmbMaxNum->isEnabled(), !division);
}

void SettingsTest::operationInInteractiveMode_data()
{
    addOperationRows();
}

void SettingsTest::operationInInteractiveMode()
{
    QFETCH(QString, picture);
    QFETCH(QString, name);
    QFETCH(QString, word);

    TestWindow t;
    frmMath& w = t.w();
    w.lblInteractive_Click();
    clickCard(t);
    QCOMPARE(w.awaitingAnswer, 1);
    Label* wrong = w.lbl1->caption() == QString::number(w.correctAnswer) ? w.lbl2 : w.lbl1;
    TestClicks::click(wrong);
    QCOMPARE(wrong->backColour(), Colours::Red);
    const QString prompt = w.lblPress->caption();
    t.speech.clear();

    TestClicks::click(control(w, picture));
    QCOMPARE(t.speech.phrases, QStringList { name });
    QCOMPARE(w.awaitingAnswer, 0);
    QCOMPARE(w.lblPress->caption(), prompt);
    QVERIFY(!w.frameChoices->isHidden());
    for (const Label* choice : choices(w))
        QCOMPARE(choice->backColour(), Colours::White);
    QCOMPARE(w.operationWord, word);
    verifyDealtCard(w, name == QLatin1String("division") ? 1 : 0, 12);
    verifyChoicesBelongToTheCard(w);

    // The new choices can be answered at once, without a click on the card.
    const QList<Label*> all = choices(w);
    Label* right = all[choiceCaptions(w).indexOf(QString::number(w.correctAnswer))];
    TestClicks::click(right);
    QCOMPARE(right->backColour(), Colours::Green);
    QVERIFY(!w.lbln3->isHidden());
}

void SettingsTest::startupSelectionsAreSilent()
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

void SettingsTest::acceptedRanges_data()
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

void SettingsTest::acceptedRanges()
{
    QFETCH(QStringList, choices);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(QString, confirmation);

    TestWindow t;
    frmMath& w = t.w();
    activate(t);
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

void SettingsTest::refusedMinimumKeepsTheRangeInForce()
{
    TestWindow t;
    frmMath& w = t.w();
    activate(t);
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

void SettingsTest::choosingTheSelectedEntryAgainRunsAgain()
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

void SettingsTest::hundredTimesHundred()
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

void SettingsTest::keyboardChoiceRunsTheHandlerOnce()
{
    TestWindow t;
    frmMath& w = t.w();
    activate(t);
    w.cmbMaxNum->setFocus();
    QVERIFY(w.cmbMaxNum->hasFocus());

    QTest::keyClick(w.cmbMaxNum, Qt::Key_Down);
    QCOMPARE(w.cmbMaxNum->currentText(), QStringLiteral("13"));
    QCOMPARE(t.speech.phrases, QStringList { QStringLiteral("the maximum number is now set to 13") });
    QCOMPARE(w.maxNumber, 13.0);
    QVERIFY(w.cmdDummy->hasFocus());
}

// A refused choice rebuilds the possible answers of the card on show for its own operation,
// so the right answer of a subtraction card stays the one judged right.
void SettingsTest::refusedRangeInInteractiveModeKeepsTheRightAnswerRight()
{
    TestWindow t;
    frmMath& w = t.w();
    activate(t);
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

QTEST_MAIN(SettingsTest)
#include "test_settings.moc"
