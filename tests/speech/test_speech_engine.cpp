#include "engine_fakes.h"

#include "speech/queued_speech_engine.h"
#include "speech/speech_actions.h"

#include <QTest>

namespace {

// A voice that makes a phrase in pieces cut at ", ", noting how much audio had been played
// when it made each one.
class PiecewiseSynthesizer : public FakeSynthesizer
{
public:
    explicit PiecewiseSynthesizer(std::shared_ptr<OutputProbe> probe)
        : probe_(std::move(probe))
    {
    }
    QStringList pieces(const QString& phrase) const override { return phrase.split(", "); }

protected:
    std::vector<int16_t> doSynthesize(const QString& piece, const StopCheck&) override
    {
        const std::lock_guard<std::mutex> lock(probe_->mutex);
        probe_->playedWhenMade.push_back(probe_->played.size());
        return audioFor({ piece });
    }

private:
    std::shared_ptr<OutputProbe> probe_;
};

// A voice whose loading takes as long as the test holds it, as on a slow disk.
class HeldLoadingSynthesizer : public FakeSynthesizer
{
public:
    explicit HeldLoadingSynthesizer(std::shared_ptr<OutputProbe> probe)
        : probe_(std::move(probe))
    {
    }
    bool load() override
    {
        std::unique_lock<std::mutex> lock(probe_->mutex);
        probe_->inLoad = true;
        // Bounded, so an engine that wrongly waits for load() fails a test instead of hanging it.
        probe_->changed.wait_for(lock, std::chrono::seconds(5), [this] { return !probe_->holdLoad; });
        probe_->inLoad = false;
        return true;
    }

private:
    std::shared_ptr<OutputProbe> probe_;
};

} // namespace

// The phrase queue between the window and the sound server: order, completeness, failures
// of the output, and a prompt stop.
class TestSpeechEngine : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void speaksPhrasesWholeAndInOrder();
    void playsEachPieceAsSoonAsItIsMade();
    void phraseArrivingDuringPlaybackWaitsItsTurn();
    void opensOutputOnWorkerWithoutBlockingCaller();
    void missingSoundServerDropsPhrasesUntilItIsBack();
    void failedWriteClosesOutputAndNextPrepareReopens();
    void phrasesQueuedBehindFailedWriteArePlayedWhenOutputIsBack();
    void staleConnectionIsReopenedWithoutLosingThePhrase();
    void destructorDiscardsQueuedPhrases();
    void laterActionDropsWhatEarlierOnesStillHaveToSay_data();
    void laterActionDropsWhatEarlierOnesStillHaveToSay();
    void destructorLeavesBusyWorkerToFinish_data();
    void destructorLeavesBusyWorkerToFinish();

private:
    // Waits until exactly the audio of these phrases has been played.
    bool playedExactly(const QStringList& phrases);

    std::shared_ptr<OutputProbe> probe_;
    std::unique_ptr<QueuedSpeechEngine> engine_;
};

void TestSpeechEngine::init()
{
    probe_ = std::make_shared<OutputProbe>();
    engine_ = std::make_unique<QueuedSpeechEngine>(
        std::make_unique<FakeSynthesizer>(), std::make_unique<FakeOutput>(probe_));
}

void TestSpeechEngine::cleanup()
{
    // A failed check may leave the worker held; let it go so the engine can stop.
    probe_->set(&OutputProbe::holdOpen, false);
    probe_->set(&OutputProbe::holdWrites, false);
    probe_->set(&OutputProbe::holdLoad, false);
    engine_.reset();
}

bool TestSpeechEngine::playedExactly(const QStringList& phrases)
{
    const std::vector<int16_t> expected = FakeSynthesizer::audioFor(phrases);
    return QTest::qWaitFor([&] { return probe_->playedCount() >= expected.size(); }, kTimeoutMs)
        && probe_->get(&OutputProbe::played) == expected;
}

