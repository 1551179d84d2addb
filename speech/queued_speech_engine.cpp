#include "speech/queued_speech_engine.h"

#include "speech/audio_output.h"
#include "speech/speech_actions.h"
#include "speech/speech_log.h"
#include "speech/speech_synthesizer.h"
#include "speech/voice_chain.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

namespace {

// Audio is written in pieces this long, so a stop request is noticed within about that time
// even while the output is busy playing a long phrase.
constexpr int kChunkMs = 40;

// How long the destructor waits for the worker. Normally it finishes within a chunk, or the
// sound server's short buffer when a phrase ends. Loading a voice cannot be interrupted (Festival's
// start on a slow disk takes seconds), nor can a call into a stuck sound server; closing the
// window must end the program within two seconds all the same, so such a worker is left to finish
// on its own (it owns everything it still uses).
constexpr std::chrono::milliseconds kStopWait { 500 };

// How long after its start the engine waits before it loads its voice; the window of an idle
// machine is on the screen well before, and the welcome comes half a second after that.
constexpr std::chrono::milliseconds kLoadDelay { 150 };

// Workers whose engine was destroyed before they finished. Trivially destructible, so it is
// still there for a worker finishing while the program exits.
std::atomic<int> abandonedWorkers { 0 };

struct Command
{
    enum class Kind { OpenOutput, Speak };
    Kind kind = Kind::Speak;
    QString phrase;
    std::uint64_t action = 0; // the user's action that asked for the phrase
};

} // namespace

struct QueuedSpeechEngine::Shared
{
    // Used by the worker thread only.
    std::vector<std::unique_ptr<SpeechSynthesizer>> voices;
    std::unique_ptr<AudioOutput> output;

    // Everything below is guarded by mutex.
    std::mutex mutex;
    std::condition_variable wake; // new command or stop request
    std::condition_variable finished; // worker has left its loop
    std::deque<Command> queue;
    bool outputOpen = false; // the worker's view, mirrored for prepare()
    bool openQueued = false; // an OpenOutput command waits in the queue
    bool stopping = false;
    std::optional<Command> speaking; // the phrase the worker is saying
    bool abandoned = false; // the destructor stopped waiting; counted in abandonedWorkers
    bool done = false;

    bool stopRequested()
    {
        const std::lock_guard<std::mutex> lock(mutex);
        return stopping;
    }

    // Called with the lock held.
    bool phraseWaits() const
    {
        return std::any_of(
            queue.begin(), queue.end(), [](const Command& command) { return command.kind == Command::Kind::Speak; });
    }

    bool phraseQueued()
    {
        const std::lock_guard<std::mutex> lock(mutex);
        return phraseWaits();
    }

    void setOutputOpen(bool open)
    {
        const std::lock_guard<std::mutex> lock(mutex);
        outputOpen = open;
    }

    // Called with the lock held.
    template <typename Predicate> void dropPhrases(Predicate drop)
    {
        queue.erase(std::remove_if(queue.begin(), queue.end(),
                        [&](const Command& command) { return command.kind == Command::Kind::Speak && drop(command); }),
            queue.end());
    }
};

// The worker thread's side: the voices, the output and the rate it is open at.
class QueuedSpeechEngine::Worker
{
public:
    explicit Worker(Shared& shared)
        : shared_(shared)
        , output_(*shared.output)
        , voices_(std::move(shared.voices))
    {
    }

    void run();

private:
    bool openOutput();
    void closeOutput();
    std::size_t play(const std::vector<int16_t>& audio);
    void speak(const QString& phrase);
    bool shouldStop() { return shared_.stopRequested(); }

    Shared& shared_;
    AudioOutput& output_;
    VoiceChain voices_;
    SpeechSynthesizer* voice_ = nullptr; // the voice the output is opened for
    SpeechSynthesizer* heard_ = nullptr; // the voice the log named last
    int rate_ = 0; // of voice_'s audio
    int openedRate_ = 0;
    // True when the last attempt to open the output, asked for by prepare(), failed. A phrase
    // finding the output closed tries to open it once, unless that attempt was its own.
    bool openJustFailed_ = false;
};

