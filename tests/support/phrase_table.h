#pragma once

#include <QRegularExpression>
#include <QStringList>

// Everything the program may say: its fixed phrases, and the shapes of the phrases it builds
// from numbers. Tests check what was said against it; the speech benchmark says its samples.
namespace PhraseTable {

// The fixed phrases that tests of several parts of the program wait for.
inline const QString RevealHint = QStringLiteral("click flash card for answer");
inline const QString ContinueHint = QStringLiteral("click flash card to continue");
inline const QString AnswerHint = QStringLiteral("click on correct answer to the right");
inline const QString WrongAnswer = QStringLiteral("wrong answer, try again");
inline const QString RangeComplaint
    = QStringLiteral("ut,oh, the minimum number must be less than or equal to the maximum number  ");
inline const QString Greeting = QStringLiteral("tavika  writes, 1 plus 1 equals 2. is tavika, correct?");

inline const QStringList& fixedPhrases()
{
    static const QStringList phrases = {
        "welcome to numivox, standard mode. click on flashcard to begin",
        "standard mode",
        "click flashcard",
        "interactive mode",
        "click possible answers to the right",
        "first choose a timer value in seconds",
        "timer mode",
        RevealHint,
        ContinueHint,
        AnswerHint,
        WrongAnswer,
        "addition",
        "subtraction",
        "multiplication",
        "division",
        RangeComplaint,
        Greeting,
    };
    return phrases;
}

// One example of each built phrase: an answer, a problem, a waiting time, a range choice.
inline const QStringList& builtExamples()
{
    static const QStringList phrases = {
        "24",
        "7 plus 5",
        "12 divided by 3",
        "5 seconds.",
        "the minimum number is now set to 10",
        "the maximum number is now set to 20",
    };
    return phrases;
}

inline bool isProgramPhrase(const QString& phrase)
{
    static const QRegularExpression built(
        QStringLiteral("^(\\d+|\\d+ (plus|minus|times|divided by) \\d+|[2-6] "
                       "seconds\\.|the (minimum|maximum) number is now set to \\d+)$"));
    return fixedPhrases().contains(phrase) || built.match(phrase).hasMatch();
}

} // namespace PhraseTable
