#include "speech/queued_speech_engine.h"

#include "speech/audio_output.h"
#include "speech/language_voices.h"
#include "speech/speech_synthesizer.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <utility>
#include <vector>

namespace {

// Audio is written in pieces this long, so a stop request is noticed within about that time
// even while the output is busy playing a long phrase.
constexpr int kChunkMs = 40;

// How long the destructor waits for the worker. Normally it finishes within a chunk, but
// a call into a stuck sound server can block for tens of seconds; closing the window must
// not wait for that, so the worker is then left to finish on its own (it owns everything
// it still uses).
constexpr std::chrono::milliseconds kStopWait { 1500 };

// Loading a voice cannot be interrupted, but it is work on local files that ends by itself
// (under a second on an idle machine). The destructor waits for it up to this long first, so
// a worker is never left inside a synthesiser while the program's static objects go away.
constexpr std::chrono::seconds kLoadWait { 10 };

// How long after its start the engine waits before it loads its voice; the window of an idle
// machine is on the screen well before, and the welcome comes half a second after that.
constexpr std::chrono::milliseconds kLoadDelay { 150 };

struct Command
{
    enum class Kind { OpenOutput, Speak };
    Kind kind = Kind::Speak;
    QString phrase;
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
    bool loading = true; // the worker is still choosing its voice
    bool done = false;

    bool stopRequested()
    {
        const std::lock_guard<std::mutex> lock(mutex);
        return stopping;
    }

    bool phraseQueued()
    {
        const std::lock_guard<std::mutex> lock(mutex);
        return std::any_of(
            queue.begin(), queue.end(), [](const Command& command) { return command.kind == Command::Kind::Speak; });
    }

    void setOutputOpen(bool open)
    {
        const std::lock_guard<std::mutex> lock(mutex);
        outputOpen = open;
    }
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
    shared_->finished.wait_for(lock, kLoadWait, [this] { return !shared_->loading; });
    const bool stopped = shared_->finished.wait_for(lock, kStopWait, [this] { return shared_->done; });
    lock.unlock();
    if (stopped)
        worker_.join();
    else
        worker_.detach();
}

void QueuedSpeechEngine::prepare()
{
    const std::lock_guard<std::mutex> lock(shared_->mutex);
    if (shared_->stopping || shared_->outputOpen || shared_->openQueued)
        return;
    shared_->queue.push_back(Command { Command::Kind::OpenOutput, QString() });
    shared_->openQueued = true;
    shared_->wake.notify_one();
}

void QueuedSpeechEngine::speak(const QString& phrase)
{
    const std::lock_guard<std::mutex> lock(shared_->mutex);
    if (shared_->stopping)
        return;
    shared_->queue.push_back(Command { Command::Kind::Speak, phrase });
    shared_->wake.notify_one();
}

void QueuedSpeechEngine::run(const std::shared_ptr<Shared>& shared)
{
    // Loading starts soon after the program, so the first phrase finds the voice ready; the
    // window goes on meanwhile, queueing what it says. It waits for the window to be shown
    // first: loading Festival's voice maps tens of megabytes, and doing that while the window
    // was being built made it appear about 4 ms (an eighth) later on an idle two-core machine.
    // A phrase asked for before then starts the loading at once.
    bool stopping = false;
    {
        std::unique_lock<std::mutex> lock(shared->mutex);
        shared->wake.wait_for(lock, kLoadDelay, [&shared] { return shared->stopping || !shared->queue.empty(); });
        stopping = shared->stopping;
    }
    std::unique_ptr<SpeechSynthesizer> synthesizer
        = stopping ? nullptr : language_voices::loadFirst(std::move(shared->voices));
    {
        const std::lock_guard<std::mutex> lock(shared->mutex);
        shared->loading = false;
    }
    shared->finished.notify_all();
    const int rate = synthesizer ? synthesizer->sampleRate() : 0;
    AudioOutput& output = *shared->output;
    const auto shouldStop = [&shared] { return shared->stopRequested(); };
    const std::size_t chunkSamples = std::max<std::size_t>(1, static_cast<std::size_t>(rate) * kChunkMs / 1000);

    // The output is always opened at the rate of the voice's audio, whatever it was opened
    // with before, so no audio is ever played at the wrong speed.
    int openedRate = 0;
    const auto openOutput = [&] {
        if (output.isOpen() && openedRate == rate)
            return true;
        output.close();
        openedRate = output.open(rate) ? rate : 0;
        shared->setOutputOpen(openedRate != 0);
        return openedRate != 0;
    };
    const auto closeOutput = [&] {
        output.close();
        openedRate = 0;
        shared->setOutputOpen(false);
    };
    // True when the last attempt to open the output, asked for by prepare(), failed. A phrase
    // finding the output closed tries to open it once, unless that attempt was its own.
    bool openJustFailed = false;

    for (;;) {
        Command command;
        {
            std::unique_lock<std::mutex> lock(shared->mutex);
            shared->wake.wait(lock, [&shared] { return shared->stopping || !shared->queue.empty(); });
            if (shared->stopping)
                break;
            command = std::move(shared->queue.front());
            shared->queue.pop_front();
            if (command.kind == Command::Kind::OpenOutput)
                shared->openQueued = false;
        }
        if (!synthesizer)
            continue;

        // A failure inside synthesis or output costs one phrase, never the program.
        try {
            if (command.kind == Command::Kind::OpenOutput) {
                openJustFailed = !openOutput();
                continue;
            }

            // Without a sound server phrases are dropped before spending time on synthesis.
            // After a failed write (the server went away) the phrases queued behind it try
            // once each, so they are played if it is back.
            const bool triedAlready = openJustFailed;
            openJustFailed = false;
            if (!output.isOpen() && (triedAlready || !openOutput()))
                continue;
            // Writes audio in chunks; returns how many samples went out before a write failed,
            // or the whole length.
            const auto play = [&](const std::vector<int16_t>& audio) {
                for (std::size_t offset = 0; offset < audio.size() && !shouldStop(); offset += chunkSamples) {
                    const std::size_t count = std::min(chunkSamples, audio.size() - offset);
                    if (!output.write(audio.data() + offset, count))
                        return offset;
                }
                return audio.size();
            };
            // Each piece is played as soon as it is made, and the next one is made while the
            // sound server still plays the end of this one.
            const QStringList pieces = synthesizer->pieces(command.phrase);
            for (int i = 0; i < pieces.size() && !shouldStop(); ++i) {
                const std::vector<int16_t> audio = synthesizer->synthesize(pieces[i], shouldStop);
                std::size_t played = play(audio);
                if (played == 0 && !audio.empty() && !shouldStop()) {
                    // Not a sample got through: the connection went stale while idle (the sound
                    // server was restarted). One reconnection saves the phrase.
                    closeOutput();
                    if (openOutput())
                        played = play(audio);
                }
                if (played < audio.size() && !shouldStop()) {
                    // The rest of the phrase is lost. The next prepare() sees the output closed
                    // and asks for it to be reopened.
                    closeOutput();
                    break;
                }
                if (i + 1 == pieces.size() && !audio.empty() && !shouldStop() && !shared->phraseQueued()) {
                    // Plays out the tail, which the server holds back until its buffer is full.
                    output.drain();
                }
            }
        } catch (...) {
            closeOutput();
        }
    }

    // Stopping discards what the server still buffers instead of playing it out.
    output.close();
    // The objects go away on this thread, which is the one that used them.
    shared->output.reset();
    synthesizer.reset();

    const std::lock_guard<std::mutex> lock(shared->mutex);
    shared->done = true;
    shared->finished.notify_all();
}
