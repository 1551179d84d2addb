#include "app/controls/focus_button.h"
#include "app/controls/label.h"
#include "app/controls/range_list.h"
#include "app/frmMath.h"
#include "app/phrases.h"
#include "problems/number_text.h"
#include "problems/operations.h"

#include <QComboBox>

#include <cmath>

namespace {

double valueOf(const QComboBox* list)
{
    return NumberText::parseLeading(list->currentText());
}

} // namespace

void frmMath::CheckRange()
{
    const double low = valueOf(cmbMinNum);
    const double high = valueOf(cmbMaxNum);
    if (high >= low) {
        minRangeOk = QStringLiteral("y");
        maxRangeOk = QStringLiteral("y");
    } else {
        minRangeOk = QStringLiteral("n");
        maxRangeOk = QStringLiteral("n");
        Speak(Phrases::rangeComplaint());
    }
}

void frmMath::ApplyRange()
{
    lbln3->setCaption(QString());
    if (maxRangeOk != QLatin1String("y"))
        return;
    if (!Operations::find(operation))
        return;
    minNumber = valueOf(cmbMinNum);
    maxNumber = valueOf(cmbMaxNum);
    // A sample card of the maximum with itself, replaced at once by a drawn problem.
    const QString maximum = NumberText::fromDouble(maxNumber);
    lbln1->setCaption(maximum);
    lbln2->setCaption(maximum);
    const auto answer = Operations::apply(
        operation, NumberText::parseLeading(lbln1->caption()), NumberText::parseLeading(lbln2->caption()));
    if (answer && std::isfinite(*answer))
        lbln3->setCaption(NumberText::fromDouble(*answer));
}

void frmMath::cmbMinNum_Click()
{
    // Start-up selects this list while the marker is "44": that choice does nothing.
    if (startupMarker == QLatin1String("44"))
        return;
    RangeChosen(&PlayState::minRangeOk, cmbMinNum, &Phrases::minimumSet);
}

void frmMath::cmbMaxNum_Click()
{
    // The second list start-up selects: clear the marker and do nothing else.
    if (startupMarker == QLatin1String("44")) {
        startupMarker = QString();
        return;
    }
    RangeChosen(&PlayState::maxRangeOk, cmbMaxNum, &Phrases::maximumSet);
}

void frmMath::RangeChosen(QString PlayState::* rangeOk, QComboBox* list, QString (*confirmation)(const QString&))
{
    CheckRange();
    ApplyRange();
    // The possible answers are rebuilt for the card on show with its own operation, so
    // the right answer stays the one judged right even when the range is refused.
    if (mode == QLatin1String("interactive"))
        BuildChoicesForOperation();
    if (this->*rangeOk == QLatin1String("y")) {
        Speak(confirmation(list->currentText()));
        ComputeAnswer();
        ResetChoiceColours();
        NewProblem();
    }
    // A choice made with the keyboard or a screen reader leaves the focus on its list.
    auto* rangeList = qobject_cast<RangeList*>(list);
    if (!rangeList || !rangeList->takeChoiceWithoutMouse())
        cmdDummy->setFocus();
}
