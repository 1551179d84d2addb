#include "speech/audio_level.h"
#include "speech/language_voices.h"
#include "speech/speech_synthesizer.h"
#include "speech/speech_voices.h"

#include <QString>
#include <QTest>

#include <memory>
#include <vector>

namespace {

std::unique_ptr<SpeechSynthesizer> voiceFor(const char* language)
{
    return language_voices::loadFirst(language_voices::candidates(QString::fromLatin1(language)));
}

} // namespace

// Which languages have a voice, and that each speaks with its own. Debian's espeak-ng-data has
// every language the program speaks.
class TestSpeechVoices : public QObject
{
    Q_OBJECT

private slots:
    void knowsWhichLanguagesHaveAVoice();
    void languagesSpeakWithTheirOwnVoice();
};

void TestSpeechVoices::knowsWhichLanguagesHaveAVoice()
{
    for (const char* language : { "en", "es", "fr", "de", "pt_BR", "it", "nl", "pl", "tr", "ru", "uk", "ca", "cs", "el",
             "sv", "pt", "hi", "id", "vi", "zh_CN", "zh", "ja", "ko", "bn", "ta", "sw", "de_AT", "en_GB", "pt_PT" })
        QVERIFY2(speechVoiceAvailable(QString::fromLatin1(language)), language);
    for (const char* language : { "xx", "th", "", "C" })
        QVERIFY2(!speechVoiceAvailable(QString::fromLatin1(language)), language);
}

void TestSpeechVoices::languagesSpeakWithTheirOwnVoice()
{
    // English is Festival's voice (32 kHz), German eSpeak's (22050 Hz), and a language
    // without a voice speaks English. eSpeak has one global voice, so German and English
    // eSpeak instances used in turn must each keep their own: "vierundzwanzig" takes a fifth
    // longer than "twenty four", and eSpeak varies a rendering by a few samples only.
    QCOMPARE(voiceFor("en")->sampleRate(), 32000);
    QCOMPARE(voiceFor("xx")->sampleRate(), 32000);
    const auto german = voiceFor("de");
    QCOMPARE(german->sampleRate(), 22050);
    auto candidates = language_voices::candidates(QStringLiteral("en"));
    const std::unique_ptr<SpeechSynthesizer> englishEspeak = std::move(candidates.back());

    const auto similar = [](std::size_t a, std::size_t b) { return a > 0.97 * b && a < 1.03 * b; };
    const QString number = "24";
    const std::vector<int16_t> inEnglish = englishEspeak->synthesize(number);
    const std::vector<int16_t> inGerman = german->synthesize(number);
    QVERIFY(audio_level::peak(inGerman) > 20000);
    QVERIFY(inGerman.size() > 1.1 * inEnglish.size());
    QVERIFY(similar(englishEspeak->synthesize(number).size(), inEnglish.size()));
    QVERIFY(similar(german->synthesize(number).size(), inGerman.size()));
}

QTEST_GUILESS_MAIN(TestSpeechVoices)
#include "test_speech_voices.moc"
