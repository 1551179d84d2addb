#include "app/controls/choice_list.h"
#include "app/controls/label.h"
#include "app/controls/picture.h"
#include "app/controls/tick_timer.h"
#include "support/phrase_table.h"
#include "support/test_window.h"

#include <QComboBox>
#include <QTest>
#include <QWheelEvent>

namespace {

using PhraseTable::RevealHint;
using PhraseTable::WrongAnswer;

// Mouse input handed to Qt the way the platform hands it over, so Qt itself decides what is a
// double-click (press, release, double-click, release) and which control each event reaches.
class Mouse
{
public:
    explicit Mouse(QWidget* window)
        : m_window(window)
    {
        // Qt keeps the last press time across windows: each test starts well after the last.
        s_time += 10000;
    }

    // A deliberate press comes a second after the last event; `afterMs` makes it come sooner.
    void press(
        const QPoint& at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers keys = {}, int afterMs = 1000)
    {
        s_time += afterMs;
        send(at, button, button, QEvent::MouseButtonPress, keys);
    }

    void release(const QPoint& at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers keys = {})
    {
        send(at, Qt::NoButton, button, QEvent::MouseButtonRelease, keys);
    }

    void click(
        const QPoint& at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers keys = {}, int afterMs = 1000)
    {
        press(at, button, keys, afterMs);
        release(at, button, keys);
    }

    // Two clicks with `gapMs` between the first release and the second press.
    void twoClicks(const QPoint& at, int gapMs)
    {
        click(at);
        click(at, Qt::LeftButton, {}, gapMs);
    }

private:
    void send(
        const QPoint& at, Qt::MouseButtons held, Qt::MouseButton button, QEvent::Type type, Qt::KeyboardModifiers keys)
    {
        s_time += 10;
        // Qt Test's own entry into the window system's queue, with timestamps of our choosing.
        qt_handleMouseEvent(m_window->windowHandle(), QPointF(at), QPointF(m_window->mapToGlobal(at)), held, button,
            type, keys, s_time);
        QCoreApplication::processEvents();
    }

    QWidget* m_window;
    static inline int s_time = 1000;
};

QPoint centreOf(frmMath& w, const QWidget* control)
{
    return control->mapTo(&w, control->rect().center());
}

QPoint entryOf(frmMath& w, int row)
{
    const QRect box = w.lstTimer->visualItemRect(w.lstTimer->item(row));
    return w.lstTimer->viewport()->mapTo(&w, box.center());
}

int selectedTimerRow(const frmMath& w)
{
    const QList<QListWidgetItem*> selected = w.lstTimer->selectedItems();
    return selected.size() == 1 ? w.lstTimer->row(selected.first()) : -1;
}

Label* wrongChoice(const frmMath& w)
{
    for (Label* choice : { w.lbl1, w.lbl2, w.lbl3, w.lbl4, w.lbl5, w.lbl6 }) {
        if (choice->caption().toFloat() != w.correctAnswer)
            return choice;
    }
    return nullptr;
}

} // namespace

// Children double-click, drag, scroll and press anywhere: each must do what one deliberate
// click does.
class ChildInputTest : public QObject
{
    Q_OBJECT

private slots:
    void doubleClickIsOneClick_data();
    void doubleClickIsOneClick();
    void doubleClickOnBackgroundIsOneClick();
    void topLeftCornerIsBackground();
    void timerListChoosesWhereTheButtonComesUp();
    void wheelDoesNotChooseARange_data();
    void wheelDoesNotChooseARange();
    void choicesFollowAnOperationChosenDuringTheDraw();
    void nothingIsSpokenAfterClosing();
};

