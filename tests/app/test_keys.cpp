#include "app/colours.h"
#include "app/controls/choice_list.h"
#include "app/controls/focus_button.h"
#include "app/controls/label.h"
#include "app/controls/picture.h"
#include "support/test_window.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QTest>

// Keys stand for clicks: each raises the handler its click raises, once, wherever the focus
// is, and only when that click could happen.
class KeysTest : public QObject
{
    Q_OBJECT

private slots:
    void keyRaisesItsHandlerOnce_data();
    void keyRaisesItsHandlerOnce();
    void digitsJudgeTheAnswerOfTheirPlace();
    void heldKeyActsOnce();
    void openRangeListKeepsItsKeys();
    void controlQClosesTheWindow();
};

namespace {

void enterMode(frmMath& w, const QString& mode)
{
    if (mode == QLatin1String("interactive"))
        w.lblInteractive_Click();
    else if (mode == QLatin1String("timer"))
        w.lblTimer_Click();
}

// A press as a held key repeats it: the first press, then auto-repeated ones.
void sendPress(QWidget* target, Qt::Key key, const QString& text, bool autoRepeat)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text, autoRepeat);
    QApplication::sendEvent(target, &press);
}

const QString RevealHint = QStringLiteral("click flash card for answer");

} // namespace

void KeysTest::keyRaisesItsHandlerOnce_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QStringList>("phrases");

    const int none = Qt::NoModifier;
    const int keypad = Qt::KeypadModifier;
    const QString standard = QStringLiteral("standard");
    const QString timer = QStringLiteral("timer");
    const QString dummy = QStringLiteral("cmdDummy");
    const QString minList = QStringLiteral("cmbMinNum");
    const QString timerList = QStringLiteral("lstTimer");

    QTest::newRow("Space on the focus button deals")
        << standard << dummy << int(Qt::Key_Space) << none << QStringList { RevealHint };
    QTest::newRow("Return on the closed minimum list deals")
        << standard << minList << int(Qt::Key_Return) << none << QStringList { RevealHint };
    QTest::newRow("keypad Enter with no focus deals")
        << standard << "frmMath" << int(Qt::Key_Enter) << keypad << QStringList { RevealHint };
    QTest::newRow("+") << standard << dummy << int(Qt::Key_Plus) << none << QStringList { "addition" };
    QTest::newRow("keypad -") << standard << dummy << int(Qt::Key_Minus) << keypad << QStringList { "subtraction" };
    QTest::newRow("x") << standard << dummy << int(Qt::Key_X) << none << QStringList { "multiplication" };
    QTest::newRow("* typed with Shift") << standard << dummy << int(Qt::Key_Asterisk) << int(Qt::ShiftModifier)
                                        << QStringList { "multiplication" };
    QTest::newRow("keypad /") << standard << minList << int(Qt::Key_Slash) << keypad << QStringList { "division" };
    QTest::newRow("S on the minimum list")
        << timer << minList << int(Qt::Key_S) << none << QStringList { "standard mode", "click flashcard" };
    QTest::newRow("I") << standard << dummy << int(Qt::Key_I) << none
                       << QStringList { "interactive mode", "click possible answers to the right" };
    QTest::newRow("T") << standard << dummy << int(Qt::Key_T) << none
                       << QStringList { "first choose a timer value in seconds" };
    QTest::newRow("4 in timer mode chooses 4 seconds")
        << timer << dummy << int(Qt::Key_4) << none << QStringList { "timer mode", "4 seconds." };
    QTest::newRow("keypad 6 on the timer list")
        << timer << timerList << int(Qt::Key_6) << keypad << QStringList { "timer mode", "6 seconds." };
    QTest::newRow("1 in timer mode: no entry, no answers")
        << timer << dummy << int(Qt::Key_1) << none << QStringList {};
    QTest::newRow("4 in standard mode: the list is locked")
        << standard << minList << int(Qt::Key_4) << none << QStringList {};
    QTest::newRow("Control+S is no key of the game")
        << standard << dummy << int(Qt::Key_S) << int(Qt::ControlModifier) << QStringList {};
}

