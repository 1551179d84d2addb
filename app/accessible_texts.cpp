#include "app/accessible_texts.h"

namespace {

struct Named
{
    const char* name; // as the play state holds it
    const char* plain;
    const char* chosen;
};

// Whole phrases rather than a name plus "chosen": several languages inflect the word
// for "chosen" by the gender of what was chosen.
const Named Operations[] = {
    { "addition", QT_TRANSLATE_NOOP("AccessibleTexts", "addition"),
        QT_TRANSLATE_NOOP("AccessibleTexts", "addition, chosen") },
    { "subtraction", QT_TRANSLATE_NOOP("AccessibleTexts", "subtraction"),
        QT_TRANSLATE_NOOP("AccessibleTexts", "subtraction, chosen") },
    { "multiplication", QT_TRANSLATE_NOOP("AccessibleTexts", "multiplication"),
        QT_TRANSLATE_NOOP("AccessibleTexts", "multiplication, chosen") },
    { "division", QT_TRANSLATE_NOOP("AccessibleTexts", "division"),
        QT_TRANSLATE_NOOP("AccessibleTexts", "division, chosen") },
};

const Named Modes[] = {
    { "standard", QT_TRANSLATE_NOOP("AccessibleTexts", "standard mode"),
        QT_TRANSLATE_NOOP("AccessibleTexts", "standard mode, chosen") },
    { "interactive", QT_TRANSLATE_NOOP("AccessibleTexts", "interactive mode"),
        QT_TRANSLATE_NOOP("AccessibleTexts", "interactive mode, chosen") },
    { "timer", QT_TRANSLATE_NOOP("AccessibleTexts", "timer mode"),
        QT_TRANSLATE_NOOP("AccessibleTexts", "timer mode, chosen") },
};

// "%1 plus %2" and its kin, by operation; the numbers may move in other languages.
const Named Problems[] = {
    { "addition", QT_TRANSLATE_NOOP("AccessibleTexts", "%1 plus %2"), nullptr },
    { "subtraction", QT_TRANSLATE_NOOP("AccessibleTexts", "%1 minus %2"), nullptr },
    { "multiplication", QT_TRANSLATE_NOOP("AccessibleTexts", "%1 times %2"), nullptr },
    { "division", QT_TRANSLATE_NOOP("AccessibleTexts", "%1 divided by %2"), nullptr },
};

template <size_t N> const Named* find(const Named (&table)[N], const QString& name)
{
    for (const Named& row : table) {
        if (name == QLatin1String(row.name))
            return &row;
    }
    return nullptr;
}

QString translate(const char* source)
{
    return QCoreApplication::translate("AccessibleTexts", source);
}

} // namespace

QString AccessibleTexts::problem(const QString& operation, const QString& n1, const QString& n2)
{
    const Named* row = find(Problems, operation);
    return row ? translate(row->plain).arg(n1, n2) : QStringList { n1, operation, n2 }.join(QLatin1Char(' '));
}

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

QString AccessibleTexts::operation(const QString& operation, bool chosen)
{
    const Named* row = find(Operations, operation);
    return row ? translate(chosen ? row->chosen : row->plain) : operation;
}

QString AccessibleTexts::operationDescription()
{
    return tr("Play with this operation");
}

QString AccessibleTexts::mode(const QString& mode, bool chosen)
{
    const Named* row = find(Modes, mode);
    return row ? translate(chosen ? row->chosen : row->plain) : mode;
}

QString AccessibleTexts::modeDescription()
{
    return tr("Play in this mode");
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
    return tr("Space or Enter: the card. 1 to 6: the answers. Plus, minus, times, divided by: the operations. "
              "S, I, T: the modes. M: speech on or off. Control Q: close.");
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
