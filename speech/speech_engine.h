#pragma once

class QString;

// What the window asks of a speech engine for every phrase: first make sure it can
// speak, then hand over the phrase. Both calls return at once; the window never waits
// for speech and ignores every failure (an engine may also throw).
class SpeechEngine
{
public:
    virtual ~SpeechEngine() = default;

    // Called before every phrase. A real engine (re)opens its audio output here, so
    // speech comes back by itself after the sound server was away.
    virtual void prepare() = 0;

    // Queue one phrase to be spoken after the ones already queued.
    virtual void speak(const QString& phrase) = 0;

    // Speech was switched off: the phrases still waiting are dropped, the one being spoken is
    // heard to its end.
    virtual void dropWaiting() noexcept { }
};
