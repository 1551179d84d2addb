#include "access/accessible_texts.h"
#include "access/announcer.h"
#include "app/controls/focus_button.h"
#include "app/controls/label.h"
#include "app/controls/picture.h"
#include "support/test_window.h"

#include "access/screen_reader_voice.h"
#include "app/language.h"
#include "app/phrases.h"
#include "speech/switched_speech_engine.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

// What a screen reader is told about the controls, read through the accessibility interface
// as assistive technology reads it, and that it follows the game.
class AccessibleNamesTest : public QObject
{
    Q_OBJECT

private slots:
    void cardReadsAsItsProblemAlsoDuringThePause();
    void controlsFollowTheGameAndNameTheirKeys();
    void namesFollowTheLanguage();
    void screenReaderIsTheVoice_data();
    void screenReaderIsTheVoice();
};

namespace {

QString accessible(QWidget* control, QAccessible::Text text = QAccessible::Name)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    return iface ? iface->text(text) : QStringLiteral("<no interface>");
}

bool checked(QWidget* control)
{
    return QAccessible::queryAccessibleInterface(control)->state().checked;
}

} // namespace

// The names follow the window's repaint, which comes a moment after a change.
#define COMPARE_NAME(control, expected) QTRY_COMPARE(accessible(control), QStringLiteral(expected))

void AccessibleNamesTest::cardReadsAsItsProblemAlsoDuringThePause()
{
    TestWindow t;
    frmMath& w = t.w();
    COMPARE_NAME(w.lblClickMe, "12 plus 12 equals 24");
    QString duringPause;
    t.pump.at(10, [&] {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        duringPause = accessible(w.lblClickMe);
    });
    t.random.script({ 0.55, 0.4 }); // 7 and 5
    QTest::keyClick(w.cmdDummy, Qt::Key_Space);
    QCOMPARE(duringPause, QStringLiteral("flash card"));
    COMPARE_NAME(w.lblClickMe, "7 plus 5");
    QTest::keyClick(w.cmdDummy, Qt::Key_Space);
    COMPARE_NAME(w.lblClickMe, "7 plus 5 equals 12");
}

void AccessibleNamesTest::controlsFollowTheGameAndNameTheirKeys()
{
    TestWindow t;
    frmMath& w = t.w();
    COMPARE_NAME(w.picPlus, "addition");
    QVERIFY(checked(w.picPlus));
    QVERIFY(!checked(w.picX));
    QCOMPARE(accessible(w.picX), QStringLiteral("multiplication"));
    QCOMPARE(accessible(w.lblInteractive), QStringLiteral("interactive mode"));
    QCOMPARE(accessible(w.Picture1), QStringLiteral("speech on"));
    QCOMPARE(accessible(w.Picture2, QAccessible::Description), QStringLiteral("Switches speech on. Key: M"));
    QCOMPARE(w.lblClickMe->toolTip(), QStringLiteral("Keys: Space, Return, Enter"));
    QCOMPARE(w.picX->toolTip(), QStringLiteral("Keys: X, *"));

    for (const Qt::Key key : { Qt::Key_M, Qt::Key_X, Qt::Key_I, Qt::Key_Space })
        QTest::keyClick(w.cmdDummy, key);
    QTRY_VERIFY(checked(w.picX));
    QVERIFY(!checked(w.picPlus));
    QVERIFY(checked(w.lblInteractive));
    QCOMPARE(accessible(w.lblInteractive), QStringLiteral("interactive mode"));
    QCOMPARE(accessible(w.Picture2), QStringLiteral("speech off"));
    QTRY_COMPARE(accessible(w.lbl4), QStringLiteral("answer ") + w.lbl4->caption());
    QCOMPARE(w.lbl4->toolTip(), QStringLiteral("Key: 4"));
    QCOMPARE(accessible(w.lblClickMe), QStringLiteral("%1 times %2").arg(w.lbln1->caption(), w.lbln2->caption()));
}

void AccessibleNamesTest::namesFollowTheLanguage()
{
    TestWindow t;
    frmMath& w = t.w();
    QTranslator german;
    QVERIFY(german.load(Language::translationResource(QStringLiteral("de"))));
    QCoreApplication::installTranslator(&german);
    // The names change with the language, also while nothing on the window changes.
    COMPARE_NAME(w.lblStandard, "Normales Spiel");
    QCOMPARE(accessible(w.lblClickMe), QStringLiteral("12 plus 12 ist gleich 24"));
    QCOMPARE(w.lbl1->toolTip(), QStringLiteral("Taste: 1"));
    QCoreApplication::removeTranslator(&german);
    COMPARE_NAME(w.lblStandard, "standard mode");
}

void AccessibleNamesTest::screenReaderIsTheVoice_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QStringList>("expected");

    const QList<double> sevenAndFive = { 0.55, 0.4 };
    QTest::newRow("a card dealt and revealed")
        << QList<int> { Qt::Key_Space, Qt::Key_Space } << sevenAndFive
        << QStringList { "7 plus 5. click flash card for answer", "7 plus 5 equals 12. click flash card to continue" };
    QTest::newRow("interactive") << QList<int> { Qt::Key_I, Qt::Key_Space, Qt::Key_1, Qt::Key_2 }
                                 << QList<double> { 0.55, 0.4, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9 }
                                 << QStringList { "interactive mode. 7 plus 5. click possible answers to the right",
                                        "9 plus 10. click on correct answer to the right", "wrong answer, try again",
                                        "wrong answer, try again" };
    QTest::newRow("a mode") << QList<int> { Qt::Key_S } << sevenAndFive
                            << QStringList { "standard mode. click flashcard" };
    QTest::newRow("speech off and on") << QList<int> { Qt::Key_M, Qt::Key_Space, Qt::Key_M } << sevenAndFive
                                       << QStringList { "speech off", "7 plus 5", "speech on" };
    QTest::newRow("the keys") << QList<int> { Qt::Key_F1 } << sevenAndFive
                              << QStringList { AccessibleTexts::keyHelp() + ' ' + AccessibleTexts::focusHelp() };
}

// While a screen reader runs, it is told everything the window would say, once and in order, and
// the program's own voice says nothing.
void AccessibleNamesTest::screenReaderIsTheVoice()
{
    QFETCH(QList<int>, keys);
    QFETCH(QList<double>, draws);
    QFETCH(QStringList, expected);
    RecordingSpeechEngine own;
    SwitchedSpeechEngine speech(own);
    ScriptedRandomSource random;
    ScriptedEventPump pump;
    frmMath w(speech, random, pump);
    auto* reader = new ScreenReaderVoice(w, speech);
    reader->follow(true);
    QStringList told;
    connect(w.findChild<Announcer*>(QStringLiteral("announcer")), &Announcer::told,
        [&told](const QString& text) { told << text; });
    w.Form_Load();
    QTRY_COMPARE(told, QStringList { Phrases::welcome() });
    told.clear();
    random.script(draws);
    for (const int key : keys) {
        QTest::keyClick(w.cmdDummy, Qt::Key(key));
        QTest::qWait(150);
    }
    QTRY_COMPARE(told, expected);
    QVERIFY2(own.calls.isEmpty(), qPrintable(own.calls.join(", ")));

    // Without the screen reader the own voice speaks again.
    reader->follow(false);
    told.clear();
    QTest::keyClick(w.cmdDummy, Qt::Key_I);
    QTest::qWait(150);
    QCOMPARE(own.phrases, QStringList({ "interactive mode", "click possible answers to the right" }));
}

QTEST_MAIN(AccessibleNamesTest)
#include "test_accessible_names.moc"
