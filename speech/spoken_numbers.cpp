#include "speech/spoken_numbers.h"

#include <QRegularExpression>

#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

#include <algorithm>

struct SpokenNumbers::Icu
{
    icu::RuleBasedNumberFormat format;
};

namespace {

QString fromIcu(const icu::UnicodeString& text)
{
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

icu::UnicodeString toIcu(const QString& text)
{
    return icu::UnicodeString(reinterpret_cast<const UChar*>(text.utf16()), static_cast<int32_t>(text.size()));
}

bool hasRuleSet(const icu::RuleBasedNumberFormat& format, const QString& name)
{
    for (int32_t i = 0; i < format.getNumberOfRuleSetNames(); ++i) {
        if (fromIcu(format.getRuleSetName(i)) == name)
            return true;
    }
    return false;
}

// The value of a place: 20 and 24 are tens, 2000 thousands.
qint64 lowestPlace(qint64 number)
{
    qint64 place = 1;
    while (number % (place * 10) == 0 && number >= place * 10)
        place *= 10;
    return place;
}

} // namespace

SpokenNumbers::SpokenNumbers(const QString& language, const QString& forms)
{
    const QString given = forms.trimmed();
    if (given == QLatin1String("-"))
        return;
    if (given.isEmpty() || given.startsWith(QLatin1Char('%'))) {
        UErrorCode status = U_ZERO_ERROR;
        auto spellout = std::unique_ptr<Icu>(
            new Icu { { icu::URBNF_SPELLOUT, icu::Locale(language.toLatin1().constData()), status } });
        if (U_FAILURE(status))
            return;
        // ICU falls back to its root rules, English words, for a language it has none for.
        const icu::Locale actual = spellout->format.getLocale(ULOC_ACTUAL_LOCALE, status);
        if (U_FAILURE(status) || QLatin1String(actual.getLanguage()) != language.section(QLatin1Char('_'), 0, 0))
            return;
        m_ruleSet = given.isEmpty() ? fromIcu(spellout->format.getDefaultRuleSetName()) : given;
        if (hasRuleSet(spellout->format, m_ruleSet))
            m_icu = std::move(spellout);
        return;
    }
    for (const QString& pair : given.split(QLatin1Char(','))) {
        const QString entry = pair.trimmed();
        const qsizetype blank = entry.indexOf(QLatin1Char(' '));
        if (blank > 0 && entry.left(blank) == QLatin1String("-")) {
            m_minus = entry.mid(blank + 1).trimmed();
            continue;
        }
        bool isNumber = false;
        const qint64 number = entry.left(blank).toLongLong(&isNumber);
        if (blank > 0 && isNumber && number >= 0)
            m_list.append({ number, entry.mid(blank + 1).trimmed() });
    }
    std::sort(m_list.begin(), m_list.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
}

SpokenNumbers::~SpokenNumbers() = default;

bool SpokenNumbers::saysWords() const
{
    return m_icu || !m_list.isEmpty();
}

QString SpokenNumbers::words(const QString& number) const
{
    static const QRegularExpression whole(QStringLiteral("^-?[0-9]{1,15}$"));
    if (!saysWords() || !whole.match(number).hasMatch())
        return number;
    return spell(number.toLongLong());
}

QString SpokenNumbers::inPhrase(const QString& phrase) const
{
    if (!saysWords())
        return phrase;
    // A minus sign belongs to the number only where it starts a word ("-3", not "1-3"); a
    // number glued to a letter ("F1") is still read as a number, set apart from the letter.
    static const QRegularExpression number(QStringLiteral("(?<![\\w-])-(?=[0-9])|[0-9]+(?:[.,][0-9]+)?"));
    QString result;
    qsizetype done = 0;
    bool negative = false;
    for (auto it = number.globalMatch(phrase); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString text = match.captured();
        if (text == QLatin1String("-")) {
            negative = true;
            continue;
        }
        const qsizetype start = match.capturedStart() - (negative ? 1 : 0);
        const bool fraction = text.contains(QLatin1Char('.')) || text.contains(QLatin1Char(','));
        const bool tooLong = text.size() > 15;
        result += phrase.mid(done, start - done);
        if (start > 0 && phrase.at(start - 1).isLetter())
            result += QLatin1Char(' ');
        result += fraction || tooLong ? phrase.mid(start, match.capturedEnd() - start)
                                      : spell(negative ? -text.toLongLong() : text.toLongLong());
        done = match.capturedEnd();
        negative = false;
    }
    return result + phrase.mid(done);
}

QString SpokenNumbers::spell(qint64 number) const
{
    if (m_icu) {
        icu::UnicodeString out;
        icu::FieldPosition position;
        UErrorCode status = U_ZERO_ERROR;
        m_icu->format.format(static_cast<int64_t>(number), toIcu(m_ruleSet), out, position, status);
        if (U_SUCCESS(status) && !out.isEmpty())
            return fromIcu(out);
        return QString::number(number);
    }
    if (number < 0)
        return (m_minus.isEmpty() ? QStringLiteral("-") : m_minus + QLatin1Char(' ')) + compose(-number);
    return compose(number);
}

QString SpokenNumbers::compose(qint64 number) const
{
    // The largest word for the number's leading places, then the rest the same way: 24 is 20
    // and 4, but 345 is no 9 and 336.
    for (const auto& [value, word] : m_list) {
        if (value <= number && number - value < lowestPlace(value)) {
            const qint64 rest = number - value;
            return rest == 0 ? word : word + QLatin1Char(' ') + compose(rest);
        }
    }
    return QString::number(number);
}
