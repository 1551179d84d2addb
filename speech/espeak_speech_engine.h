#pragma once

#include "speech/speech_engine.h"

#include <memory>
#include <thread>

class AudioOutput;
class SpeechSynthesizer;

// The program's voice: phrases are queued and a worker thread synthesises and plays them one
// after the other, so the GUI thread never waits for eSpeak or the sound server. The worker
// alone owns the synthesiser and the audio output; eSpeak is not thread-safe and opening a
// PulseAudio connection can block.
class EspeakSpeechEngine : public SpeechEngine
{
public:
    EspeakSpeechEngine(std::unique_ptr<SpeechSynthesizer> synthesizer, std::unique_ptr<AudioOutput> output);
    // The program's eSpeak voice into the given output.
    explicit EspeakSpeechEngine(std::unique_ptr<AudioOutput> output);

    // Stops at once: the phrase being played is cut off and queued phrases are discarded.
    ~EspeakSpeechEngine() override;

    EspeakSpeechEngine(const EspeakSpeechEngine&) = delete;
    EspeakSpeechEngine& operator=(const EspeakSpeechEngine&) = delete;

    void prepare() override;
    void speak(const QString& phrase) override;

private:
    struct Shared;
    static void run(const std::shared_ptr<Shared>& shared);

    std::shared_ptr<Shared> shared_;
    std::thread worker_;
};

// eSpeak into the PulseAudio server of the user's session.
std::unique_ptr<SpeechEngine> createSystemSpeechEngine();
