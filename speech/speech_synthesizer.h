#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

// Turns one phrase into mono 16-bit audio. The engine depends on this rather than on a
// particular synthesiser so its queue can be tested with predictable audio, and so it can fall
// back from one voice to another.
class SpeechSynthesizer
{
public:
    // Polled while a phrase is being synthesised; returning true abandons it.
    using StopCheck = std::function<bool()>;

    virtual ~SpeechSynthesizer() = default;

    // Gets the voice ready to speak, on the thread that will use it; may take a while. False
    // when this voice cannot speak on this machine. Called before the first phrase; calling
    // it again costs nothing.
    virtual bool load() { return true; }

    // The rate of every sample synthesize() returns; known once load() succeeded.
    virtual int sampleRate() const = 0;

    // Names the voice in the speech log.
    virtual QString name() const = 0;

    // False when the loaded voice will not speak this phrase: too much work for it, or it can no
    // longer be trusted to speak at all. Another voice may then speak it.
    virtual bool canSpeak(const QString& phrase) const
    {
        Q_UNUSED(phrase);
        return true;
    }

    // The parts of a phrase to synthesise and play one after the other, so a slow voice is
    // heard as soon as its first part is made. The whole phrase by default.
    virtual QStringList pieces(const QString& phrase) const { return { phrase }; }

    // Empty when the phrase has nothing to say, synthesis failed, or shouldStop asked to stop.
    std::vector<int16_t> synthesize(const QString& phrase) { return doSynthesize(phrase, {}); }
    std::vector<int16_t> synthesize(const QString& phrase, const StopCheck& shouldStop)
    {
        return doSynthesize(phrase, shouldStop);
    }

protected:
    virtual std::vector<int16_t> doSynthesize(const QString& phrase, const StopCheck& shouldStop) = 0;
};