void ChildInputTest::doubleClickIsOneClick_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("gapMs");
    QTest::addColumn<QStringList>("spoken");
    QTest::addColumn<bool>("speechOff"); // what the loudspeaker shows afterwards

    const QStringList wrong { WrongAnswer };
    const QStringList standard { QStringLiteral("standard mode"), QStringLiteral("click flashcard") };
    const QStringList minus { QStringLiteral("subtraction") };
    const QStringList fiveSeconds { QStringLiteral("timer mode"), QStringLiteral("5 seconds.") };
    QTest::newRow("wrong answer, double") << "wrong answer" << 80 << wrong << false;
    QTest::newRow("wrong answer, apart") << "wrong answer" << 1500 << wrong + wrong << false;
    QTest::newRow("Standard button, double") << "lblStandard" << 80 << standard << false;
    QTest::newRow("Standard button, apart") << "lblStandard" << 1500 << standard + standard << false;
    // The card shows 12 + 12 = 24: one click deals, and the second press must not reveal.
    QTest::newRow("revealed card, double") << "lblClickMe" << 80 << QStringList { RevealHint } << false;
    QTest::newRow("operation picture, double") << "picMinus" << 80 << minus << false;
    QTest::newRow("operation picture, apart") << "picMinus" << 1500 << minus + minus << false;
    // Two clicks switch speech off and on again; one leaves it off.
    QTest::newRow("loudspeaker, double") << "Picture1" << 80 << QStringList() << true;
    QTest::newRow("loudspeaker, apart") << "Picture1" << 1500 << QStringList() << false;
    QTest::newRow("timer entry, double") << "timer entry" << 80 << fiveSeconds << false;
    QTest::newRow("timer entry, apart") << "timer entry" << 1500 << fiveSeconds + fiveSeconds << false;
}

void ChildInputTest::doubleClickIsOneClick()
{
    QFETCH(QString, control);
    QFETCH(int, gapMs);
    QFETCH(QStringList, spoken);
    QFETCH(bool, speechOff);

    TestWindow t;
    frmMath& w = t.w();
    QPoint at;
    if (control == QLatin1String("wrong answer")) {
        w.lblInteractive_Click();
        w.lblClickMe_Click();
        at = centreOf(w, wrongChoice(w));
    } else if (control == QLatin1String("timer entry")) {
        w.lblTimer_Click();
        at = entryOf(w, 3); // "5"
    } else {
        QWidget* target = w.findChild<QWidget*>(control);
        QVERIFY(target);
        at = centreOf(w, target);
    }
    t.speech.clear();

    Mouse(&w).twoClicks(at, gapMs);

    QCOMPARE(t.speech.phrases, spoken);
    QCOMPARE(!w.Picture2->isHidden(), speechOff);
    if (control == QLatin1String("lblClickMe"))
        QVERIFY(w.lbln3->isHidden());
}

void ChildInputTest::doubleClickOnBackgroundIsOneClick()
{
    TestWindow t;
    Mouse mouse(&t.w());
    const QPoint background = TestClicks::atTwips(6500, 400);
    QCOMPARE(TestClicks::controlAt(t.w(), background), &t.w());
    t.w().Timer1->setInterval(2000);
    t.w().Timer1->setEnabled(true);

    mouse.click(background);
    QVERIFY(!t.w().Timer1->isEnabled());
    // The second press of the double-click must not stop the timer again.
    t.w().Timer1->setEnabled(true);
    mouse.click(background, Qt::LeftButton, {}, 80);
    QVERIFY(t.w().Timer1->isEnabled());
}

void ChildInputTest::topLeftCornerIsBackground()
{
    TestWindow t;
    t.w().lblTimer_Click();
    Mouse mouse(&t.w());
    mouse.click(entryOf(t.w(), 0));
    QVERIFY(t.w().Timer1->isRunning());

    // The hidden focus button still covers this corner.
    mouse.click(QPoint(20, 10));

    QVERIFY(!t.w().Timer1->isEnabled());
}

