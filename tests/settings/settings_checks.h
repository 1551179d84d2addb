#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Label;
class QWidget;
class frmMath;
struct TestWindow;

// What the tests of the settings do to the window and read off it.

void clickCard(TestWindow& t);

QWidget* control(frmMath& w, const QString& name);

double valueOf(const Label* label);

double answerOf(const QString& sign, double a, double b);

QList<Label*> choices(const frmMath& w);

QStringList choiceCaptions(const frmMath& w);

// A freshly dealt card whose numbers lie in the range in force and fit the operation.
void verifyDealtCard(const frmMath& w, double low, double high);
