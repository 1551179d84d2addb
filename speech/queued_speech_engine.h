#pragma once

#include "speech/speech_engine.h"

#include <memory>
#include <thread>
#include <vector>

class AudioOutput;
class SpeechSynthesizer;

// The program's voice: phrases are queued and a worker thread synthesises and plays them one
// after the other, so the GUI thread never waits for a synthesiser or the sound server. The
// worker alone owns the synthesisers and the audio output; the synthesisers are not
// thread-safe, starting one can take a while and opening a PulseAudio connection can block.
class QueuedSpeechEngine : public SpeechEngine
{
public:
    // The worker starts at once and loads the voices in this order; the first that loads
    // speaks every phrase, the others are dropped. With none, the engine stays silent.
    QueuedSpeechEngine(std::vector<std::unique_ptr<SpeechSynthesizer>> voices, std::unique_ptr<AudioOutput> output);
    QueuedSpeechEngine(std::unique_ptr<SpeechSynthesizer> voice, std::unique_ptr<AudioOutput> output);

    // Stops at once: the phrase being played is cut off and queued phrases are discarded.
    ~QueuedSpeechEngine() override;

    QueuedSpeechEngine(const QueuedSpeechEngine&) = delete;
    QueuedSpeechEngine& operator=(const QueuedSpeechEngine&) = delete;

    void prepare() override;
    void speak(const QString& phrase) override;

private:
    struct Shared;
    static void run(const std::shared_ptr<Shared>& shared);

    std::shared_ptr<Shared> shared_;
    std::thread worker_;
};
