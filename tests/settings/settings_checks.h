#pragma once

#include "support/card_reading.h"

#include <QString>
#include <QStringList>

class QWidget;
class frmMath;

// What the tests of the settings do to the window and read off it.

QWidget* control(frmMath& w, const QString& name);

double answerOf(const QString& sign, double a, double b);

// A freshly dealt card whose numbers lie in the range in force and fit the operation.
void verifyDealtCard(const frmMath& w, double low, double high);
