#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// Every text the window gives to screen readers and tooltips, in one translation context,
// so translators find them together. Operation and mode names are those of the play state
// ("addition", "standard"); numbers come as the captions the window shows.
class AccessibleTexts
{
    Q_DECLARE_TR_FUNCTIONS(AccessibleTexts)

public:
    // The card: "7 plus 5" while the answer is hidden, "12 plus 12 equals 24" once shown.
    static QString problem(const QString& operation, const QString& n1, const QString& n2);
    static QString solvedProblem(const QString& problem, const QString& answer);
    // The card between two problems, while its numbers are hidden.
    static QString emptyCard();
    static QString cardDescription();

    static QString answer(const QString& caption);
    static QString answerDescription();

    static QString operation(const QString& operation, bool chosen);
    static QString operationDescription();

    static QString mode(const QString& mode, bool chosen);
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

    static QString greetingPicture();
    static QString greetingDescription();
    static QString linkDescription();

    // The hidden button that holds the keyboard focus: a summary of the keys.
    static QString keyHelpName();
    static QString keyHelp();

    // "Key: S" or "Keys: Space, Return, Enter".
    static QString keys(const QStringList& keyNames);
    // A description followed by the keys of its control.
    static QString withKeys(const QString& description, const QStringList& keyNames);
};
