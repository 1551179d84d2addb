#pragma once

#include <QString>

// Everything the window remembers between two events. Texts are compared exactly; an
// empty text is "not set yet". Values are those the window starts from before Form_Load
// sets its own.
struct PlayState
{
    QString operation; // "addition", "subtraction", "multiplication", "division"
    QString operationWord; // "plus", "minus", "times", "divided by"
    QString mode; // "standard", "interactive", "timer"
    double minNumber = 0; // smallest number allowed on a card
    double maxNumber = 0; // largest number allowed on a card
    float correctAnswer = 0; // the right answer of the card on show, single precision
    int awaitingAnswer = 0; // interactive mode: 1 while a dealt card waits for its answer
    double delayCounter = 0; // busy-wait counter; also the drawn position of the right answer
    double timerInterval = 0; // timer mode waiting time in milliseconds
    QString muteFlag; // "x" = speech off
    QString startupMarker; // "44" while start-up selects the range lists
    QString minRangeOk; // "y" / "n"
    QString maxRangeOk; // "y" / "n"
    QString duplicateFound; // "y" / "n"
    QString revealHintSpoken; // "y" once "click flash card for answer" was said
    QString continueHintSpoken; // "y" once "click flash card to continue" was said
    int answerHintSpoken = 0; // 1 once "click on correct answer to the right" was said
};
