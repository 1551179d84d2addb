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
//
// The voice follows the game: a phrase that has started is heard to its end, and when an action
// of the user's speaks (see speech_actions), the phrases earlier actions still have waiting are
// dropped; one action's own phrases keep their order.
class QueuedSpeechEngine : public SpeechEngine
{
public:
    // The worker starts at once and loads the voices in this order until one loads, which speaks
    // from then on; a later voice takes over the phrases it will not speak. With none, the engine
    // stays silent.
    QueuedSpeechEngine(std::vector<std::unique_ptr<SpeechSynthesizer>> voices, std::unique_ptr<AudioOutput> output);
    QueuedSpeechEngine(std::unique_ptr<SpeechSynthesizer> voice, std::unique_ptr<AudioOutput> output);

    // Stops: the phrase being played is cut off and queued phrases are discarded. Waits for the
    // worker half a second at most; a worker that cannot stop by then (a voice still loading, a stuck
    // sound server) is left to finish on its own, and workerStillRunning() says so meanwhile.
    ~QueuedSpeechEngine() override;

    QueuedSpeechEngine(const QueuedSpeechEngine&) = delete;
    QueuedSpeechEngine& operator=(const QueuedSpeechEngine&) = delete;

    void prepare() override;
    void speak(const QString& phrase) override;
    void dropWaiting() noexcept override;

    // True while the worker of an engine already destroyed has not finished. It may be inside a
    // synthesiser, whose library's static objects must not be destroyed under it.
    static bool workerStillRunning();

private:
    struct Shared;
    class Worker;
    static void run(const std::shared_ptr<Shared>& shared);

    std::shared_ptr<Shared> shared_;
    std::thread worker_;
};
