#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Label;
class frmMath;
struct TestWindow;

// What the window tests read off the card and its six possible answers, and the real click on
// the card that they all make.

// A real click on the card, at its second number, where the caption-less lblClickMe lies.
void clickCard(TestWindow& t);

// The number a caption starts with; 0 for one that does not start with a number.
double valueOf(const Label* label);

QList<Label*> choices(const frmMath& w);

QStringList choiceCaptions(const frmMath& w);
