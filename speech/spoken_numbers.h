#pragma once

#include <QList>
#include <QString>

#include <memory>
#include <utility>

// How a voice wants the numbers of its phrases: in words of the language (in the forms given
// as for SpokenNumbers), or, with no language, as the digits they are.
struct NumbersInWords
{
    QString language; // as Qt names it: "ru", "pt_BR"
    QString forms;
};

// Whole numbers as the words of a language, for a voice that would read the digits wrong or in
// the wrong form for the word next to them ("2 sekundy" needs the feminine "dwie"). The words
// come from ICU's spellout rules, in a rule set such as "%spellout-cardinal-feminine", or from a
// hand-written list where ICU has no such form ("2 dvěma, 3 třemi, 20 dvaceti"; "- word" names the minus sign). A list
// composes a number from its places: with "20 dvaceti" and "4 čtyřmi", 24 is "dvaceti čtyřmi"; a part it cannot compose
// stays digits, for the voice to read. Not thread-safe: one per thread.
class SpokenNumbers
{
public:
    // forms: an ICU rule set of the language ("%spellout-cardinal-masculine-genitive"), a
    // hand-written list of number and word pairs separated by commas, or "" for the language's
    // own default rule set. "-", and a rule set ICU lacks, leave every number digits.
    SpokenNumbers(const QString& language, const QString& forms);
    ~SpokenNumbers();
    SpokenNumbers(const SpokenNumbers&) = delete;
    SpokenNumbers& operator=(const SpokenNumbers&) = delete;

    // False when every number stays digits.
    bool saysWords() const;

    // The words for a whole number written in digits ("24", "-3"); any other text unchanged.
    QString words(const QString& number) const;

    // The phrase with every whole number in it in words; numbers with a decimal part stay as
    // they are, as no rule here knows how the language reads them.
    QString inPhrase(const QString& phrase) const;

private:
    QString spell(qint64 number) const;
    QString compose(qint64 number) const;

    struct Icu; // ICU's formatter, kept out of this header with ICU's namespace macros
    std::unique_ptr<Icu> m_icu;
    QString m_ruleSet;
    QList<std::pair<qint64, QString>> m_list; // largest first
    QString m_minus; // a list's word for the minus sign ("- マイナス")
};
