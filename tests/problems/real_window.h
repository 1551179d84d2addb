#pragma once

#include "app/frmMath.h"
#include "problems/random_source.h"
#include "support/recording_speech_engine.h"
#include "support/scripted_event_pump.h"

// The real source, counted, with a stop for a loop that would spin for ever: a sound
// generator needs this many draws for one card with a vanishing chance.
class GuardedRandomSource : public RandomSource
{
public:
    explicit GuardedRandomSource(ClockRandomSource::Clock clock);

    double next() override;

    void reseedFromClock() override { m_source.reseedFromClock(); }

    void allow(long long count) { m_limit = draws + count; }

    long long draws = 0;

private:
    ClockRandomSource m_source;
    long long m_limit = 100000;
};

// A window on the real random source (the system clock unless a clock is given).
struct RealWindow
{
    explicit RealWindow(ClockRandomSource::Clock clock = {});

    // One NewProblem; false if it kept drawing without end.
    bool deal();

    GuardedRandomSource random;
    RecordingSpeechEngine speech;
    ScriptedEventPump pump;
    frmMath w;
};
