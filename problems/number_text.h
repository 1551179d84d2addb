#pragma once

#include <QString>
#include <QStringList>

// Numbers live in captions: every number the program puts on the card or into a phrase is
// written, and read back, through these two rules.
namespace NumberText {

// The longest leading decimal number of `text` (after leading blanks, with an optional
// sign), in any digits a language writes (0-9, Arabic-Indic, Persian, ...); a text that does
// not start with a number reads as 0.
double parseLeading(const QString& text);

// The shortest decimal text of a number: no blank, no separators, a minus only for
// negative values, no decimal point for whole values ("24", "0", "10000").
QString fromDouble(double value);

// The same for a single-precision value, with at most seven significant digits.
QString fromSingle(float value);

// Numbers are written in the digits of the child's language, as its translation gives them
// ("٠١٢٣٤٥٦٧٨٩"); these put the 0 to 9 of a text or list into them.
QString inShownDigits(const QString& text);
QStringList inShownDigits(const QStringList& texts);

} // namespace NumberText
