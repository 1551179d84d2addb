#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// Every text the window gives only to screen readers and tooltips, in one translation
// context, so translators find them together. What the child also hears (the problem, the
// names of operations and modes) comes from Phrases, so both say the same.
class AccessibleTexts
{
    Q_DECLARE_TR_FUNCTIONS(AccessibleTexts)

public:
    // The card once its answer shows: "12 plus 12 equals 24".
    static QString solvedProblem(const QString& problem, const QString& answer);
    // The card between two problems, while its numbers are hidden.
    static QString emptyCard();
    static QString cardDescription();

    static QString answer(const QString& caption);
    static QString answerDescription();

    static QString operationDescription();
    static QString modeDescription();

    static QString speechOn();
    static QString speechOff();
    static QString switchSpeechOff();
    static QString switchSpeechOn();

    static QString timerList();
    static QString timerListDescription();
    static QString smallestNumber();
    static QString largestNumber();
    static QString rangeDescription();
    static QString rangeGroup();

    static QString greetingPicture();
    static QString greetingDescription();
    static QString linkDescription();

    // The hidden button that holds the keyboard focus: a summary of the keys.
    static QString keyHelpName();
    static QString keyHelp();
    // The key help as the voice says it, its numbers in the form "from 1 to 6" needs.
    static QString spokenKeyHelp();
    // The keys that move between the controls; F1 says both helps.
    static QString focusHelp();

    // "Key: S" or "Keys: Space, Return, Enter".
    static QString keys(const QStringList& keyNames);
    // A description followed by the keys of its control.
    static QString withKeys(const QString& description, const QStringList& keyNames);
};
