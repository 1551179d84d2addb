#include "problems/number_text.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace NumberText {

namespace {

bool isDigit(QChar c)
{
    return c.isDigit();
}

QString wholeText(double value)
{
    // -0 and whole values print as plain digits.
    return inShownDigits(QString::number(static_cast<qint64>(value == 0 ? 0 : value)));
}

// The ten digits of the child's language, 0 first; the program's own where the translation
// gives none that fit.
QString shownDigits()
{
    //: Not shown: the ten digits, 0 to 9, a teacher of the language writes sums with on paper at
    //: school ("٠١٢٣٤٥٦٧٨٩"). The card, the possible answers and the number lists show them.
    static const char* const digits = QT_TRANSLATE_NOOP("NumberText", "0123456789");
    const QString shown = QCoreApplication::translate("NumberText", digits);
    return shown.size() == 10 ? shown : QString::fromLatin1(digits);
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
    // toDouble reads only 0 to 9.
    QString number = text.mid(start, i - start);
    for (QChar& c : number) {
        if (c.isDigit())
            c = QChar(u'0' + c.digitValue());
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok ? value : 0;
}

QString fromDouble(double value)
{
    if (isPrintableWhole(value))
        return wholeText(value);
    return inShownDigits(QString::number(value, 'g', QLocale::FloatingPointShortest));
}

QString fromSingle(float value)
{
    const double widened = value;
    if (isPrintableWhole(widened))
        return wholeText(widened);
    return inShownDigits(QString::number(widened, 'g', 7));
}

QString inShownDigits(const QString& text)
{
    const QString digits = shownDigits();
    if (digits == QLatin1String("0123456789"))
        return text;
    QString shown = text;
    for (QChar& c : shown) {
        if (c >= u'0' && c <= u'9')
            c = digits[c.unicode() - u'0'];
    }
    return shown;
}

QStringList inShownDigits(const QStringList& texts)
{
    QStringList shown;
    for (const QString& text : texts)
        shown << inShownDigits(text);
    return shown;
}

} // namespace NumberText
