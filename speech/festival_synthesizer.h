#pragma once

#include "speech/speech_synthesizer.h"
#include "speech/spoken_numbers.h"

#include <QString>

#include <memory>

// A Festival voice, and what its front end needs to read a phrase.
struct FestivalVoice
{
    const char* name; // (voice_NAME) selects it; it lies in voices/<language>/NAME of Festival's data
    const char* encoding = "UTF-8"; // the character set its front end reads
    bool hts = true; // an HTS voice, which takes the children's speed and pitch
    int quietLevel = 150; // what the voice makes before a phrase and is not yet speech (levelled samples)
};

// Speech synthesis with Festival and one of its voices, in this process. Festival keeps its
// state in globals, is not thread-safe and cannot be shut down, so it is started once per process
// and every instance shares it under one lock. Once Festival has reported an error its state
// cannot be trusted, so no instance calls it again in this process: they all refuse to speak,
// and the engine's next voice takes over. Nothing touches Festival before load(), so
// constructing one on the GUI thread costs nothing.
class FestivalSynthesizer : public SpeechSynthesizer
{
public:
    // The program's English voice: a female American voice that children understand well.
    static constexpr FestivalVoice kProgramVoice { "cmu_us_slt_arctic_hts" };

    // setupScheme, when given, is Festival Scheme run after the voice has been selected, to
    // adjust it further. A voice whose front end reads numbers wrong (Catalan's reads 1000 as "un
    // zero zero zero") is given them in words.
    explicit FestivalSynthesizer(
        FestivalVoice voice = kProgramVoice, QString setupScheme = QString(), NumbersInWords numbers = {});
    ~FestivalSynthesizer() override;

    // Starts Festival if this is its first use in the process, selects the voice and speaks a
    // first word, so the letter-to-sound rules are loaded now rather than during a phrase.
    bool load() override;
    int sampleRate() const override { return sampleRate_; }
    QString name() const override { return QStringLiteral("festival ") + QLatin1String(voice_.name); }
    const FestivalVoice& voice() const { return voice_; }

    // False once Festival has reported an error, and for a phrase that would make Festival work
    // beyond what its heap is sure to hold (many digits above all).
    bool canSpeak(const QString& phrase) const override;

    // The phrase cut after each punctuation mark that ends a clause ("welcome to numivox,"
    // "standard mode." "click on flashcard to begin"): Festival makes a long phrase in up to
    // 90 ms, its first clause in a third of that.
    QStringList pieces(const QString& phrase) const override;

protected:
    std::vector<int16_t> doSynthesize(const QString& phrase, const StopCheck& shouldStop) override;

private:
    // The phrase as the voice's front end reads it, in its character set. Only on the speaking
    // thread.
    QByteArray textFor(const QString& phrase) const;

    QString setupCommand_; // selects and tunes the voice; compared to know whether Festival holds it
    FestivalVoice voice_;
    NumbersInWords numbers_;
    mutable std::unique_ptr<SpokenNumbers> speller_; // made on the speaking thread, at its first phrase
    bool loaded_ = false;
    int sampleRate_ = 0;
};
