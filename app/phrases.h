#pragma once

#include <QCoreApplication>
#include <QString>

// Every text the child reads or hears, in the language of the installed translation. The
// English texts are the program's own words, character for character (odd blanks included);
// a phrase built from numbers is one whole sentence with placeholders, so each language can
// put the numbers where its grammar wants them. Internal values (operation and mode names,
// flags) never pass through here.
class Phrases
{
    Q_DECLARE_TR_FUNCTIONS(Phrases)

public:
    // A caption of the window's layout table, marked there with QT_TRANSLATE_NOOP("Phrases", ...).
    static QString caption(const QString& source);

    // Captions the program writes while it runs.
    static QString clickFlashcard(); // also spoken
    static QString clickAnswerToTheRight();
    static QString waitingSeconds(const QString& seconds);
    static QString operationName(const QString& operation); // also spoken

    // Spoken phrases.
    static QString welcome();
    static QString standardMode();
    static QString interactiveMode();
    static QString clickPossibleAnswers();
    static QString chooseTimerValue();
    static QString timerMode();
    static QString seconds(const QString& entry);
    static QString revealHint();
    static QString continueHint();
    static QString problem(const QString& n1, const QString& operationWord, const QString& n2);
    static QString answerHint();
    static QString wrongAnswer();
    static QString minimumSet(const QString& entry);
    static QString maximumSet(const QString& entry);
    static QString rangeComplaint();
    static QString greeting();
};
