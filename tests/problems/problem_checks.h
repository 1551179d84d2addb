#pragma once

#include "support/card_reading.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <map>

class Label;
class frmMath;

// What the tests of the problems read off a window: the four operations, a possible answer by
// its position (1 to 6).
extern const QStringList AllOperations;

Label* choice(const frmMath& w, int position);

bool isPlainWholeNumber(const QString& caption);

// Pearson's statistic of the observed counts against the expected probabilities; cells
// expected to hold fewer than five draws are pooled so the statistic stays meaningful.
// True while the statistic stays below a bound so loose that only a real bias passes it.
template <typename Key>
bool spreadEvenly(
    const std::map<Key, int>& observed, const std::map<Key, double>& probability, int total, QByteArray& report)
{
    double statistic = 0;
    int cells = 0;
    double pooledExpected = 0;
    double pooledObserved = 0;
    for (const auto& [key, p] : probability) {
        const auto found = observed.find(key);
        const double count = found == observed.end() ? 0 : found->second;
        const double expected = p * total;
        if (expected < 5) {
            pooledExpected += expected;
            pooledObserved += count;
            continue;
        }
        statistic += (count - expected) * (count - expected) / expected;
        ++cells;
    }
    if (pooledExpected > 0) {
        statistic += (pooledObserved - pooledExpected) * (pooledObserved - pooledExpected) / pooledExpected;
        ++cells;
    }
    const int freedom = std::max(cells - 1, 0);
    const double bound = freedom + 8 * std::sqrt(2.0 * freedom) + 20;
    report = QStringLiteral("chi-square %1 with %2 degrees of freedom, bound %3")
                 .arg(statistic)
                 .arg(freedom)
                 .arg(bound)
                 .toUtf8();
    return statistic < bound;
}
