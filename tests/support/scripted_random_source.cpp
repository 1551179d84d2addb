#include "scripted_random_source.h"

ScriptedRandomSource::ScriptedRandomSource()
    : m_fallback(12345)
{
}

void ScriptedRandomSource::script(const QList<double>& fractions)
{
    m_script = fractions;
}

double ScriptedRandomSource::next()
{
    ++draws;
    if (!m_script.isEmpty())
        return m_script.takeFirst();
    return static_cast<double>(m_fallback() >> 40) * (1.0 / 16777216.0);
}

void ScriptedRandomSource::reseedFromClock()
{
    ++reseeds;
}
