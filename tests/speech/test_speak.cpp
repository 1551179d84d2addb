#include "app/controls/choice_list.h"
#include "app/controls/frame.h"
#include "app/controls/label.h"
#include "problems/number_text.h"
#include "support/phrase_table.h"
#include "support/test_window.h"

#include <QLoggingCategory>
#include <QScopeGuard>
#include <QTest>

namespace {

using PhraseTable::Greeting;
using PhraseTable::RangeComplaint;

// The messages of the speech log, caught on their way to the test's own handler.
QStringList* speechLog = nullptr;
QtMessageHandler previousHandler = nullptr;

void catchSpeechLog(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (speechLog && context.category && qstrcmp(context.category, "numivox.speech") == 0)
        speechLog->append(message);
    if (previousHandler)
        previousHandler(type, context, message);
}

// Both calls for each phrase, in order.
QStringList callsFor(const QStringList& phrases)
{
    QStringList calls;
    for (const QString& phrase : phrases)
        calls << QStringLiteral("prepare") << QStringLiteral("speak:") + phrase;
    return calls;
}

} // namespace

// The one way the program speaks: the speech switch, the two engine calls, failures,
// exact phrases and the log.
class SpeakTest : public QObject
{
    Q_OBJECT

private slots:
    void switchDecidesWhetherTheEngineIsCalled_data();
    void switchDecidesWhetherTheEngineIsCalled();
    void failingEngineLeavesTheProgramUsable();
    void phrasesKeepTheirBlanks_data();
    void phrasesKeepTheirBlanks();
    void phrasesReachingTheEngineAreLogged();
};

void SpeakTest::switchDecidesWhetherTheEngineIsCalled_data()
{
    QTest::addColumn<QString>("muteFlag");
    QTest::addColumn<bool>("speaks");
    QTest::newRow("switched off") << "x" << false;
    QTest::newRow("switched on again") << " " << true;
    QTest::newRow("never switched") << "" << true;
    QTest::newRow("not exactly off") << "x " << true;
}

void SpeakTest::switchDecidesWhetherTheEngineIsCalled()
{
    QFETCH(QString, muteFlag);
    QFETCH(bool, speaks);

    TestWindow t;
    t.w().muteFlag = muteFlag;
    // The same phrase twice: the engine is asked afresh each time.
    t.w().Speak(QStringLiteral("click flashcard"));
    t.w().Speak(QStringLiteral("click flashcard"));
    QCOMPARE(t.speech.calls, speaks ? callsFor({ "click flashcard", "click flashcard" }) : QStringList());
}

void SpeakTest::failingEngineLeavesTheProgramUsable()
{
    TestWindow t;
    frmMath& w = t.w();
    t.speech.failure = RecordingSpeechEngine::Failure::Throw;

    t.random.script({ 0.25, 0.5 });
    w.lblClickMe_Click();
    QCOMPARE(w.lbln1->caption(), QStringLiteral("3"));
    QVERIFY(w.lbln3->isHidden());
    w.lblClickMe_Click();
    QCOMPARE(w.lbln3->caption(), QStringLiteral("9"));
    QVERIFY(!w.lbln3->isHidden());

    w.picX_Click();
    QCOMPARE(w.operation, QStringLiteral("multiplication"));
    QCOMPARE(w.lblOperation->caption(), QStringLiteral("x"));

    w.lblInteractive_Click();
    QCOMPARE(w.mode, QStringLiteral("interactive"));
    QVERIFY(!w.frameChoices->isHidden());
    w.lblClickMe_Click();
    QCOMPARE(w.awaitingAnswer, 1);
    const QString answer = NumberText::fromSingle(w.correctAnswer);
    for (Label* choice : { w.lbl1, w.lbl2, w.lbl3, w.lbl4, w.lbl5, w.lbl6 }) {
        if (choice->caption() == answer) {
            TestClicks::click(choice);
            break;
        }
    }
    QCOMPARE(w.awaitingAnswer, 0);
    QCOMPARE(w.lbln3->caption(), answer);

    // Every phrase was still offered in full: a failed first call does not keep the second from being tried.
    QVERIFY(t.speech.phrases.size() >= 8);
    QCOMPARE(t.speech.calls, callsFor(t.speech.phrases));
}

void SpeakTest::phrasesKeepTheirBlanks_data()
{
    QTest::addColumn<QString>("occasion");
    QTest::addColumn<QString>("phrase");
    QTest::newRow("minimum above maximum") << "complaint" << RangeComplaint;
    QTest::newRow("time chosen") << "seconds"
                                 << "4 seconds.";
    QTest::newRow("greeting") << "greeting" << Greeting;
}

void SpeakTest::phrasesKeepTheirBlanks()
{
    QFETCH(QString, occasion);
    QFETCH(QString, phrase);

    TestWindow t;
    frmMath& w = t.w();
    if (occasion == QLatin1String("complaint")) {
        TestClicks::choose(w, "cmbMinNum", "20");
    } else if (occasion == QLatin1String("seconds")) {
        w.lblTimer_Click();
        w.lstTimer->item(2)->setSelected(true);
        w.lstTimer_Click();
    } else {
        w.img123_Click();
    }
    QVERIFY(!t.speech.calls.isEmpty());
    QCOMPARE(t.speech.calls.last(), QStringLiteral("speak:") + phrase);
}

void SpeakTest::phrasesReachingTheEngineAreLogged()
{
    TestWindow t;
    QStringList log;
    speechLog = &log;
    previousHandler = qInstallMessageHandler(catchSpeechLog);
    QLoggingCategory::setFilterRules(QStringLiteral("numivox.speech.debug=true"));
    const auto restore = qScopeGuard([] {
        QLoggingCategory::setFilterRules(QString());
        qInstallMessageHandler(previousHandler);
        speechLog = nullptr;
    });

    QTest::ignoreMessage(QtDebugMsg, "\"tavika  writes, 1 plus 1 equals 2. is tavika, correct?\"");
    QTest::ignoreMessage(
        QtDebugMsg, "\"ut,oh, the minimum number must be less than or equal to the maximum number  \"");
    t.w().Speak(Greeting);
    t.w().Speak(RangeComplaint);
    t.w().muteFlag = QStringLiteral("x");
    t.w().Speak(QStringLiteral("standard mode"));

    QCOMPARE(log, (QStringList { '"' + Greeting + '"', '"' + RangeComplaint + '"' }));
}

QTEST_MAIN(SpeakTest)
#include "test_speak.moc"