QueuedSpeechEngine::QueuedSpeechEngine(
    std::vector<std::unique_ptr<SpeechSynthesizer>> voices, std::unique_ptr<AudioOutput> output)
    : shared_(std::make_shared<Shared>())
{
    shared_->voices = std::move(voices);
    shared_->output = std::move(output);
    // The thread gets its own reference, so the state outlives a detached worker.
    worker_ = std::thread(&QueuedSpeechEngine::run, shared_);
}

namespace {

std::vector<std::unique_ptr<SpeechSynthesizer>> oneVoice(std::unique_ptr<SpeechSynthesizer> voice)
{
    std::vector<std::unique_ptr<SpeechSynthesizer>> voices;
    voices.push_back(std::move(voice));
    return voices;
}

} // namespace

QueuedSpeechEngine::QueuedSpeechEngine(std::unique_ptr<SpeechSynthesizer> voice, std::unique_ptr<AudioOutput> output)
    : QueuedSpeechEngine(oneVoice(std::move(voice)), std::move(output))
{
}

QueuedSpeechEngine::~QueuedSpeechEngine()
{
    std::unique_lock<std::mutex> lock(shared_->mutex);
    shared_->stopping = true;
    shared_->queue.clear();
    shared_->wake.notify_all();
    const bool stopped = shared_->finished.wait_for(lock, kStopWait, [this] { return shared_->done; });
    if (!stopped) {
        shared_->abandoned = true;
        ++abandonedWorkers;
    }
    lock.unlock();
    if (stopped)
        worker_.join();
    else
        worker_.detach();
}

bool QueuedSpeechEngine::workerStillRunning()
{
    return abandonedWorkers > 0;
}

void QueuedSpeechEngine::prepare()
{
    const std::lock_guard<std::mutex> lock(shared_->mutex);
    if (shared_->stopping || shared_->outputOpen || shared_->openQueued)
        return;
    shared_->queue.push_back(Command { Command::Kind::OpenOutput, QString(), 0 });
    shared_->openQueued = true;
    shared_->wake.notify_one();
}

void QueuedSpeechEngine::speak(const QString& phrase)
{
    const std::uint64_t action = speech_actions::current();
    const std::lock_guard<std::mutex> lock(shared_->mutex);
    if (shared_->stopping)
        return;
    // What an earlier action still has to say no longer fits what the child sees.
    shared_->dropPhrases([action](const Command& command) { return command.action != action; });
    // A later action asking first for just what is being said (the child clicks the same thing
    // again and again) adds nothing the child does not hear.
    const std::optional<Command>& speaking = shared_->speaking;
    if (speaking && speaking->action != action && speaking->phrase == phrase && !shared_->phraseWaits())
        return;
    shared_->queue.push_back(Command { Command::Kind::Speak, phrase, action });
    shared_->wake.notify_one();
}

void QueuedSpeechEngine::dropWaiting() noexcept
{
    const std::lock_guard<std::mutex> lock(shared_->mutex);
    shared_->dropPhrases([](const Command&) { return true; });
}

void QueuedSpeechEngine::run(const std::shared_ptr<Shared>& shared)
{
    {
        Worker worker(*shared);
        worker.run();
        // Stopping discards what the server still buffers instead of playing it out.
        shared->output->close();
        // The objects go away on this thread, which is the one that used them: the voices with
        // the worker, the output here.
    }
    shared->output.reset();

    const std::lock_guard<std::mutex> lock(shared->mutex);
    shared->done = true;
    if (shared->abandoned)
        --abandonedWorkers;
    shared->finished.notify_all();
}

