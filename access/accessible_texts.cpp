#include "access/accessible_texts.h"

#include "access/key_names.h"
#include "app/language.h"
#include "speech/spoken_numbers.h"

QString AccessibleTexts::solvedProblem(const QString& problem, const QString& answer)
{
    return tr("%1 equals %2").arg(problem, answer);
}

QString AccessibleTexts::emptyCard()
{
    return tr("flash card");
}

QString AccessibleTexts::cardDescription()
{
    return tr("Shows the answer, or the next problem");
}

QString AccessibleTexts::answer(const QString& caption)
{
    return tr("answer %1").arg(caption);
}

QString AccessibleTexts::answerDescription()
{
    return tr("Choose this answer");
}

QString AccessibleTexts::operationDescription()
{
    return tr("Play with this operation");
}

QString AccessibleTexts::modeDescription()
{
    return tr("Play this game");
}

QString AccessibleTexts::speechOn()
{
    return tr("speech on");
}

QString AccessibleTexts::speechOff()
{
    return tr("speech off");
}

QString AccessibleTexts::switchSpeechOff()
{
    return tr("Switches speech off");
}

QString AccessibleTexts::switchSpeechOn()
{
    return tr("Switches speech on");
}

QString AccessibleTexts::timerList()
{
    return tr("seconds to wait");
}

QString AccessibleTexts::timerListDescription()
{
    return tr("How many seconds until the answer shows");
}

QString AccessibleTexts::smallestNumber()
{
    return tr("smallest number");
}

QString AccessibleTexts::largestNumber()
{
    return tr("largest number");
}

QString AccessibleTexts::rangeDescription()
{
    return tr("The numbers on the cards go from the smallest to the largest number");
}

QString AccessibleTexts::rangeGroup()
{
    return tr("smallest and largest number");
}

QString AccessibleTexts::greetingPicture()
{
    return tr("Tavika at the chalkboard");
}

QString AccessibleTexts::greetingDescription()
{
    return tr("Tavika says hello");
}

QString AccessibleTexts::linkDescription()
{
    return tr("Opens the web page in the browser");
}

QString AccessibleTexts::keyHelpName()
{
    return tr("Numivox keys");
}

QString AccessibleTexts::keyHelp()
{
    const auto letter = [](Qt::Key english) { return KeyNames::name(KeyNames::inLanguage(english)); };
    //: %1, %2, %3 are the keys of the Standard, Interactive and Timer buttons, %4 the key of the
    //: loudspeaker, as the translation chooses them.
    return tr("Space or Enter: the card. 1 to 6: the answers. Plus, minus, times, divided by: the operations. "
              "%1, %2, %3: the modes. %4: speech on or off. Control Q: close.")
        .arg(letter(Qt::Key_S), letter(Qt::Key_I), letter(Qt::Key_T), letter(Qt::Key_M));
}

QString AccessibleTexts::spokenKeyHelp()
{
    //: Never shown. How the voice must say the numbers of "1 to 6" in the key help, where it
    //: reads the digits in the wrong form: ICU's rule set of the form
    //: ("%spellout-cardinal-masculine-genitive" for Russian "от одного до шести"), or number and
    //: word separated by commas where ICU has none ("1 одного, 6 шести"). Keep "-" where the
    //: voice says the digits right.
    const QString forms = tr("-", "numbers said in from 1 to 6");
    return SpokenNumbers(Language::current(), forms).inPhrase(keyHelp());
}

QString AccessibleTexts::focusHelp()
{
    return tr("Tab: go to the next button. Space or Enter: press it. F1: hear the keys again.");
}

QString AccessibleTexts::keys(const QStringList& keyNames)
{
    const QString joined = keyNames.join(QStringLiteral(", "));
    return keyNames.size() == 1 ? tr("Key: %1").arg(joined) : tr("Keys: %1").arg(joined);
}

QString AccessibleTexts::withKeys(const QString& description, const QStringList& keyNames)
{
    if (keyNames.isEmpty())
        return description;
    return tr("%1. %2").arg(description, keys(keyNames));
}
