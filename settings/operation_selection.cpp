#include "app/controls/label.h"
#include "app/controls/shape.h"
#include "app/frmMath.h"
#include "app/phrases.h"
#include "problems/operations.h"

#include <QComboBox>

void frmMath::HideOperationMarkers()
{
    shpAddition->setVisible(false);
    shpSubtraction->setVisible(false);
    shpMultiplication->setVisible(false);
    shpDivision->setVisible(false);
}

Shape* frmMath::OperationMarker(const QString& name) const
{
    if (name == QLatin1String("addition"))
        return shpAddition;
    if (name == QLatin1String("subtraction"))
        return shpSubtraction;
    if (name == QLatin1String("multiplication"))
        return shpMultiplication;
    return shpDivision;
}

void frmMath::picPlus_Click()
{
    cmbMinNum->setEnabled(true);
    cmbMaxNum->setEnabled(true);
    ShowOperation(QStringLiteral("addition"));
}

void frmMath::picMinus_Click()
{
    cmbMinNum->setEnabled(true);
    cmbMaxNum->setEnabled(true);
    ShowOperation(QStringLiteral("subtraction"));
}

void frmMath::picX_Click()
{
    cmbMinNum->setEnabled(true);
    cmbMaxNum->setEnabled(true);
    ShowOperation(QStringLiteral("multiplication"));
}

void frmMath::picDivide_Click()
{
    // Division needs a first number of at least 1; the maximum list keeps its state.
    minNumber = 1;
    cmbMinNum->setEnabled(false);
    ShowOperation(QStringLiteral("division"));
}

void frmMath::ShowOperation(const QString& name)
{
    lblAddition->setCaption(Phrases::operationName(name));
    operation = name;
    HideOperationMarkers();
    OperationMarker(name)->setVisible(true);
    Speak(Phrases::operationName(name));
    lblOperation->setCaption(Operations::find(name)->sign);
    if (mode == QLatin1String("interactive")) {
        awaitingAnswer = 0;
        ClearChoices();
    }
    ResetChoiceColours();
    NewProblem();
}
