#pragma once

#include "speech/speech_synthesizer.h"

#include <QString>

// Speech synthesis with Festival and one of its HTS voices, in this process. Festival keeps its
// state in globals, is not thread-safe and cannot be shut down, so it is started once per process
// and every instance shares it under one lock. Once Festival has reported an error its state
// cannot be trusted, so no instance calls it again in this process: they all refuse to speak,
// and the engine's next voice takes over. Nothing touches Festival before load(), so
// constructing one on the GUI thread costs nothing.
class FestivalSynthesizer : public SpeechSynthesizer
{
public:
    // The program's English voice: a female American voice that children understand well.
    static constexpr const char* kProgramVoice = "cmu_us_slt_arctic_hts";

    // setupScheme, when given, is Festival Scheme run after the voice has been selected, to
    // adjust it further.
    explicit FestivalSynthesizer(QString voice = QString::fromLatin1(kProgramVoice), QString setupScheme = QString());

    // Starts Festival if this is its first use in the process, selects the voice and speaks a
    // first word, so the letter-to-sound rules are loaded now rather than during a phrase.
    bool load() override;
    int sampleRate() const override { return sampleRate_; }
    QString name() const override { return QStringLiteral("festival ") + voice_; }

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
    QString setupCommand_; // selects and tunes the voice; compared to know whether Festival holds it
    QString voice_;
    bool loaded_ = false;
    int sampleRate_ = 0;
};
