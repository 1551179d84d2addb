#include "real_window.h"

#include <stdexcept>
#include <utility>

GuardedRandomSource::GuardedRandomSource(ClockRandomSource::Clock clock)
    : m_source(clock ? ClockRandomSource(std::move(clock)) : ClockRandomSource())
{
}

double GuardedRandomSource::next()
{
    if (++draws > m_limit)
        throw std::runtime_error("the draw never ends");
    return m_source.next();
}

RealWindow::RealWindow(ClockRandomSource::Clock clock)
    : random(std::move(clock))
    , w(speech, random, pump)
{
    w.Form_Load();
    pump.reset();
}

bool RealWindow::deal()
{
    random.allow(100000);
    try {
        w.NewProblem();
    } catch (const std::runtime_error&) {
        return false;
    }
    return true;
}
