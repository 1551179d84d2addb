#include "app/controls/tick_timer.h"
#include "app/frmMath.h"
#include "monkey.h"
#include "support/recording_speech_engine.h"
#include "support/scripted_random_source.h"

#include <QTest>

#include <random>

namespace {

long long eventCount()
{
    // A longer run: NUMIVOX_MONKEY_EVENTS=1000000.
    const QByteArray value = qgetenv("NUMIVOX_MONKEY_EVENTS");
    return value.isEmpty() ? 100000 : value.toLongLong();
}

std::uint64_t seed()
{
    // A failure is replayed with NUMIVOX_MONKEY_SEED=<the seed printed>.
    const QByteArray value = qgetenv("NUMIVOX_MONKEY_SEED");
    return value.isEmpty() ? std::random_device()() : value.toULongLong();
}

} // namespace

class MonkeyTest : public QObject
{
    Q_OBJECT

private slots:
    void childClicksEverywhere();
};

void MonkeyTest::childClicksEverywhere()
{
    const std::uint64_t runSeed = seed();
    qInfo("monkey seed %llu (replay with NUMIVOX_MONKEY_SEED=%llu)", static_cast<unsigned long long>(runSeed),
        static_cast<unsigned long long>(runSeed));
    RecordingSpeechEngine speech;
    ScriptedRandomSource random;
    HookedPump pump;
    frmMath window(speech, random, pump);
    Monkey monkey(window, speech, pump, runSeed);

    monkey.scheduleNestedWithin(frmMath::StartupPause);
    window.Form_Load();
    QString broken = monkey.check();
    QVERIFY2(broken.isEmpty(), qPrintable("after start-up: " + broken));

    broken = monkey.play(eventCount());
    qInfo("played %lld events, %lld of them nested (up to %d deep), %lld passes, %lld phrases, %d links",
        monkey.topLevelEvents + monkey.nestedEvents, monkey.nestedEvents, monkey.deepestNesting, pump.passes,
        static_cast<long long>(speech.phrases.size()), monkey.linksOpened());
    QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("seed %1, %2").arg(runSeed).arg(broken)));
    QVERIFY(monkey.nestedEvents > 0);
}

QTEST_MAIN(MonkeyTest)
#include "test_monkey.moc"
