#include "app/controls/frame.h"
#include "app/controls/label.h"
#include "app/controls/line_control.h"
#include "app/frmMath.h"
#include "app/phrases.h"
#include "problems/number_text.h"

void frmMath::lblClickMe_Click()
{
    if (mode == QLatin1String("interactive"))
        DealInteractiveCard();
    else
        RevealOrNextCard();
}

void frmMath::RevealOrNextCard()
{
    if (mode == QLatin1String("timer"))
        return;
    CheckRange();
    if (!lbln3->isHidden()) {
        HideCardNumbers();
        BusyWait(DealPause);
        NextCard();
        if (revealHintSpoken != QLatin1String("y")) {
            Speak(Phrases::revealHint());
            revealHintSpoken = QStringLiteral("y");
        }
    } else {
        SpeakAnswer();
        if (continueHintSpoken != QLatin1String("y")) {
            Speak(Phrases::continueHint());
            continueHintSpoken = QStringLiteral("y");
        }
    }
}

void frmMath::DealInteractiveCard()
{
    if (awaitingAnswer != 0)
        return;
    HideCardNumbers();
    BusyWait(DealPause);
    NextCard();
    awaitingAnswer = 1;
    lblPress->setCaption(Phrases::clickAnswerToTheRight());
    Speak(Phrases::problem(lbln1->caption(), operationWord, lbln2->caption()));
    if (answerHintSpoken != 1) {
        Speak(Phrases::answerHint());
        answerHintSpoken = 1;
    }
}

void frmMath::NextCard()
{
    if (mode == QLatin1String("timer")) {
        lblTimerStatus->setCaption(Phrases::waitingSeconds(NumberText::fromDouble(timerInterval / 1000)));
    }
    if (mode == QLatin1String("interactive")) {
        ResetChoiceColours();
        frameChoices->setVisible(true);
        lblPress->setCaption(QString());
    }
    lblOperation->setVisible(true);
    Line1->setVisible(true);
    NewProblem();
}
