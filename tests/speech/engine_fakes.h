#pragma once

#include "speech/audio_output.h"
#include "speech/espeak_synthesizer.h"
#include "speech/speech_engine.h"
#include "speech/speech_synthesizer.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// The speech engine's tests drive it with these: an output that records what it plays and can be
// made to fail or stall like a real sound server, and voices whose audio the tests can predict.

// What the fake output saw, and switches that make it behave like a sound server that is
// missing, dies mid-phrase, is slow to connect, or is busy playing. Shared with the test so
// it stays readable after the engine has destroyed the output.
struct OutputProbe
{
    std::mutex mutex;
    std::condition_variable changed;

    std::vector<int16_t> played;
    std::vector<int16_t> rendered; // what a RecordingSynthesizer produced
    std::vector<std::size_t> playedWhenMade; // samples played when each piece was synthesised
    int phrasesRendered = 0;
    int openAttempts = 0;
    int opens = 0;
    int closes = 0;
    int openedRate = 0;
    bool openedOnCallerThread = false;
    bool inOpen = false;
    bool inWrite = false;
    bool destroyed = false;

    bool failOpen = false;
    int writesUntilFailure = -1; // -1: never fail; after the failure, -1 again
    bool staleConnection = false; // the next write fails, as after a server restart; a reopen mends it
    bool holdOpen = false;
    bool holdWrites = false;
    bool holdLoad = false; // a HeldLoadingSynthesizer stays in load() while set
    bool inLoad = false;
    std::chrono::milliseconds writeDelay { 0 };
    std::thread::id callerThread = std::this_thread::get_id();

    template <typename T> T get(T OutputProbe::* member)
    {
        const std::lock_guard<std::mutex> lock(mutex);
        return this->*member;
    }

    template <typename T> void set(T OutputProbe::* member, T value)
    {
        {
            const std::lock_guard<std::mutex> lock(mutex);
            this->*member = value;
        }
        changed.notify_all();
    }

    std::size_t playedCount()
    {
        const std::lock_guard<std::mutex> lock(mutex);
        return played.size();
    }
};

class FakeOutput : public AudioOutput
{
public:
    explicit FakeOutput(std::shared_ptr<OutputProbe> probe)
        : probe_(std::move(probe))
    {
    }
    ~FakeOutput() override { probe_->set(&OutputProbe::destroyed, true); }

    bool open(int sampleRate) override
    {
        std::unique_lock<std::mutex> lock(probe_->mutex);
        ++probe_->openAttempts;
        probe_->openedOnCallerThread = std::this_thread::get_id() == probe_->callerThread;
        probe_->inOpen = true;
        // Bounded, so an engine that wrongly waits for open() fails a test instead of hanging it.
        probe_->changed.wait_for(lock, std::chrono::seconds(5), [this] { return !probe_->holdOpen; });
        probe_->inOpen = false;
        if (probe_->failOpen)
            return false;
        ++probe_->opens;
        probe_->openedRate = sampleRate;
        return open_ = true;
    }

    bool isOpen() const override { return open_; }

    bool write(const int16_t* samples, std::size_t count) override
    {
        std::unique_lock<std::mutex> lock(probe_->mutex);
        if (!open_)
            return false;
        if (probe_->writesUntilFailure == 0) {
            // The server died; a new connection finds it running again.
            probe_->writesUntilFailure = -1;
            return false;
        }
        if (probe_->staleConnection) {
            probe_->staleConnection = false;
            return false;
        }
        if (probe_->writesUntilFailure > 0)
            --probe_->writesUntilFailure;
        probe_->inWrite = true;
        probe_->changed.wait(lock, [this] { return !probe_->holdWrites; });
        probe_->inWrite = false;
        probe_->played.insert(probe_->played.end(), samples, samples + count);
        const auto delay = probe_->writeDelay;
        lock.unlock();
        std::this_thread::sleep_for(delay); // the time a device takes to play the chunk
        return true;
    }

    void drain() override { }

    void close() override
    {
        if (open_) {
            open_ = false;
            const std::lock_guard<std::mutex> lock(probe_->mutex);
            ++probe_->closes;
        }
    }

private:
    std::shared_ptr<OutputProbe> probe_;
    bool open_ = false; // worker thread only
};

// Predictable audio: each UTF-16 code unit of the phrase held for 50 samples, so a phrase
// spans several of the engine's write chunks and any mix-up of phrases shows.
class FakeSynthesizer : public SpeechSynthesizer
{
public:
    static std::vector<int16_t> audioFor(const QStringList& phrases)
    {
        std::vector<int16_t> samples;
        for (const QString& phrase : phrases)
            for (const QChar c : phrase)
                samples.insert(samples.end(), 50, static_cast<int16_t>(c.unicode()));
        return samples;
    }

    int sampleRate() const override { return 8000; }
    QString name() const override { return QStringLiteral("fake"); }

protected:
    std::vector<int16_t> doSynthesize(const QString& phrase, const StopCheck&) override { return audioFor({ phrase }); }
};

// Real eSpeak audio, with a copy kept: eSpeak never renders a phrase twice to the same sample.
class RecordingSynthesizer : public SpeechSynthesizer
{
public:
    explicit RecordingSynthesizer(std::shared_ptr<OutputProbe> probe)
        : probe_(std::move(probe))
    {
    }
    int sampleRate() const override { return inner_.sampleRate(); }
    QString name() const override { return inner_.name(); }

protected:
    std::vector<int16_t> doSynthesize(const QString& phrase, const StopCheck& shouldStop) override
    {
        std::vector<int16_t> audio = inner_.synthesize(phrase, shouldStop);
        const std::lock_guard<std::mutex> lock(probe_->mutex);
        probe_->rendered.insert(probe_->rendered.end(), audio.begin(), audio.end());
        ++probe_->phrasesRendered;
        return audio;
    }

private:
    EspeakSynthesizer inner_;
    std::shared_ptr<OutputProbe> probe_;
};

// What the window does for every phrase.
inline void say(SpeechEngine& engine, const QStringList& phrases)
{
    for (const QString& phrase : phrases) {
        engine.prepare();
        engine.speak(phrase);
    }
}

constexpr int kTimeoutMs = 10000;
