#include "speech/audio_level.h"
#include "speech/espeak_synthesizer.h"
#include "speech/speech_voices.h"

#include <QString>
#include <QTest>

#include <vector>

// Which languages have a voice, and that each language's eSpeak voice really is that
// language's. Debian's espeak-ng-data has every language the program speaks.
class TestSpeechVoices : public QObject
{
    Q_OBJECT

private slots:
    void knowsWhichLanguagesHaveAVoice();
    void languagesSpeakWithTheirOwnVoice();
};

void TestSpeechVoices::knowsWhichLanguagesHaveAVoice()
{
    for (const char* language : { "en", "es", "fr", "de", "pt_BR", "it", "nl", "pl", "tr", "de_AT", "en_GB" })
        QVERIFY2(speechVoiceAvailable(QString::fromLatin1(language)), language);
    for (const char* language : { "xx", "pt", "ja", "", "C" })
        QVERIFY2(!speechVoiceAvailable(QString::fromLatin1(language)), language);
}

void TestSpeechVoices::languagesSpeakWithTheirOwnVoice()
{
    // eSpeak has one global voice: instances of different languages, used in turn, must each
    // keep their own. "vierundzwanzig" takes a fifth longer than "twenty four"; eSpeak varies
    // each rendering by a few samples only.
    const auto similar = [](std::size_t a, std::size_t b) { return a > 0.97 * b && a < 1.03 * b; };
    EspeakSynthesizer english;
    EspeakSynthesizer german(EspeakVoice { "de", nullptr });
    const QString number = "24";
    const std::vector<int16_t> inEnglish = english.synthesize(number);
    const std::vector<int16_t> inGerman = german.synthesize(number);
    QVERIFY(audio_level::peak(inGerman) > 20000);
    QVERIFY(inGerman.size() > 1.1 * inEnglish.size());
    QVERIFY(similar(english.synthesize(number).size(), inEnglish.size()));
    QVERIFY(similar(german.synthesize(number).size(), inGerman.size()));
}

QTEST_GUILESS_MAIN(TestSpeechVoices)
#include "test_speech_voices.moc"