void KeysTest::keyRaisesItsHandlerOnce()
{
    QFETCH(QString, mode);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QStringList, phrases);

    TestWindow t;
    frmMath& w = t.w();
    enterMode(w, mode);
    const int minEntry = w.cmbMinNum->currentIndex();
    const int maxEntry = w.cmbMaxNum->currentIndex();
    t.speech.clear();

    QWidget* target = focus == w.objectName() ? &w : w.findChild<QWidget*>(focus);
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(t.speech.phrases, phrases);
    // The focused list took none of the keys for itself.
    QCOMPARE(w.cmbMinNum->currentIndex(), minEntry);
    QCOMPARE(w.cmbMaxNum->currentIndex(), maxEntry);
    if (phrases.size() == 2 && phrases.first() == QLatin1String("timer mode")) {
        QCOMPARE(w.lstTimer->selectedItems().size(), 1);
        QCOMPARE(w.lstTimer->selectedItems().first()->text(), phrases.last().left(1));
    }
}

void KeysTest::digitsJudgeTheAnswerOfTheirPlace()
{
    TestWindow t;
    frmMath& w = t.w();
    w.lblInteractive_Click();
    t.speech.clear();
    const QList<Label*> choices { w.lbl1, w.lbl2, w.lbl3, w.lbl4, w.lbl5, w.lbl6 };
    for (int digit = 1; digit <= 6; ++digit) {
        QTest::keyClick(w.cmdDummy, Qt::Key(Qt::Key_0 + digit));
        QCOMPARE(t.speech.phrases.size(), digit);
        for (int place = 1; place <= 6; ++place) {
            const bool judged = choices[place - 1]->backColour() != Colours::White;
            QCOMPARE(judged, place <= digit);
        }
    }
    // Exactly one of the six was right.
    QCOMPARE(t.speech.phrases.count(QStringLiteral("wrong answer, try again")), 5);
}

void KeysTest::heldKeyActsOnce()
{
    TestWindow t;
    frmMath& w = t.w();
    sendPress(w.cmdDummy, Qt::Key_M, QStringLiteral("m"), false);
    for (int i = 0; i < 5; ++i)
        sendPress(w.cmdDummy, Qt::Key_M, QStringLiteral("m"), true);
    QCOMPARE(w.muteFlag, QStringLiteral("x"));
    QVERIFY(w.Picture1->isHidden());
    QVERIFY(!w.Picture2->isHidden());

    // A second press switches speech on again, through the loudspeaker now shown.
    QTest::keyClick(w.cmdDummy, Qt::Key_M);
    QCOMPARE(w.muteFlag, QStringLiteral(" "));
    QVERIFY(!w.Picture1->isHidden());

    sendPress(w.cmdDummy, Qt::Key_Space, QStringLiteral(" "), false);
    for (int i = 0; i < 3; ++i)
        sendPress(w.cmdDummy, Qt::Key_Space, QStringLiteral(" "), true);
    QCOMPARE(t.speech.phrases, QStringList { RevealHint });
}

void KeysTest::openRangeListKeepsItsKeys()
{
    TestWindow t;
    frmMath& w = t.w();
    w.cmbMinNum->showPopup();
    QVERIFY(QApplication::activePopupWidget());
    // In the open list "5" finds the entry "5", "S" finds nothing after it, and Return
    // chooses the entry; outside it "S" would change the mode and Return deal a card.
    QWidget* list = w.cmbMinNum->view();
    QTest::keyClick(list, Qt::Key_5);
    QTest::keyClick(list, Qt::Key_S);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(t.speech.phrases, QStringList { "the minimum number is now set to 5" });
    QCOMPARE(w.mode, QStringLiteral("standard"));
    QVERIFY(!QApplication::activePopupWidget());
}

void KeysTest::controlQClosesTheWindow()
{
    TestWindow t;
    frmMath& w = t.w();
    QTest::keyClick(w.cmdDummy, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(w.isClosed());
    QVERIFY(!w.isVisible());
}

QTEST_MAIN(KeysTest)
#include "test_keys.moc"
