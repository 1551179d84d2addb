#pragma once

#include "speech/speech_synthesizer.h"
#include "speech/spoken_numbers.h"

#include <QString>

#include <memory>

// An eSpeak NG voice, by the name espeak_SetVoiceByName knows it.
struct EspeakVoice
{
    const char* name; // "en-us+klatt", "de", "pt-br"
    const char* fallback; // used when name is missing; may be null
};

// Speech synthesis with libespeak-ng into memory. eSpeak keeps its state in globals and is
// not thread-safe, so every instance shares one process-wide lock and one initialisation, and
// each phrase first makes sure eSpeak holds this instance's voice. The engine uses it from its
// worker thread only. Nothing touches eSpeak until the first phrase, so constructing one on
// the GUI thread costs nothing.
class EspeakSynthesizer : public SpeechSynthesizer
{
public:
    // American English through eSpeak's Klatt formant synthesiser, which lacks the buzz of
    // eSpeak's default voice. An offline speech recogniser limited to the program's phrases
    // understood it in 25 of 25 phrases at 130, 145 and 160 words a minute; plain "en-us"
    // managed 20, British "en" 12, the other variants 11 to 25 (only the female "f5" matched
    // it). Plain "en-us" stands in if the variant is missing.
    static constexpr EspeakVoice kEnglish { "en-us+klatt", "en-us" };

    // A voice that reads some digits wrong ("1" in Russian) is given its numbers in words;
    // what the program logs and shows keeps its digits.
    explicit EspeakSynthesizer(EspeakVoice voice = kEnglish, NumbersInWords numbers = {});
    ~EspeakSynthesizer() override;

    // The folder of eSpeak's voices and dictionaries, without starting eSpeak.
    static QString dataPath();

    // eSpeak produces 22050 Hz for every voice it ships.
    int sampleRate() const override { return 22050; }
    QString name() const override { return QStringLiteral("espeak-ng ") + QLatin1String(voice_.name); }

    // The text eSpeak is given for a phrase: its numbers in words where this voice needs them.
    // Call it only on the thread that speaks.
    QString spokenText(const QString& phrase);

protected:
    std::vector<int16_t> doSynthesize(const QString& phrase, const StopCheck& shouldStop) override;

private:
    EspeakVoice voice_;
    NumbersInWords numbers_;
    std::unique_ptr<SpokenNumbers> speller_; // made on the speaking thread, at its first phrase
};
