#include "app/colours.h"
#include "app/controls/label.h"
#include "app/frmMath.h"
#include "app/phrases.h"
#include "problems/number_text.h"

void frmMath::lbl1_Click()
{
    JudgeChoice(lbl1);
}

void frmMath::lbl2_Click()
{
    JudgeChoice(lbl2);
}

void frmMath::lbl3_Click()
{
    JudgeChoice(lbl3);
}

void frmMath::lbl4_Click()
{
    JudgeChoice(lbl4);
}

void frmMath::lbl5_Click()
{
    JudgeChoice(lbl5);
}

void frmMath::lbl6_Click()
{
    JudgeChoice(lbl6);
}

void frmMath::JudgeChoice(Label* clicked)
{
    // Judged by value, not by place or text: the right value may have moved away from
    // the drawn position while the choices were made distinct.
    const float value = static_cast<float>(NumberText::parseLeading(clicked->caption()));
    if (value == correctAnswer) {
        AcceptAnswer();
        clicked->setBackColour(Colours::Green);
        lblPress->setCaption(Phrases::clickFlashcard());
    } else {
        RejectAnswer();
        clicked->setBackColour(Colours::Red);
    }
}

void frmMath::AcceptAnswer()
{
    const QString answer = NumberText::fromSingle(correctAnswer);
    Speak(answer);
    awaitingAnswer = 0;
    lbln3->setCaption(answer);
    lbln3->setVisible(true);
}

void frmMath::RejectAnswer()
{
    Speak(Phrases::wrongAnswer());
}
