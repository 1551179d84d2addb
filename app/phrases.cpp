#include "app/phrases.h"

#include "app/language.h"
#include "problems/number_text.h"
#include "problems/operations.h"
#include "speech/spoken_numbers.h"

#include <cmath>

namespace {

// Languages with several plural forms ("3 sekundy", "5 sekund") choose by the count.
int countOf(const QString& number)
{
    return static_cast<int>(std::lround(NumberText::parseLeading(number)));
}

// A number as the voice must say it where a word next to it decides its form. The voice reads
// a digit in its default form, so Polish "2 sekundy" comes out "dwa sekundy" where the
// feminine noun needs "dwie", and Czech "12 děleno 3" needs "třemi" after "děleno"; plural forms
// cannot help, as they put 2 together with 3 and 4. A translation that needs it names the ICU
// rule set of that form ("%spellout-cardinal-feminine"), or lists the numbers as words where
// ICU has no such form ("1 jedním, 2 dvěma"); every number in English ("-") stays digits.
QString spokenNumber(const QString& forms, const QString& number)
{
    return SpokenNumbers(Language::current(), forms).words(number);
}

} // namespace

QString Phrases::caption(const QString& source)
{
    return QCoreApplication::translate("Phrases", source.toUtf8().constData());
}

QString Phrases::clickFlashcard()
{
    return tr("click flashcard");
}

QString Phrases::clickAnswerToTheRight()
{
    return tr("click answer to the right =====>");
}

QString Phrases::waitingSeconds(const QString& seconds)
{
    //: Status line under the card while a problem waits; %1 is the number of seconds.
    return tr("waiting %1 seconds ", nullptr, countOf(seconds)).arg(seconds);
}

QString Phrases::operationName(const QString& operation)
{
    // The operation keeps its English name inside the program; only what is shown and said
    // is translated. The names are marked for translation in the operations table.
    if (const Operations::Operation* known = Operations::find(operation))
        return caption(known->name);
    return operation;
}

QString Phrases::welcome()
{
    return tr("welcome to numivox, standard mode. click on flashcard to begin");
}

QString Phrases::standardMode()
{
    return tr("standard mode");
}

QString Phrases::interactiveMode()
{
    return tr("interactive mode");
}

QString Phrases::clickPossibleAnswers()
{
    return tr("click possible answers to the right");
}

QString Phrases::chooseTimerValue()
{
    return tr("first choose a timer value in seconds");
}

QString Phrases::timerMode()
{
    return tr("timer mode");
}

QString Phrases::seconds(const QString& entry)
{
    //: Never shown. How the voice must say the numbers before "seconds", where it reads the digits
    //: in the wrong form for that noun: ICU's rule set of the form ("%spellout-cardinal-feminine"),
    //: or number and word separated by commas where ICU has none ("1 jedna, 2 dwie"). Keep "-"
    //: where the voice says the digits right.
    const QString words = tr("-", "numbers said before seconds");
    //: Said after a waiting time was chosen; %1 is the number of seconds, or its word.
    return tr("%1 seconds.", nullptr, countOf(entry)).arg(spokenNumber(words, entry));
}

QString Phrases::revealHint()
{
    return tr("click flash card for answer");
}

QString Phrases::continueHint()
{
    return tr("click flash card to continue");
}

QString Phrases::problem(const QString& n1, const QString& operationWord, const QString& n2)
{
    // One sentence per operation, so a language may say "12 geteilt durch 3" or put the
    // numbers elsewhere; operationWord is the program's English word for the operation.
    if (operationWord == QLatin1String("plus"))
        return tr("%1 plus %2").arg(n1, n2);
    if (operationWord == QLatin1String("minus"))
        return tr("%1 minus %2").arg(n1, n2);
    if (operationWord == QLatin1String("times"))
        return tr("%1 times %2").arg(n1, n2);
    if (operationWord == QLatin1String("divided by")) {
        //: Never shown. How the voice must say the numbers after "divided by", where it reads the
        //: digits in the wrong form: ICU's rule set of the form, or number and word separated by
        //: commas where ICU has none (Czech "2 dvěma, 3 třemi, 20 dvaceti": 24 is composed
        //: "dvaceti čtyřmi"). Keep "-" where the voice says the digits right.
        const QString words = tr("-", "numbers said after divided by");
        return tr("%1 divided by %2").arg(n1, spokenNumber(words, n2));
    }
    return n1 + QLatin1Char(' ') + operationWord + QLatin1Char(' ') + n2;
}

QString Phrases::answerHint()
{
    return tr("click on correct answer to the right");
}

QString Phrases::wrongAnswer()
{
    return tr("wrong answer, try again");
}

QString Phrases::minimumSet(const QString& entry)
{
    return tr("the minimum number is now set to %1").arg(entry);
}

QString Phrases::maximumSet(const QString& entry)
{
    return tr("the maximum number is now set to %1").arg(entry);
}

QString Phrases::rangeComplaint()
{
    //: The two blanks at the end belong to the English phrase; a translation needs none.
    return tr("ut,oh, the minimum number must be less than or equal to the maximum number  ");
}

QString Phrases::greeting()
{
    //: Said when the child clicks the picture of Tavika writing 1 + 1 = 2 on a chalkboard.
    return tr("tavika  writes, 1 plus 1 equals 2. is tavika, correct?");
}
