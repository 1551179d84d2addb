#include "speech/audio_level.h"
#include "speech/espeak_synthesizer.h"

#include <QString>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int kSampleRate = 22050;

// Anything quieter than this is background, not speech.
constexpr int kSilenceThreshold = 500;

// Seconds from the first to the last sample above the silence threshold; the pause eSpeak
// adds at the end of every phrase is not speech.
double spokenSeconds(const std::vector<int16_t>& samples)
{
    std::size_t first = samples.size();
    std::size_t last = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (std::abs(static_cast<int>(samples[i])) > kSilenceThreshold) {
            first = std::min(first, i);
            last = i;
        }
    }
    return first < samples.size() ? static_cast<double>(last - first + 1) / kSampleRate : 0.0;
}

bool similarLength(std::size_t a, std::size_t b)
{
    return a > 0.95 * b && a < 1.05 * b;
}

} // namespace

// The real eSpeak voice: what the program says must be audible, of a sensible length and
// never clipped. No audio device is involved.
class TestEspeakSynthesizer : public QObject
{
    Q_OBJECT

private slots:
    void speaksEveryProgramPhrase_data();
    void speaksEveryProgramPhrase();
    void instancesShareOneVoice();
    void blankPhraseGivesNoAudio();
    void stopRequestAbandonsPhrase();

    void normalizingKeepsShapeAndLimitsGain();
};

void TestEspeakSynthesizer::speaksEveryProgramPhrase_data()
{
    QTest::addColumn<QString>("phrase");
    // Words as spoken: "24" is "twenty four".
    QTest::addColumn<int>("spokenWords");

    QTest::newRow("welcome") << "welcome to numivox, standard mode. click on flashcard to begin" << 10;
    QTest::newRow("standard") << "standard mode" << 2;
    QTest::newRow("click flashcard") << "click flashcard" << 2;
    QTest::newRow("interactive") << "interactive mode" << 2;
    QTest::newRow("possible answers") << "click possible answers to the right" << 6;
    QTest::newRow("choose timer") << "first choose a timer value in seconds" << 7;
    QTest::newRow("timer mode") << "timer mode" << 2;
    QTest::newRow("5 seconds") << "5 seconds." << 2;
    QTest::newRow("for answer") << "click flash card for answer" << 5;
    QTest::newRow("to continue") << "click flash card to continue" << 5;
    QTest::newRow("answer 24") << "24" << 2;
    QTest::newRow("7 plus 5") << "7 plus 5" << 3;
    QTest::newRow("12 divided by 3") << "12 divided by 3" << 4;
    QTest::newRow("correct answer") << "click on correct answer to the right" << 7;
    QTest::newRow("wrong answer") << "wrong answer, try again" << 4;
    QTest::newRow("addition") << "addition" << 1;
    QTest::newRow("subtraction") << "subtraction" << 1;
    QTest::newRow("multiplication") << "multiplication" << 1;
    QTest::newRow("division") << "division" << 1;
    QTest::newRow("minimum") << "the minimum number is now set to 10" << 8;
    QTest::newRow("maximum") << "the maximum number is now set to 20" << 8;
    QTest::newRow("ut oh") << "ut,oh, the minimum number must be less than or equal to the maximum number  " << 15;
    QTest::newRow("tavika") << "tavika  writes, 1 plus 1 equals 2. is tavika, correct?" << 10;
}

void TestEspeakSynthesizer::speaksEveryProgramPhrase()
{
    QFETCH(QString, phrase);
    QFETCH(int, spokenWords);

    EspeakSynthesizer synthesizer;
    QCOMPARE(synthesizer.sampleRate(), kSampleRate);
    const std::vector<int16_t> audio = synthesizer.synthesize(phrase);

    const int peak = audio_level::peak(audio);
    QVERIFY2(peak > 10 * kSilenceThreshold, qPrintable(QString("peak only %1").arg(peak)));
    QVERIFY2(peak < 32000, qPrintable(QString("peak %1 is at full scale").arg(peak)));

    // Loose bounds: a child-paced voice takes about half a second a word and a little over
    // a second for "multiplication"; a phrase cut short or stuck in a loop falls outside.
    const double secondsPerWord = spokenSeconds(audio) / spokenWords;
    QVERIFY2(secondsPerWord > 0.15 && secondsPerWord < 1.5, qPrintable(QString("%1 s per word").arg(secondsPerWord)));
}

void TestEspeakSynthesizer::instancesShareOneVoice()
{
    // eSpeak is process-wide: a synthesiser made after another is gone, or beside it, must
    // speak with the same settings. eSpeak varies each rendering by a few samples, so the
    // lengths are compared; eSpeak's default rate would be a fifth shorter.
    std::size_t before = 0;
    {
        EspeakSynthesizer synthesizer;
        before = synthesizer.synthesize("multiplication").size();
    }
    EspeakSynthesizer again;
    QVERIFY(before > 0);
    QVERIFY(similarLength(again.synthesize("multiplication").size(), before));

    auto beside = std::make_unique<EspeakSynthesizer>();
    QVERIFY(similarLength(beside->synthesize("multiplication").size(), before));
    beside.reset();
    QVERIFY(similarLength(again.synthesize("multiplication").size(), before));
}

void TestEspeakSynthesizer::blankPhraseGivesNoAudio()
{
    EspeakSynthesizer synthesizer;
    QVERIFY(synthesizer.synthesize(QString()).empty());
    QVERIFY(synthesizer.synthesize("   ").empty());
    QVERIFY(!synthesizer.synthesize("timer mode").empty());
}

void TestEspeakSynthesizer::stopRequestAbandonsPhrase()
{
    EspeakSynthesizer synthesizer;
    const auto stopAtOnce = [] { return true; };
    QVERIFY(synthesizer.synthesize("the minimum number is now set to 10", stopAtOnce).empty());

    // A stop that never comes lets the whole phrase through.
    const auto neverStop = [] { return false; };
    const std::size_t whole = synthesizer.synthesize("timer mode").size();
    QVERIFY(whole > 0);
    QVERIFY(similarLength(synthesizer.synthesize("timer mode", neverStop).size(), whole));
}

void TestEspeakSynthesizer::normalizingKeepsShapeAndLimitsGain()
{
    // Too loud, including the one sample value without a positive counterpart: scaled down
    // to the target, every sample by the same factor.
    const std::vector<int16_t> loud { 0, -32768, 16384, 100 };
    std::vector<int16_t> scaled = loud;
    audio_level::normalizePeak(scaled, 20000, 4.0);
    QCOMPARE(audio_level::peak(scaled), 20000);
    for (std::size_t i = 0; i < loud.size(); ++i)
        QVERIFY(std::abs(scaled[i] - loud[i] * 20000.0 / 32768) <= 1.0);

    // Quiet: raised, but not by more than the gain limit.
    std::vector<int16_t> quiet { 1000, -500 };
    audio_level::normalizePeak(quiet, 20000, 4.0);
    QVERIFY(quiet == (std::vector<int16_t> { 4000, -2000 }));

    std::vector<int16_t> silence(100, 0);
    audio_level::normalizePeak(silence, 20000, 4.0);
    QVERIFY(silence == std::vector<int16_t>(100, 0));
}

QTEST_GUILESS_MAIN(TestEspeakSynthesizer)
#include "test_espeak_synthesizer.moc"
