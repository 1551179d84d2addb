#include "app/controls/choice_list.h"
#include "app/controls/label.h"
#include "app/controls/tick_timer.h"
#include "app/event_pump.h"
#include "app/frmMath.h"
#include "monkey.h"
#include "problems/random_source.h"
#include "speech/speech_engine.h"
#include "support/recording_speech_engine.h"
#include "support/scripted_random_source.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <thread>

namespace {

// An engine that answers every call only after a while, as a stuck speech service would.
class SlowSpeechEngine : public SpeechEngine
{
public:
    void prepare() override { std::this_thread::sleep_for(std::chrono::microseconds(200)); }
    void speak(const QString&) override
    {
        ++phrases;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    int phrases = 0;
};

// The kinds of pause the window can be closed in.
enum class Pause { StartUp, StandardDeal, InteractiveDeal, TimerTick, NestedDeal };

} // namespace

Q_DECLARE_METATYPE(Pause)

// What goes wrong around the window: a speech engine that fails or stalls, and the window
// closed in the middle of a pause.
class FaultsTest : public QObject
{
    Q_OBJECT

private slots:
    void failingSpeechLeavesTheGamePlayable();
    void slowSpeechLeavesTheGamePlayable();
    void closingEndsEveryPause_data();
    void closingEndsEveryPause();
    void closingDuringARealPauseEndsTheEventLoop();
};

void FaultsTest::failingSpeechLeavesTheGamePlayable()
{
    RecordingSpeechEngine speech;
    speech.failure = RecordingSpeechEngine::Failure::Throw;
    ScriptedRandomSource random;
    HookedPump pump;
    frmMath window(speech, random, pump);
    Monkey monkey(window, speech, pump, 7);
    window.Form_Load();
    const QString broken = monkey.play(3000);
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
    // Every phrase was tried (and failed) and play went on regardless.
    QVERIFY(speech.phrases.size() > 100);
    QCOMPARE(speech.calls.count(QStringLiteral("prepare")), speech.phrases.size());
}

void FaultsTest::slowSpeechLeavesTheGamePlayable()
{
    SlowSpeechEngine speech;
    RecordingSpeechEngine heard; // the monkey checks phrases against this one; it stays empty
    ScriptedRandomSource random;
    HookedPump pump;
    frmMath window(speech, random, pump);
    Monkey monkey(window, heard, pump, 11);
    window.Form_Load();
    const QString broken = monkey.play(1000);
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
    QVERIFY(speech.phrases > 50);
}

void FaultsTest::closingEndsEveryPause_data()
{
    QTest::addColumn<Pause>("pause");
    QTest::addColumn<long long>("closeAtPass");
    QTest::newRow("start-up") << Pause::StartUp << 400000LL;
    QTest::newRow("standard deal") << Pause::StandardDeal << 70000LL;
    QTest::newRow("interactive deal") << Pause::InteractiveDeal << 70000LL;
    QTest::newRow("timer tick") << Pause::TimerTick << 70000LL;
    QTest::newRow("nested deal") << Pause::NestedDeal << 100000LL;
}

void FaultsTest::closingEndsEveryPause()
{
    QFETCH(Pause, pause);
    QFETCH(long long, closeAtPass);
    RecordingSpeechEngine speech;
    ScriptedRandomSource random;
    HookedPump pump;
    frmMath window(speech, random, pump);
    if (pause != Pause::StartUp) {
        window.Form_Load();
        pump.passes = 0;
    }
    if (pause == Pause::InteractiveDeal) {
        window.lblInteractive_Click();
        pump.passes = 0;
    }
    long long closedAt = -1;
    bool nestedDone = false;
    pump.hook = [&] {
        if (pause == Pause::NestedDeal && !nestedDone && pump.passes == 1000) {
            nestedDone = true;
            window.lblClickMe_Click(); // reveals the hidden card inside the outer deal's pause
            window.lblClickMe_Click(); // and deals again, a pause within the pause
        }
        if (pump.passes == closeAtPass) {
            window.close();
            closedAt = pump.passes;
        }
    };
    switch (pause) {
    case Pause::StartUp:
        window.Form_Load();
        break;
    case Pause::StandardDeal:
    case Pause::InteractiveDeal:
    case Pause::NestedDeal:
        window.lblClickMe_Click();
        break;
    case Pause::TimerTick:
        window.lblTimer_Click();
        window.lstTimer->item(0)->setSelected(true);
        window.lstTimer_Click();
        pump.passes = 0;
        window.Timer1_Timer();
        break;
    }
    QVERIFY(window.isClosed());
    QCOMPARE(closedAt, closeAtPass);
    // After the close only the one pass of the card being drawn may follow, not the rest
    // of any pause.
    QVERIFY2(pump.passes - closedAt <= 2, qPrintable(QString::number(pump.passes - closedAt)));
    QVERIFY(!window.Timer1->isRunning());
}

void FaultsTest::closingDuringARealPauseEndsTheEventLoop()
{
    RecordingSpeechEngine speech;
    ClockRandomSource random;
    ApplicationEventPump pump;
    frmMath window(speech, random, pump);
    window.Form_Load();
    bool lastWindowClosed = false;
    bool clickReturned = false;
    bool gaveUp = false;
    connect(qApp, &QGuiApplication::lastWindowClosed, this, [&] { lastWindowClosed = true; });
    // The card click runs from the event loop; the close arrives as a real event while its
    // pause processes events. The event loop must then end by itself.
    QTimer::singleShot(0, &window, [&] {
        window.lblClickMe_Click();
        clickReturned = true;
    });
    QTimer::singleShot(0, &window, [&] { window.close(); });
    QTimer::singleShot(60000, qApp, [&] {
        gaveUp = true;
        qApp->quit();
    });
    qApp->exec();
    QVERIFY(!gaveUp);
    QVERIFY(window.isClosed());
    QVERIFY(lastWindowClosed);
    QVERIFY(clickReturned);
}

QTEST_MAIN(FaultsTest)
#include "test_faults.moc"
