#include "speech/audio_level.h"
#include "speech/festival_synthesizer.h"
#include "support/phrase_table.h"

#include <QString>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <thread>
#include <vector>

#include <unistd.h>

namespace {

// Festival's HTS voice speaks at 32 kHz.
constexpr int kVoiceRate = 32000;

// The memory this process holds, in bytes.
long residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

} // namespace

// The program's English voice, Festival in this process: every phrase audible and at the rate
// it reports, and an error inside Festival costs that phrase and Festival, never the program.
// No audio device is involved.
class TestFestivalSynthesizer : public QObject
{
    Q_OBJECT

private slots:
    // First: it must see Festival start.
    void missingVoiceDoesNotStartFestival();
    void speaksEveryProgramPhraseAtItsRate();
    void blankOrOversizedPhraseGivesNoAudio();
    void phrasesArePlayedClauseByClause();
    void speaksOnAnyThread();
    // Last: after it Festival refuses to speak in this process.
    void errorInsideFestivalEndsItsUseForGood();
};

void TestFestivalSynthesizer::speaksEveryProgramPhraseAtItsRate()
{
    FestivalSynthesizer synthesizer;
    QVERIFY(synthesizer.load());
    QCOMPARE(synthesizer.sampleRate(), kVoiceRate);
    for (const QString& phrase : PhraseTable::fixedPhrases() + PhraseTable::builtExamples()) {
        QVERIFY2(synthesizer.canSpeak(phrase), qPrintable(phrase));
        const std::vector<int16_t> audio = synthesizer.synthesize(phrase);
        // At least a third of a second, as even "24" is two words; levelled like every voice.
        QVERIFY2(audio.size() > kVoiceRate / 3, qPrintable(phrase));
        const int peak = audio_level::peak(audio);
        QVERIFY2(peak > 25000 && peak < 27000, qPrintable(QString("%1: peak %2").arg(phrase).arg(peak)));
        // Heard as soon as it is played: the voice's own 200 ms of silence before it is gone.
        const auto onset = std::find_if(audio.begin(), audio.end(), [](int16_t s) { return std::abs(s) > 300; });
        QVERIFY2(onset - audio.begin() < kVoiceRate / 10, qPrintable(phrase));
    }
}

void TestFestivalSynthesizer::blankOrOversizedPhraseGivesNoAudio()
{
    FestivalSynthesizer synthesizer;
    QVERIFY(synthesizer.synthesize(QString()).empty());
    QVERIFY(synthesizer.synthesize("   ").empty());
    QVERIFY(synthesizer.synthesize("timer mode", [] { return true; }).empty());
    // 149 bytes, but numbers say many words: SIOD would run out of storage on it.
    const QString numbers = QStringList(15, "123456789").join(' ');
    QVERIFY(!synthesizer.canSpeak(numbers));
    QVERIFY(synthesizer.synthesize(numbers).empty());
    QVERIFY(synthesizer.canSpeak("timer mode"));
    QVERIFY(!synthesizer.synthesize("timer mode").empty());
}

void TestFestivalSynthesizer::phrasesArePlayedClauseByClause()
{
    const FestivalSynthesizer synthesizer;
    QCOMPARE(synthesizer.pieces("welcome to numivox, standard mode. click on flashcard to begin"),
        QStringList({ "welcome to numivox,", "standard mode.", "click on flashcard to begin" }));
    QCOMPARE(synthesizer.pieces("ut,oh, the minimum number must be less than or equal to the maximum number  "),
        QStringList({ "ut,oh,", "the minimum number must be less than or equal to the maximum number  " }));
    QCOMPARE(synthesizer.pieces("20.71429"), QStringList({ "20.71429" }));
    QCOMPARE(synthesizer.pieces("5 seconds."), QStringList({ "5 seconds." }));
}

void TestFestivalSynthesizer::missingVoiceDoesNotStartFestival()
{
    const long before = residentBytes();
    FestivalSynthesizer missing(FestivalVoice { "no_such_voice" });
    QVERIFY(!missing.load());
    QVERIFY(missing.synthesize("timer mode").empty());
    const long afterMissing = residentBytes();
    FestivalSynthesizer program;
    QVERIFY(program.load());
    const long afterStart = residentBytes();
    // Festival with a voice holds tens of megabytes; looking for a voice on disk holds none of them.
    const QByteArray growth = QByteArray::number((afterMissing - before) >> 20) + " MB for the missing voice, "
        + QByteArray::number((afterStart - afterMissing) >> 20) + " MB for the program's";
    QVERIFY2(afterMissing - before < (4 << 20), growth);
    QVERIFY2(afterStart - afterMissing > (16 << 20), growth);
}

void TestFestivalSynthesizer::speaksOnAnyThread()
{
    // Festival was started on this thread by the cases above; each engine's worker is another.
    FestivalSynthesizer here;
    const std::size_t expected = here.synthesize("the maximum number is now set to 20").size();
    QVERIFY(expected > 0);
    std::size_t there = 0;
    std::thread worker(
        [&there] { there = FestivalSynthesizer().synthesize("the maximum number is now set to 20").size(); });
    worker.join();
    QCOMPARE(there, expected);
}

void TestFestivalSynthesizer::errorInsideFestivalEndsItsUseForGood()
{
    // A hook that takes the wave away from any phrase with "boom" once it is made. Festival's C++
    // code then finds no wave outside any Scheme evaluation of its own that would catch the
    // error: only the program's own error target stands between it and the end of the process.
    FestivalSynthesizer failing(FestivalSynthesizer::kProgramVoice,
        R"((set! after_synth_hooks (list (lambda (utt)
               (if (string-matches (utt.feat utt 'iform) ".*boom.*") (utt.relation.delete utt 'Wave)) utt))))");
    QVERIFY(failing.load());
    QVERIFY(!failing.synthesize("timer mode").empty());
    QVERIFY(failing.synthesize("7 plus boom").empty());

    // Festival's state cannot be trusted after an error: no instance calls it again.
    QVERIFY(!failing.canSpeak("timer mode"));
    QVERIFY(failing.synthesize("timer mode").empty());
    FestivalSynthesizer program;
    QVERIFY(!program.load());
    QVERIFY(!program.canSpeak("timer mode"));
}

QTEST_GUILESS_MAIN(TestFestivalSynthesizer)
#include "test_festival_synthesizer.moc"
