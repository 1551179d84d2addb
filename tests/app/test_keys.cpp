#include "app/colours.h"
#include "app/controls/choice_list.h"
#include "app/controls/focus_button.h"
#include "app/controls/label.h"
#include "app/controls/picture.h"
#include "support/fixed_translation.h"
#include "support/phrase_table.h"
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
    void tabWalksTheButtonsThatSpaceAndEnterPress();
    void focusLeavesADeadControlForTheCard_data();
    void focusLeavesADeadControlForTheCard();
};

namespace {

using PhraseTable::RevealHint;

void press(QWidget* target, Qt::Key key, bool autoRepeat)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(target, &event);
}

} // namespace

void KeysTest::keyRaisesItsHandlerOnce_data()
{
    QTest::addColumn<bool>("timerMode");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QStringList>("phrases");
    QTest::addColumn<QString>("digits"); // the digits the lists show; empty: 0 to 9
    const auto row = [](const char* name, bool timerMode, const char* focus, int key, int modifiers,
                         const QStringList& phrases, const QString& digits = QString()) {
        QTest::newRow(name) << timerMode << QString::fromLatin1(focus) << key << modifiers << phrases << digits;
    };
    const int keypad = Qt::KeypadModifier;
    row("Space on the focus button", false, "cmdDummy", Qt::Key_Space, 0, { RevealHint });
    row("Return on the closed minimum list", false, "cmbMinNum", Qt::Key_Return, 0, { RevealHint });
    row("keypad Enter, no focus", false, "frmMath", Qt::Key_Enter, keypad, { RevealHint });
    row("keypad -", false, "cmdDummy", Qt::Key_Minus, keypad, { "subtraction" });
    row("x", false, "cmdDummy", Qt::Key_X, 0, { "multiplication" });
    row("* typed with Shift", false, "cmdDummy", Qt::Key_Asterisk, Qt::ShiftModifier, { "multiplication" });
    row("keypad / on the minimum list", false, "cmbMinNum", Qt::Key_Slash, keypad, { "division" });
    row("S on the minimum list", true, "cmbMinNum", Qt::Key_S, 0, { "standard mode", "click flashcard" });
    row("T", false, "cmdDummy", Qt::Key_T, 0, { "first choose a timer value in seconds" });
    row("4 in timer mode", true, "cmdDummy", Qt::Key_4, 0, { "timer mode", "4 seconds." });
    row("keypad 6 on the timer list", true, "lstTimer", Qt::Key_6, keypad, { "timer mode", "6 seconds." });
    row("4 in timer mode, Persian digits", true, "cmdDummy", Qt::Key_4, 0, { "timer mode", "۴ seconds." },
        QStringLiteral("۰۱۲۳۴۵۶۷۸۹"));
    // The number row of an Arabic keyboard types Arabic-Indic digits.
    row("Arabic-Indic 5 in timer mode", true, "cmdDummy", 0x665, 0, { "timer mode", "5 seconds." });
    row("1 in timer mode: no such entry", true, "cmdDummy", Qt::Key_1, 0, {});
    row("4 in standard mode: list locked, answers hidden", false, "cmbMinNum", Qt::Key_4, 0, {});
    row("Control+S", false, "cmdDummy", Qt::Key_S, Qt::ControlModifier, {});
}

void KeysTest::keyRaisesItsHandlerOnce()
{
    QFETCH(bool, timerMode);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QStringList, phrases);
    QFETCH(QString, digits);

    QHash<QString, QString> entries;
    if (!digits.isEmpty())
        entries.insert(QStringLiteral("NumberText/0123456789"), digits);
    FixedTranslation translation(entries);
    TestWindow t;
    frmMath& w = t.w();
    if (timerMode)
        w.lblTimer_Click();
    t.speech.clear();
    QWidget* target = focus == w.objectName() ? &w : w.findChild<QWidget*>(focus);
    if (key > 0xff && key < Qt::Key_Escape) { // a character QTest cannot type
        QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), QString(QChar(key)));
        QApplication::sendEvent(target, &event);
    } else {
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    }

    QCOMPARE(t.speech.phrases, phrases);
    // The focused list took none of the keys for itself.
    QCOMPARE(w.cmbMinNum->currentText(), digits.isEmpty() ? QStringLiteral("0") : digits.left(1));
    if (phrases.value(1).endsWith(QLatin1String("seconds.")))
        QCOMPARE(w.lstTimer->selectedItems().value(0)->text(), phrases.value(1).left(1));
}

