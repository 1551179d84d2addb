#include "speech/audio_level.h"
#include "speech/festival_synthesizer.h"
#include "speech/language_voices.h"
#include "speech/speech_synthesizer.h"
#include "speech/speech_voices.h"
#include "speech/text_encoding.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>
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
    void festivalVoicesReadTheirLanguage_data();
    void festivalVoicesReadTheirLanguage();
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

void TestSpeechVoices::festivalVoicesReadTheirLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("voice");
    QTest::addColumn<QString>("package");
    QTest::addColumn<QString>("words"); // every letter of the language that ASCII lacks
    QTest::newRow("Catalan") << "ca" << "upc_ca_ona_hts" << "festvox-ca-ona-hts"
                             << "això és què només cançó òpera àvia veïna pingüí";
    QTest::newRow("Czech") << "cs" << "czech_dita" << "festvox-czech-dita"
                           << "příliš žluťoučký kůň úpěl ďábelské ódy";
    QTest::newRow("Italian") << "it" << "lp_diphone" << "festvox-italp16k" << "perché è così più città";
}

// Each language with a Festival voice speaks with it first, and eSpeak NG's voice of the language
// takes over the phrases it will not speak. The voice's front end reads every letter of the
// language as that letter: given the text in the wrong character set, it reads a letter it does
// not know as a word of its own ("neznámý").
void TestSpeechVoices::festivalVoicesReadTheirLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, voice);
    QFETCH(QString, package);
    QFETCH(QString, words);
    const auto candidates = language_voices::candidates(language);
    QCOMPARE(candidates.size(), std::size_t(2));
    QCOMPARE(candidates.back()->name(), QStringLiteral("espeak-ng ") + language);
    auto* festival = dynamic_cast<FestivalSynthesizer*>(candidates.front().get());
    QVERIFY(festival);
    QCOMPARE(festival->name(), QStringLiteral("festival ") + voice);
    if (!festival->load())
        QSKIP(qPrintable(QStringLiteral("the voice %1 is not installed (Debian package %2)").arg(voice, package)));

    QTemporaryDir folder;
    const QString heard = folder.filePath(QStringLiteral("words"));
    FestivalSynthesizer listening(festival->voice(),
        QStringLiteral(R"((set! after_synth_hooks (list (lambda (utt)
        (let ((fd (fopen "%1" "a")))
          (mapcar (lambda (word) (format fd "%s " (item.name word))) (utt.relation.items utt 'Word))
          (format fd "\n")
          (fclose fd))
        utt))))")
            .arg(heard));
    QVERIFY(!listening.synthesize(words).empty());
    QFile file(heard);
    QVERIFY(file.open(QIODevice::ReadOnly));
    // The last phrase heard: loading the voice said a first word.
    const QByteArray phrase = file.readAll().trimmed().split('\n').last();
    QCOMPARE(text_encoding::decode(phrase, festival->voice().encoding).trimmed().toLower(), words);
}

QTEST_GUILESS_MAIN(TestSpeechVoices)
#include "test_speech_voices.moc"
