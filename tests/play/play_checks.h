#pragma once

#include "app/frmMath.h"
#include "support/card_reading.h"

#include <QList>
#include <QString>
#include <QStringList>

class Label;

// What the tests of play do to the window and read off it.

constexpr long long DealPasses = static_cast<long long>(frmMath::DealPause);

QString sumOfCard(const frmMath& w);

// The one choice that reads `value`, or nullptr when none or several do.
Label* choiceReading(const frmMath& w, const QString& value);

// What a click could change on the card.
QStringList cardState(const frmMath& w);

void verifyFreshCard(const frmMath& w);
