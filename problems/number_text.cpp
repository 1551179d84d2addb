#include "problems/number_text.h"

#include <QLocale>

#include <cmath>

namespace NumberText {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

QString wholeText(double value)
{
    // -0 and whole values print as plain digits.
    return QString::number(static_cast<qint64>(value == 0 ? 0 : value));
}

bool isPrintableWhole(double value)
{
    return std::isfinite(value) && std::floor(value) == value && std::fabs(value) < 1e15;
}

} // namespace

double parseLeading(const QString& text)
{
    int i = 0;
    const int n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const int start = i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    int digits = 0;
    while (i < n && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    bool ok = false;
    const double value = text.mid(start, i - start).toDouble(&ok);
    return ok ? value : 0;
}

QString fromDouble(double value)
{
    if (isPrintableWhole(value))
        return wholeText(value);
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString fromSingle(float value)
{
    const double widened = value;
    if (isPrintableWhole(widened))
        return wholeText(widened);
    return QString::number(widened, 'g', 7);
}

} // namespace NumberText
