#pragma once

#include "problems/random_source.h"

#include <QList>

// Gives the fractions it was told, in order; past the script it falls back to a real
// seeded sequence so long-running tests never run dry. Counts draws and reseeds.
class ScriptedRandomSource : public RandomSource
{
public:
    ScriptedRandomSource();

    void script(const QList<double>& fractions);
    double next() override;
    void reseedFromClock() override;

    int draws = 0;
    int reseeds = 0;

private:
    QList<double> m_script;
    std::mt19937_64 m_fallback;
};
