#pragma once

#include "speech/speech_synthesizer.h"

#include <QString>

// Speech synthesis with Festival and one of its HTS voices, in this process. Festival keeps its
// state in globals, is not thread-safe and cannot be shut down, so it is started once per process
// and every instance shares it under one lock. Nothing touches Festival before load(), so
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