void KeysTest::digitsJudgeTheAnswerOfTheirPlace()
{
    TestWindow t;
    frmMath& w = t.w();
    QTest::keyClick(w.cmdDummy, Qt::Key_I);
    t.speech.clear();
    const QList<Label*> choices { w.lbl1, w.lbl2, w.lbl3, w.lbl4, w.lbl5, w.lbl6 };
    for (int digit = 1; digit <= 6; ++digit) {
        QTest::keyClick(w.cmdDummy, Qt::Key(Qt::Key_0 + digit));
        QCOMPARE(t.speech.phrases.size(), digit);
        for (int place = 1; place <= 6; ++place)
            QCOMPARE(choices[place - 1]->backColour() != Colours::White, place <= digit);
    }
    QCOMPARE(t.speech.phrases.count(QStringLiteral("wrong answer, try again")), 5);
}

void KeysTest::heldKeyActsOnce()
{
    TestWindow t;
    frmMath& w = t.w();
    for (int i = 0; i < 6; ++i)
        press(w.cmdDummy, Qt::Key_M, i > 0);
    QCOMPARE(w.muteFlag, QStringLiteral("x"));
    // The next press acts on the loudspeaker shown now.
    QTest::keyClick(w.cmdDummy, Qt::Key_M);
    QCOMPARE(w.muteFlag, QStringLiteral(" "));

    for (int i = 0; i < 4; ++i)
        press(w.cmdDummy, Qt::Key_Space, i > 0);
    QCOMPARE(t.speech.phrases, QStringList { RevealHint });
}

void KeysTest::openRangeListKeepsItsKeys()
{
    TestWindow t;
    frmMath& w = t.w();
    w.cmbMinNum->showPopup();
    QVERIFY(QApplication::activePopupWidget());
    // In the open list "5" finds the entry "5", "S" finds nothing after it and Return
    // chooses: none of them changes the mode or deals a card.
    for (const Qt::Key key : { Qt::Key_5, Qt::Key_S, Qt::Key_Return })
        QTest::keyClick(w.cmbMinNum->view(), key);
    QCOMPARE(t.speech.phrases, QStringList { "the minimum number is now set to 5" });
    QCOMPARE(w.mode, QStringLiteral("standard"));
}

void KeysTest::controlQClosesTheWindow()
{
    TestWindow t;
    QTest::keyClick(t.w().cmdDummy, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(t.w().isClosed());
    QVERIFY(!t.w().isVisible());
}

// The focus, moved with Tab from the card: Space and Enter press the button that has it, the
// focus stays with the loudspeaker as it changes, and its mark shows only while the keyboard is
// in use.
void KeysTest::tabWalksTheButtonsThatSpaceAndEnterPress()
{
    TestWindow t;
    frmMath& w = t.w();
    QVERIFY(t.activate());
    QCOMPARE(QApplication::focusWidget(), w.lblClickMe);
    const auto key = [](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    };
    const QColor mark = w.palette().color(QPalette::Active, QPalette::Highlight);
    const auto marked = [&](QWidget* control) { return control->grab().toImage().pixelColor(2, 2) == mark; };
    QVERIFY(!marked(w.lblClickMe));

    key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.img123);
    QVERIFY(marked(w.img123));
    for (int i = 0; i < 2; ++i)
        key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.picMinus);
    key(Qt::Key_Return);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    key(Qt::Key_Space);
    QCOMPARE(t.speech.phrases, QStringList({ "subtraction", "addition" }));

    w.Picture1->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Space);
    QCOMPARE(w.muteFlag, QStringLiteral("x"));
    QCOMPARE(QApplication::focusWidget(), w.Picture2);
    key(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(w.muteFlag, QStringLiteral(" "));
    QCOMPARE(QApplication::focusWidget(), w.Picture1);
    QVERIFY(marked(w.Picture1));

    // A mouse press anywhere in the window hides the mark; the focus stays.
    QTest::mouseClick(&w, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(QApplication::focusWidget(), w.Picture1);
    QVERIFY(!marked(w.Picture1));
}

void KeysTest::focusLeavesADeadControlForTheCard_data()
{
    QTest::addColumn<QString>("mode"); // the key of the mode played
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("then"); // the key that hides or disables the focused control

    QTest::newRow("timer list disabled by a mode") << "T" << "lstTimer" << "S";
    QTest::newRow("an answer hidden by a mode") << "I" << "lbl3" << "T";
    QTest::newRow("a range list disabled by a time") << "T" << "cmbMaxNum" << "3";
}

// The focus never stays on, or moves on to whatever follows, a control that was hidden or
// disabled: it goes to the card, where the game goes on.
void KeysTest::focusLeavesADeadControlForTheCard()
{
    QFETCH(QString, mode);
    QFETCH(QString, focused);
    QFETCH(QString, then);
    TestWindow t;
    frmMath& w = t.w();
    QVERIFY(t.activate());
    QTest::keyClicks(&w, mode);
    auto* control = w.findChild<QWidget*>(focused);
    control->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), control);
    QTest::keyClicks(QApplication::focusWidget(), then);
    QVERIFY(!control->isEnabled() || !control->isVisible());
    QCOMPARE(QApplication::focusWidget(), w.lblClickMe);
}

QTEST_MAIN(KeysTest)
#include "test_keys.moc"
