#include "app/controls/choice_list.h"
#include "app/controls/focus_button.h"
#include "app/controls/label.h"
#include "app/controls/picture.h"
#include "support/test_window.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QTest>

// What a screen reader hears about the controls, and that it follows the game: the names
// are read through the accessibility interface, as an assistive technology reads them.
class AccessibleNamesTest : public QObject
{
    Q_OBJECT

private slots:
    void cardReadsAsItsProblemAlsoDuringThePause();
    void buttonsSayWhichChoiceIsTheCurrentOne();
    void answersAndTheLoudspeakerFollowTheGame();
    void controlsNameTheirKeys();
};

namespace {

QString accessibleText(QWidget* control, QAccessible::Text text = QAccessible::Name)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    return iface ? iface->text(text) : QStringLiteral("<no interface>");
}

// The names follow the window's repaint, which comes a moment after a change.
#define COMPARE_NAME(control, expected) QTRY_COMPARE(accessibleText(control), QStringLiteral(expected))

} // namespace

void AccessibleNamesTest::cardReadsAsItsProblemAlsoDuringThePause()
{
    TestWindow t;
    frmMath& w = t.w();
    COMPARE_NAME(w.lblClickMe, "12 plus 12 equals 24");

    QString duringPause;
    t.pump.at(10, [&] {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        duringPause = accessibleText(w.lblClickMe);
    });
    t.random.script({ 0.55, 0.4 }); // 7 and 5
    QTest::keyClick(w.cmdDummy, Qt::Key_Space);
    QCOMPARE(duringPause, QStringLiteral("flash card"));
    COMPARE_NAME(w.lblClickMe, "7 plus 5");

    QTest::keyClick(w.cmdDummy, Qt::Key_Space);
    COMPARE_NAME(w.lblClickMe, "7 plus 5 equals 12");

    w.picX_Click();
    QTRY_COMPARE(
        accessibleText(w.lblClickMe), QStringLiteral("%1 times %2").arg(w.lbln1->caption(), w.lbln2->caption()));
}

void AccessibleNamesTest::buttonsSayWhichChoiceIsTheCurrentOne()
{
    TestWindow t;
    frmMath& w = t.w();
    COMPARE_NAME(w.picPlus, "addition, chosen");
    QCOMPARE(accessibleText(w.picX), QStringLiteral("multiplication"));
    QCOMPARE(accessibleText(w.lblStandard), QStringLiteral("standard mode, chosen"));
    QCOMPARE(accessibleText(w.lblTimer), QStringLiteral("timer mode"));

    QTest::keyClick(w.cmdDummy, Qt::Key_X);
    QTest::keyClick(w.cmdDummy, Qt::Key_T);
    COMPARE_NAME(w.picPlus, "addition");
    QCOMPARE(accessibleText(w.picX), QStringLiteral("multiplication, chosen"));
    QCOMPARE(accessibleText(w.lblStandard), QStringLiteral("standard mode"));
    QCOMPARE(accessibleText(w.lblTimer), QStringLiteral("timer mode, chosen"));
}

void AccessibleNamesTest::answersAndTheLoudspeakerFollowTheGame()
{
    TestWindow t;
    frmMath& w = t.w();
    COMPARE_NAME(w.Picture1, "speech on");
    QTest::keyClick(w.cmdDummy, Qt::Key_M);
    COMPARE_NAME(w.Picture2, "speech off");

    QTest::keyClick(w.cmdDummy, Qt::Key_I);
    QTest::keyClick(w.cmdDummy, Qt::Key_Space);
    COMPARE_NAME(w.lblInteractive, "interactive mode, chosen");
    // The right answer is among the six, read with the card's own numbers.
    const QString right = QStringLiteral("answer %1").arg(w.lbln1->caption().toInt() + w.lbln2->caption().toInt());
    QStringList names;
    for (Label* choice : { w.lbl1, w.lbl2, w.lbl3, w.lbl4, w.lbl5, w.lbl6 })
        names << accessibleText(choice);
    QVERIFY2(names.contains(right), qPrintable(names.join(QLatin1Char('|')) + QStringLiteral(" lacks ") + right));
    QCOMPARE(names.first(), QStringLiteral("answer ") + w.lbl1->caption());
}

void AccessibleNamesTest::controlsNameTheirKeys()
{
    TestWindow t;
    frmMath& w = t.w();
    QCOMPARE(w.lblClickMe->toolTip(), QStringLiteral("Keys: Space, Return, Enter"));
    QCOMPARE(w.lbl3->toolTip(), QStringLiteral("Key: 3"));
    QCOMPARE(w.picX->toolTip(), QStringLiteral("Keys: X, *"));
    QCOMPARE(w.lstTimer->toolTip(), QStringLiteral("Keys: 2, 3, 4, 5, 6"));
    QCOMPARE(accessibleText(w.Picture2, QAccessible::Description), QStringLiteral("Switches speech on. Key: M"));
    QCOMPARE(accessibleText(w.lblInteractive, QAccessible::Description), QStringLiteral("Play in this mode. Key: I"));
}

QTEST_MAIN(AccessibleNamesTest)
#include "test_accessible_names.moc"