void TestSpeechEngine::speaksPhrasesWholeAndInOrder()
{
    const QStringList phrases { "welcome to numivox, standard mode. click on flashcard to begin", "standard mode",
        "click flashcard", "7 plus 5", "24" };
    say(*engine_, phrases);
    QVERIFY(playedExactly(phrases));
    // An open output is kept, not reconnected for every phrase.
    QCOMPARE(probe_->get(&OutputProbe::opens), 1);
    QCOMPARE(probe_->get(&OutputProbe::openedRate), 8000);
}

void TestSpeechEngine::playsEachPieceAsSoonAsItIsMade()
{
    engine_ = std::make_unique<QueuedSpeechEngine>(
        std::make_unique<PiecewiseSynthesizer>(probe_), std::make_unique<FakeOutput>(probe_));
    say(*engine_, { "welcome to numivox, standard mode", "24" });
    QVERIFY(playedExactly({ "welcome to numivox", "standard mode", "24" }));
    const std::size_t first = FakeSynthesizer::audioFor({ "welcome to numivox" }).size();
    const std::size_t both = FakeSynthesizer::audioFor({ "welcome to numivox", "standard mode" }).size();
    QVERIFY(probe_->get(&OutputProbe::playedWhenMade) == (std::vector<std::size_t> { 0, first, both }));
}

void TestSpeechEngine::phraseArrivingDuringPlaybackWaitsItsTurn()
{
    probe_->set(&OutputProbe::holdWrites, true);
    say(*engine_, { "standard mode" });
    QTRY_VERIFY_WITH_TIMEOUT(probe_->get(&OutputProbe::inWrite), kTimeoutMs);
    say(*engine_, { "click flashcard", "interactive mode" });
    probe_->set(&OutputProbe::holdWrites, false);
    QVERIFY(playedExactly({ "standard mode", "click flashcard", "interactive mode" }));
}

void TestSpeechEngine::opensOutputOnWorkerWithoutBlockingCaller()
{
    probe_->set(&OutputProbe::holdOpen, true);
    say(*engine_, { "timer mode" });
    // Reaching this point while open() is still under way means the caller did not wait for it.
    QTRY_VERIFY_WITH_TIMEOUT(probe_->get(&OutputProbe::inOpen), kTimeoutMs);
    say(*engine_, { "5 seconds." });
    QVERIFY(probe_->get(&OutputProbe::inOpen));
    QVERIFY(!probe_->get(&OutputProbe::openedOnCallerThread));

    probe_->set(&OutputProbe::holdOpen, false);
    QVERIFY(playedExactly({ "timer mode", "5 seconds." }));
}

void TestSpeechEngine::missingSoundServerDropsPhrasesUntilItIsBack()
{
    probe_->set(&OutputProbe::failOpen, true);
    say(*engine_, { "addition" });
    QTRY_COMPARE_WITH_TIMEOUT(probe_->get(&OutputProbe::openAttempts), 1, kTimeoutMs);
    // Still no server: the next phrase asks again, and is dropped again.
    say(*engine_, { "subtraction" });
    QTRY_COMPARE_WITH_TIMEOUT(probe_->get(&OutputProbe::openAttempts), 2, kTimeoutMs);

    probe_->set(&OutputProbe::failOpen, false);
    say(*engine_, { "division" });
    QVERIFY(playedExactly({ "division" }));
}

void TestSpeechEngine::failedWriteClosesOutputAndNextPrepareReopens()
{
    // The server goes away after the first piece of the phrase.
    probe_->set(&OutputProbe::writesUntilFailure, 1);
    const QString cutShort = "the minimum number is now set to 10";
    say(*engine_, { cutShort });
    QTRY_COMPARE_WITH_TIMEOUT(probe_->get(&OutputProbe::closes), 1, kTimeoutMs);
    const std::size_t partial = probe_->playedCount();
    QVERIFY(partial > 0 && partial < FakeSynthesizer::audioFor({ cutShort }).size());

    say(*engine_, { "multiplication" });
    const std::vector<int16_t> rest = FakeSynthesizer::audioFor({ "multiplication" });
    QTRY_COMPARE_WITH_TIMEOUT(probe_->playedCount(), partial + rest.size(), kTimeoutMs);
    const std::vector<int16_t> all = probe_->get(&OutputProbe::played);
    QVERIFY(std::equal(rest.begin(), rest.end(), all.begin() + static_cast<std::ptrdiff_t>(partial)));
    QCOMPARE(probe_->get(&OutputProbe::opens), 2);
}

