#pragma once

#include <cstdint>
#include <functional>
#include <random>

// The one sequence of uniform fractions shared by the problem generator and the answer
// choices. Behind an interface so tests can script exact draws.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    // A fraction r with 0 <= r < 1.
    virtual double next() = 0;

    // Mix the system clock into the sequence.
    virtual void reseedFromClock() = 0;
};

// The real source. Reseeding mixes the clock reading into the current state rather than
// replacing it, so many reseeds within one tick of the clock still give fresh numbers;
// the rejection loops of the generator reseed before every draw and would otherwise spin
// until the clock moved on.
class ClockRandomSource : public RandomSource
{
public:
    using Clock = std::function<std::uint64_t()>;

    ClockRandomSource();
    explicit ClockRandomSource(Clock clock);

    double next() override;
    void reseedFromClock() override;

private:
    Clock m_clock;
    std::mt19937_64 m_engine;
};