void QueuedSpeechEngine::Worker::run()
{
    // Loading starts soon after the program, so the first phrase finds the voice ready; the
    // window goes on meanwhile, queueing what it says. It waits for the window to be shown
    // first: loading Festival's voice maps tens of megabytes, and doing that while the window
    // was being built made it appear about 4 ms (an eighth) later on an idle two-core machine.
    // A phrase asked for before then starts the loading at once.
    {
        std::unique_lock<std::mutex> lock(shared_.mutex);
        shared_.wake.wait_for(lock, kLoadDelay, [this] { return shared_.stopping || !shared_.queue.empty(); });
        if (shared_.stopping)
            return;
    }
    voice_ = voices_.first();
    rate_ = voice_ ? voice_->sampleRate() : 0;

    for (;;) {
        Command command;
        {
            std::unique_lock<std::mutex> lock(shared_.mutex);
            shared_.wake.wait(lock, [this] { return shared_.stopping || !shared_.queue.empty(); });
            if (shared_.stopping)
                return;
            command = std::move(shared_.queue.front());
            shared_.queue.pop_front();
            if (command.kind == Command::Kind::OpenOutput)
                shared_.openQueued = false;
            else
                shared_.speaking = command;
        }
        // A failure inside synthesis or output costs one phrase, never the program. Without a
        // voice there is nothing to do.
        try {
            if (voice_ && command.kind == Command::Kind::OpenOutput)
                openJustFailed_ = !openOutput();
            else if (voice_)
                speak(command.phrase);
        } catch (...) {
            closeOutput();
        }
        const std::lock_guard<std::mutex> lock(shared_.mutex);
        shared_.speaking.reset();
    }
}

// The output is always opened at the rate of the voice's audio, whatever it was opened with
// before, so no audio is ever played at the wrong speed.
bool QueuedSpeechEngine::Worker::openOutput()
{
    if (output_.isOpen() && openedRate_ == rate_)
        return true;
    output_.close();
    openedRate_ = output_.open(rate_) ? rate_ : 0;
    shared_.setOutputOpen(openedRate_ != 0);
    return openedRate_ != 0;
}

void QueuedSpeechEngine::Worker::closeOutput()
{
    output_.close();
    openedRate_ = 0;
    shared_.setOutputOpen(false);
}

// Writes audio in chunks; returns how many samples went out before a write failed or a stop was
// asked for, or the whole length.
std::size_t QueuedSpeechEngine::Worker::play(const std::vector<int16_t>& audio)
{
    const std::size_t chunk = std::max<std::size_t>(1, static_cast<std::size_t>(rate_) * kChunkMs / 1000);
    for (std::size_t offset = 0; offset < audio.size(); offset += chunk) {
        if (shouldStop())
            return offset;
        if (!output_.write(audio.data() + offset, std::min(chunk, audio.size() - offset)))
            return offset;
    }
    return audio.size();
}

void QueuedSpeechEngine::Worker::speak(const QString& phrase)
{
    SpeechSynthesizer* const voice = voices_.voiceFor(phrase);
    if (!voice)
        return;
    if (voice != heard_) {
        qCDebug(lcSpeechVoice()) << voice->name();
        heard_ = voice;
    }
    voice_ = voice;
    rate_ = voice->sampleRate();

    // Without a sound server phrases are dropped before spending time on synthesis. After a
    // failed write (the server went away) the phrases queued behind it try once each, so they
    // are played if it is back.
    const bool triedAlready = openJustFailed_;
    openJustFailed_ = false;
    if ((!output_.isOpen() || openedRate_ != rate_) && (triedAlready || !openOutput()))
        return;

    // Each piece is played as soon as it is made, and the next one is made while the sound
    // server still plays the end of this one.
    const QStringList pieces = voice->pieces(phrase);
    for (int i = 0; i < pieces.size() && !shouldStop(); ++i) {
        const std::vector<int16_t> audio = voice->synthesize(pieces[i], [this] { return shouldStop(); });
        if (audio.empty() && !voice->canSpeak(phrase))
            return; // the voice broke down on this piece; the next phrase goes to another
        std::size_t played = play(audio);
        if (played == 0 && !audio.empty() && !shouldStop()) {
            // Not a sample got through: the connection went stale while idle (the sound server
            // was restarted). One reconnection saves the phrase.
            closeOutput();
            if (openOutput())
                played = play(audio);
        }
        if (played < audio.size() && !shouldStop()) {
            // The rest of the phrase is lost. The next prepare() sees the output closed and asks
            // for it to be reopened.
            closeOutput();
            return;
        }
        if (i + 1 == pieces.size() && !audio.empty() && !shouldStop() && !shared_.phraseQueued()) {
            // Plays out the tail, which the server holds back until its buffer is full.
            output_.drain();
        }
    }
}
