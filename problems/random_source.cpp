#include "problems/random_source.h"

#include <chrono>

namespace {

std::uint64_t systemClockReading()
{
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

// Spreads the bits of a clock reading over the whole word (the SplitMix64 finaliser).
std::uint64_t spread(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

} // namespace

ClockRandomSource::ClockRandomSource()
    : ClockRandomSource(&systemClockReading)
{
}

ClockRandomSource::ClockRandomSource(Clock clock)
    : m_clock(std::move(clock))
    , m_engine(spread(m_clock()))
{
}

double ClockRandomSource::next()
{
    // 24 random bits: the fraction is exactly a single-precision value, so narrowing it
    // (as the answer position does) can never round it up to 1.
    return static_cast<double>(m_engine() >> 40) * (1.0 / 16777216.0);
}

void ClockRandomSource::reseedFromClock()
{
    // The next output of the current state goes into the new seed with the clock, so two
    // reseeds on the same clock reading still start different sequences.
    m_engine.seed(m_engine() ^ spread(m_clock()));
}
