#pragma once

#include "speech/speech_synthesizer.h"

// Speech synthesis with libespeak-ng into memory. eSpeak keeps its state in globals and is
// not thread-safe, so every instance shares one process-wide lock and one initialisation;
// the engine uses it from its worker thread only. Nothing touches eSpeak until the first
// phrase, so constructing one on the GUI thread costs nothing.
class EspeakSynthesizer : public SpeechSynthesizer
{
public:
    EspeakSynthesizer() = default;

    // eSpeak produces 22050 Hz for every voice it ships.
    int sampleRate() const override { return 22050; }

protected:
    std::vector<int16_t> doSynthesize(const QString& phrase, const StopCheck& shouldStop) override;
};