void TestSpeechEngine::phrasesQueuedBehindFailedWriteArePlayedWhenOutputIsBack()
{
    const QString cutShort = "the minimum number is now set to 10";
    probe_->set(&OutputProbe::holdWrites, true);
    say(*engine_, { cutShort });
    QTRY_VERIFY_WITH_TIMEOUT(probe_->get(&OutputProbe::inWrite), kTimeoutMs);
    // Queued while the output is open, so prepare() asks for nothing.
    say(*engine_, { "standard mode", "click flashcard" });
    // The held piece and one more get through, then the server dies and comes back.
    probe_->set(&OutputProbe::writesUntilFailure, 1);
    probe_->set(&OutputProbe::holdWrites, false);

    const std::vector<int16_t> queued = FakeSynthesizer::audioFor({ "standard mode", "click flashcard" });
    const auto endsWithQueued = [&] {
        const std::vector<int16_t> all = probe_->get(&OutputProbe::played);
        return all.size() >= queued.size() && std::equal(queued.rbegin(), queued.rend(), all.rbegin());
    };
    QTRY_VERIFY_WITH_TIMEOUT(endsWithQueued(), kTimeoutMs);
    QCOMPARE(probe_->get(&OutputProbe::closes), 1);
    // The phrase that was cut short is not played again.
    QVERIFY(probe_->playedCount() < FakeSynthesizer::audioFor({ cutShort }).size() + queued.size());
}

void TestSpeechEngine::staleConnectionIsReopenedWithoutLosingThePhrase()
{
    say(*engine_, { "standard mode" });
    const std::vector<int16_t> first = FakeSynthesizer::audioFor({ "standard mode" });
    QTRY_COMPARE_WITH_TIMEOUT(probe_->playedCount(), first.size(), kTimeoutMs);

    // The sound server restarts while the program is idle: the open connection is dead.
    probe_->set(&OutputProbe::staleConnection, true);
    say(*engine_, { "click flashcard" });
    const std::vector<int16_t> second = FakeSynthesizer::audioFor({ "click flashcard" });
    QTRY_COMPARE_WITH_TIMEOUT(probe_->playedCount(), first.size() + second.size(), kTimeoutMs);
    const std::vector<int16_t> all = probe_->get(&OutputProbe::played);
    QVERIFY(std::equal(second.begin(), second.end(), all.begin() + static_cast<std::ptrdiff_t>(first.size())));
    QCOMPARE(probe_->get(&OutputProbe::opens), 2);
}

void TestSpeechEngine::destructorDiscardsQueuedPhrases()
{
    // Every chunk takes a while to "play", so twenty phrases would take many seconds.
    probe_->set(&OutputProbe::writeDelay, std::chrono::milliseconds(20));
    const QStringList phrases(20, "click on correct answer to the right");
    say(*engine_, phrases);
    QTRY_VERIFY_WITH_TIMEOUT(probe_->playedCount() > 0, kTimeoutMs);

    engine_.reset();
    QVERIFY(probe_->playedCount() < FakeSynthesizer::audioFor(phrases).size());
    // The worker released the output on its way out.
    QVERIFY(probe_->get(&OutputProbe::destroyed));
    QCOMPARE(probe_->get(&OutputProbe::closes), 1);
}

