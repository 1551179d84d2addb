#include "app/controls/choice_list.h"
#include "app/controls/frame.h"
#include "app/controls/label.h"
#include "app/controls/line_control.h"
#include "app/controls/picture.h"
#include "app/controls/shape.h"
#include "app/controls/tick_timer.h"
#include "app/event_pump.h"
#include "app/frmMath.h"
#include "app/phrases.h"
#include "problems/number_text.h"
#include "problems/operations.h"

#include <QComboBox>

void frmMath::HideModeMarkers()
{
    ShapeStandard->setVisible(false);
    ShapeTimer->setVisible(false);
    shapeInteractive->setVisible(false);
}

void frmMath::BeginModeChange(Shape* marker, bool enableMaxList, bool showPicture, bool hideChoices)
{
    HideModeMarkers();
    marker->setVisible(true);
    if (enableMaxList)
        cmbMaxNum->setEnabled(true);
    lblTimerStatus->setCaption(QString());
    Timer1->setEnabled(false);
    // A click or tick that came before the change is handled here, after the marker and
    // the timer have changed and before the rest of the change.
    m_pump.processPendingEvents();
    lstTimer->setEnabled(false);
    img123->setVisible(showPicture);
    if (hideChoices)
        frameChoices->setVisible(false);
    lblPress->setCaption(Phrases::clickFlashcard());
}

void frmMath::ApplyDivisionRule()
{
    if (operation == QLatin1String("division")) {
        minNumber = 1;
        cmbMinNum->setEnabled(false);
    } else {
        cmbMinNum->setEnabled(true);
    }
}

void frmMath::lblStandard_Click()
{
    BeginModeChange(ShapeStandard, true, true, true);
    mode = QStringLiteral("standard");
    Speak(Phrases::standardMode());
    ApplyDivisionRule();
    Speak(Phrases::clickFlashcard());
}

void frmMath::lblInteractive_Click()
{
    BeginModeChange(shapeInteractive, true, false, false);
    awaitingAnswer = 0;
    Speak(Phrases::interactiveMode());
    mode = QStringLiteral("interactive");
    frameChoices->setVisible(true);
    ShowSampleCard();
    ResetChoiceColours();
    NewProblem();
    ApplyDivisionRule();
    Speak(Phrases::clickPossibleAnswers());
}

void frmMath::lblTimer_Click()
{
    BeginModeChange(ShapeTimer, false, true, true);
    mode = QStringLiteral("timer");
    frameTimer->setVisible(true);
    lblPress->setCaption(QString());
    Speak(Phrases::chooseTimerValue());
    ClearTimerSelection();
    lstTimer->setEnabled(true);
    ApplyDivisionRule();
    cmbMaxNum->setEnabled(true);
}

void frmMath::ShowSampleCard()
{
    Line1->setVisible(true);
    lblOperation->setVisible(true);
    HideCardNumbers();
    const QString maximum = NumberText::fromDouble(maxNumber);
    lbln1->setCaption(maximum);
    lbln2->setCaption(maximum);
    // The largest problem of the range: the maximum with itself.
    if (const Operations::Operation* op = Operations::find(operation)) {
        operationWord = op->word;
        if (const auto answer = Operations::apply(operation, maxNumber, maxNumber))
            lbln3->setCaption(NumberText::fromDouble(*answer));
    }
    lbln1->setVisible(true);
    lbln2->setVisible(true);
    lbln3->setVisible(true);
}
