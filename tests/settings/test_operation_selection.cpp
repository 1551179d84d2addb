#include "app/colours.h"
#include "app/controls/choice_list.h"
#include "app/controls/frame.h"
#include "app/controls/label.h"
#include "app/controls/picture.h"
#include "settings_checks.h"
#include "support/test_window.h"

#include <QComboBox>
#include <QSet>
#include <QTest>

namespace {

const QStringList Markers = { QStringLiteral("shpAddition"), QStringLiteral("shpSubtraction"),
    QStringLiteral("shpMultiplication"), QStringLiteral("shpDivision") };

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

// Choosing the operation with the four pictures.
class OperationSelectionTest : public QObject
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
};

void OperationSelectionTest::operationPictureClicks_data()
{
    addOperationRows();
}

void OperationSelectionTest::operationPictureClicks()
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

void OperationSelectionTest::divisionLocksTheMinimumUntilAnotherOperation()
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

void OperationSelectionTest::divisionRaisesAnAppliedMinimumOfZero()
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

void OperationSelectionTest::operationAfterATimerChoice_data()
{
    addOperationRows();
}

void OperationSelectionTest::operationAfterATimerChoice()
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

void OperationSelectionTest::operationInInteractiveMode_data()
{
    addOperationRows();
}

void OperationSelectionTest::operationInInteractiveMode()
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

QTEST_MAIN(OperationSelectionTest)
#include "test_operation_selection.moc"