void TestSpeechEngine::laterActionDropsWhatEarlierOnesStillHaveToSay_data()
{
    // Steps: "[" starts an action of the user's inside the ones in progress, "]" ends it, "off"
    // switches speech off, anything else is a phrase said by the innermost action (or, outside
    // any, by the start-up). The first phrase is being played when the others come.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("heard");
    const QString wrong = "wrong answer, try again";
    QTest::newRow("a burst of clicks: the one playing and the last") << QStringList { "[", "addition", "]", "[", wrong,
        "]", "[", "subtraction", "]", "[", wrong, "]" } << QStringList { "addition", wrong };
    QTest::newRow("a burst on one thing: the one playing")
        << QStringList { "[", wrong, "]", "[", wrong, "]", "[", wrong, "]" } << QStringList { wrong };
    QTest::newRow("one action's phrases all, in order") << QStringList { "welcome to numivox", "[", "standard mode",
        "click flashcard", "]" } << QStringList { "welcome to numivox", "standard mode", "click flashcard" };
    QTest::newRow("a click during the start-up pause, then the welcome")
        << QStringList { "[", "24", "]", "[", "standard mode", "[", "addition", "]", "]", "welcome to numivox" }
        << QStringList { "24", "welcome to numivox" };
    QTest::newRow("the outer action speaks again after a nested one")
        << QStringList { "[", "24", "]", "[", "interactive mode", "[", "addition", "]", "click possible answers", "]" }
        << QStringList { "24", "click possible answers" };
    QTest::newRow("speech switched off") << QStringList { "[", "24", "]", "[", "standard mode", "click flashcard",
        "off", "]" } << QStringList { "24" };
}

void TestSpeechEngine::laterActionDropsWhatEarlierOnesStillHaveToSay()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, heard);
    probe_->set(&OutputProbe::holdWrites, true);
    std::vector<std::unique_ptr<speech_actions::Scope>> actions;
    bool first = true;
    for (const QString& step : steps) {
        if (step == "[") {
            actions.push_back(std::make_unique<speech_actions::Scope>());
        } else if (step == "]") {
            actions.pop_back();
        } else if (step == "off") {
            engine_->dropWaiting();
        } else {
            say(*engine_, { step });
            if (first)
                QTRY_VERIFY_WITH_TIMEOUT(probe_->get(&OutputProbe::inWrite), kTimeoutMs);
            first = false;
        }
    }
    probe_->set(&OutputProbe::holdWrites, false);
    QVERIFY(playedExactly(heard));
    // Nothing more comes after a while.
    QTest::qWait(200);
    QCOMPARE(probe_->playedCount(), FakeSynthesizer::audioFor(heard).size());
}

void TestSpeechEngine::destructorLeavesBusyWorkerToFinish_data()
{
    QTest::addColumn<bool>("loading");
    QTest::newRow("sound server stuck while connecting") << false;
    QTest::newRow("voice still loading from a slow disk") << true;
}

void TestSpeechEngine::destructorLeavesBusyWorkerToFinish()
{
    QFETCH(bool, loading);
    bool OutputProbe::* const busy = loading ? &OutputProbe::inLoad : &OutputProbe::inOpen;
    bool OutputProbe::* const hold = loading ? &OutputProbe::holdLoad : &OutputProbe::holdOpen;
    engine_.reset();
    probe_->set(&OutputProbe::destroyed, false);
    probe_->set(hold, true);
    std::unique_ptr<SpeechSynthesizer> voice;
    if (loading)
        voice = std::make_unique<HeldLoadingSynthesizer>(probe_);
    else
        voice = std::make_unique<FakeSynthesizer>();
    engine_ = std::make_unique<QueuedSpeechEngine>(std::move(voice), std::make_unique<FakeOutput>(probe_));
    say(*engine_, { "timer mode" });
    QTRY_VERIFY_WITH_TIMEOUT(probe_->get(busy), kTimeoutMs);

    engine_.reset();
    // Had the destructor waited for the worker, the worker would have given up by now.
    QVERIFY(probe_->get(busy));
    QVERIFY(QueuedSpeechEngine::workerStillRunning());

    // Released, the abandoned worker ends by itself without playing the discarded phrase.
    probe_->set(hold, false);
    QTRY_VERIFY_WITH_TIMEOUT(probe_->get(&OutputProbe::destroyed), kTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(!QueuedSpeechEngine::workerStillRunning(), kTimeoutMs);
    QCOMPARE(probe_->playedCount(), std::size_t { 0 });
}

QTEST_GUILESS_MAIN(TestSpeechEngine)
#include "test_speech_engine.moc"