void ChildInputTest::timerListChoosesWhereTheButtonComesUp()
{
    TestWindow t;
    frmMath& w = t.w();
    Mouse mouse(&w);
    w.lblTimer_Click();
    t.speech.clear();

    mouse.press(entryOf(w, 1)); // "3"
    QCOMPARE(selectedTimerRow(w), -1);
    mouse.release(entryOf(w, 3)); // "5"
    QCOMPARE(selectedTimerRow(w), 3);
    QCOMPARE(t.speech.phrases, QStringList({ "timer mode", "5 seconds." }));
    QCOMPARE(w.timerInterval, 5000.0);

    t.speech.clear();
    for (const Qt::MouseButton other : { Qt::RightButton, Qt::MiddleButton })
        mouse.click(entryOf(w, 0), other);
    QCOMPARE(selectedTimerRow(w), 3);
    QVERIFY(t.speech.phrases.isEmpty());

    // Ctrl or Shift on the chosen entry is a plain choice of it again, not a deselection.
    for (const Qt::KeyboardModifier key : { Qt::ControlModifier, Qt::ShiftModifier }) {
        t.speech.clear();
        mouse.click(entryOf(w, 3), Qt::LeftButton, key);
        QCOMPARE(selectedTimerRow(w), 3);
        QCOMPARE(t.speech.phrases, QStringList({ "timer mode", "5 seconds." }));
    }
    t.speech.clear();
    mouse.click(entryOf(w, 0), Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(selectedTimerRow(w), 0);
    QCOMPARE(w.lstTimer->selectedItems().size(), 1);
    QCOMPARE(t.speech.phrases, QStringList({ "timer mode", "2 seconds." }));
}

void ChildInputTest::wheelDoesNotChooseARange_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("focused");
    QTest::newRow("minimum") << "cmbMinNum" << false;
    QTest::newRow("maximum") << "cmbMaxNum" << false;
    // Disabling the timer list hands its focus on to the next list, without the child's doing.
    QTest::newRow("maximum with the focus") << "cmbMaxNum" << true;
}

void ChildInputTest::wheelDoesNotChooseARange()
{
    QFETCH(QString, list);
    QFETCH(bool, focused);
    TestWindow t;
    auto* range = t.w().findChild<QComboBox*>(list);
    const int before = range->currentIndex();
    if (focused) {
        QVERIFY(t.activate());
        range->setFocus();
    }
    QCOMPARE(range->hasFocus(), focused);

    for (const int notch : { -120, 120, 120 }) {
        const QPointF at = range->rect().center();
        QWheelEvent wheel(at, range->mapToGlobal(at), QPoint(), QPoint(0, notch), Qt::NoButton, Qt::NoModifier,
            Qt::NoScrollPhase, false);
        QApplication::sendEvent(range, &wheel);
    }

    QCOMPARE(range->currentIndex(), before);
    QVERIFY(t.speech.phrases.isEmpty());
    QCOMPARE(t.w().maxNumber, 12.0);
    QCOMPARE(t.w().minNumber, 0.0);
}

void ChildInputTest::choicesFollowAnOperationChosenDuringTheDraw()
{
    TestWindow t;
    frmMath& w = t.w();
    w.lblInteractive_Click();
    // 9 - 4 for the nested subtraction card, whatever the outer addition card draws first.
    t.pump.reset();
    t.pump.at(1, [&] {
        t.random.script({ 0.7, 0.31 });
        w.picMinus_Click();
    });

    w.NewProblem();

    QCOMPARE(w.operation, QStringLiteral("subtraction"));
    QCOMPARE(w.lbln1->caption() + w.lbln2->caption(), QStringLiteral("94"));
    QCOMPARE(w.correctAnswer, 5.0f);
    QCOMPARE(w.operationWord, QStringLiteral("minus"));
}

void ChildInputTest::nothingIsSpokenAfterClosing()
{
    TestWindow t(false);
    t.pump.at(10, [&] { t.w().close(); });
    t.w().Form_Load();
    QVERIFY(t.speech.phrases.isEmpty());

    // The card shows its answer, so a click deals, and the first deal speaks a hint.
    TestWindow dealing;
    dealing.pump.at(5, [&] { dealing.w().close(); });
    dealing.w().lblClickMe_Click();
    QVERIFY(dealing.speech.phrases.isEmpty());
}

QTEST_MAIN(ChildInputTest)
#include "test_child_input.moc"
