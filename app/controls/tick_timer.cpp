#include "app/controls/tick_timer.h"

TickTimer::TickTimer(QObject* parent)
    : QObject(parent)
{
    // A coarse timer may fire up to 5 % early or late; a three-second wait came after
    // 2.96 s. The intervals here are seconds a child waits for, so they are kept exactly.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TickTimer::tick);
}

void TickTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    apply();
}

bool TickTimer::isEnabled() const
{
    return m_enabled;
}

void TickTimer::setInterval(int milliseconds)
{
    m_interval = milliseconds < 0 ? 0 : milliseconds;
    apply();
}

int TickTimer::interval() const
{
    return m_interval;
}

bool TickTimer::isRunning() const
{
    return m_timer.isActive();
}

void TickTimer::apply()
{
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval);
    else
        m_timer.stop();
}
