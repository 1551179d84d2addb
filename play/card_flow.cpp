#include "app/controls/frame.h"
#include "app/controls/label.h"
#include "app/controls/line_control.h"
#include "app/frmMath.h"
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
            Speak(QStringLiteral("click flash card for answer"));
            revealHintSpoken = QStringLiteral("y");
        }
    } else {
        SpeakAnswer();
        if (continueHintSpoken != QLatin1String("y")) {
            Speak(QStringLiteral("click flash card to continue"));
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
    lblPress->setCaption(QStringLiteral("click answer to the right =====>"));
    Speak(lbln1->caption() + QLatin1Char(' ') + operationWord + QLatin1Char(' ') + lbln2->caption());
    if (answerHintSpoken != 1) {
        Speak(QStringLiteral("click on correct answer to the right"));
        answerHintSpoken = 1;
    }
}

void frmMath::NextCard()
{
    if (mode == QLatin1String("timer")) {
        lblTimerStatus->setCaption(
            QStringLiteral("waiting ") + NumberText::fromDouble(timerInterval / 1000) + QStringLiteral(" seconds "));
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
