#include "engine_fakes.h"

#include "speech/festival_synthesizer.h"
#include "speech/queued_speech_engine.h"

#include <QTest>

#include <algorithm>

// The engine with the program's real voices behind it: each phrase whole, at its voice's rate,
// and eSpeak NG taking over where Festival cannot speak or has failed.
class TestEngineVoices : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void playsRealEspeakAudioWhole();
    void speaksWithFestivalAtItsRate();
    void fallsBackToEspeakWhenFestivalCannotSpeak();
    // Last: after it Festival refuses to speak in this process.
    void festivalErrorHandsTheNextPhraseToEspeak();

private:
    std::shared_ptr<OutputProbe> probe_;
    std::unique_ptr<QueuedSpeechEngine> engine_;
};

void TestEngineVoices::init()
{
    probe_ = std::make_shared<OutputProbe>();
}

void TestEngineVoices::cleanup()
{
    engine_.reset();
}

void TestEngineVoices::playsRealEspeakAudioWhole()
{
    engine_ = std::make_unique<QueuedSpeechEngine>(
        std::make_unique<RecordingSynthesizer>(probe_), std::make_unique<FakeOutput>(probe_));
    say(*engine_, { "standard mode", "click flashcard" });
    QTRY_VERIFY_WITH_TIMEOUT(probe_->get(&OutputProbe::phrasesRendered) == 2
            && probe_->playedCount() == probe_->get(&OutputProbe::rendered).size(),
        kTimeoutMs);
    // Both phrases last a second or more.
    QVERIFY(probe_->playedCount() > 2 * 22050);
    QVERIFY(probe_->get(&OutputProbe::played) == probe_->get(&OutputProbe::rendered));
    QCOMPARE(probe_->get(&OutputProbe::openedRate), 22050);
}

void TestEngineVoices::speaksWithFestivalAtItsRate()
{
    std::vector<std::unique_ptr<SpeechSynthesizer>> voices;
    voices.push_back(std::make_unique<FestivalSynthesizer>());
    voices.push_back(std::make_unique<FakeSynthesizer>());
    engine_ = std::make_unique<QueuedSpeechEngine>(std::move(voices), std::make_unique<FakeOutput>(probe_));
    say(*engine_, { "standard mode" });
    // Festival's voice, not the fake, whose phrase would be 650 samples.
    QTRY_VERIFY_WITH_TIMEOUT(probe_->playedCount() > 32000 / 2, kTimeoutMs);
    QCOMPARE(probe_->get(&OutputProbe::openedRate), 32000);
}

void TestEngineVoices::fallsBackToEspeakWhenFestivalCannotSpeak()
{
    std::vector<std::unique_ptr<SpeechSynthesizer>> voices;
    voices.push_back(std::make_unique<FestivalSynthesizer>(FestivalVoice { "no_such_voice" }));
    voices.push_back(std::make_unique<RecordingSynthesizer>(probe_));
    engine_ = std::make_unique<QueuedSpeechEngine>(std::move(voices), std::make_unique<FakeOutput>(probe_));
    say(*engine_, { "standard mode" });
    QTRY_VERIFY_WITH_TIMEOUT(probe_->get(&OutputProbe::phrasesRendered) == 1
            && probe_->playedCount() == probe_->get(&OutputProbe::rendered).size(),
        kTimeoutMs);
    QVERIFY(probe_->playedCount() > 22050 / 2);
    QCOMPARE(probe_->get(&OutputProbe::openedRate), 22050);
}

void TestEngineVoices::festivalErrorHandsTheNextPhraseToEspeak()
{
    // A hook that fills Festival's heap while it reads any phrase with "boom" in it: SIOD runs out
    // of storage inside Festival's C++ code, as a phrase of many long numbers made it do. Festival's
    // own evaluation catches that error and reports the phrase as failed.
    const QString runsOutOfStorage = R"((set! token_to_words (lambda (token name)
        (if (string-matches name ".*boom.*") (let ((cells nil)) (while t (set! cells (cons name cells)))))
        (english_token_to_words token name))))";
    std::vector<std::unique_ptr<SpeechSynthesizer>> voices;
    voices.push_back(std::make_unique<FestivalSynthesizer>(FestivalSynthesizer::kProgramVoice, runsOutOfStorage));
    voices.push_back(std::make_unique<RecordingSynthesizer>(probe_));
    engine_ = std::make_unique<QueuedSpeechEngine>(std::move(voices), std::make_unique<FakeOutput>(probe_));
    say(*engine_, { "standard mode" });
    QTRY_VERIFY_WITH_TIMEOUT(probe_->playedCount() > 32000 / 2, kTimeoutMs);
    QCOMPARE(probe_->get(&OutputProbe::openedRate), 32000);

    // The phrase Festival fails on is lost; eSpeak says the ones after it.
    say(*engine_, { "7 plus boom", "click flashcard", "addition" });
    const auto endsWithRendered = [this] {
        const std::vector<int16_t> played = probe_->get(&OutputProbe::played);
        const std::vector<int16_t> rendered = probe_->get(&OutputProbe::rendered);
        return probe_->get(&OutputProbe::phrasesRendered) == 2 && played.size() >= rendered.size()
            && std::equal(rendered.rbegin(), rendered.rend(), played.rbegin());
    };
    QTRY_VERIFY_WITH_TIMEOUT(endsWithRendered(), kTimeoutMs);
    QCOMPARE(probe_->get(&OutputProbe::openedRate), 22050);
}
QTEST_GUILESS_MAIN(TestEngineVoices)
#include "test_engine_voices.moc"
