#pragma once

#include "app/frmMath.h"

#include <QList>
#include <QString>
#include <QStringList>

class Label;
struct TestWindow;

// What the tests of play do to the window and read off it.

constexpr long long DealPasses = static_cast<long long>(frmMath::DealPause);

// A real click on the card, at its second number, where the caption-less lblClickMe lies.
void clickCard(TestWindow& t);

double valueOf(const Label* label);

QString sumOfCard(const frmMath& w);

QList<Label*> choices(const frmMath& w);

// The one choice that reads `value`, or nullptr when none or several do.
Label* choiceReading(const frmMath& w, const QString& value);

// What a click could change on the card.
QStringList cardState(const frmMath& w);

void verifyFreshCard(const frmMath& w);
