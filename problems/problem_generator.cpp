#include "app/controls/label.h"
#include "app/controls/line_control.h"
#include "app/event_pump.h"
#include "app/frmMath.h"
#include "problems/number_text.h"
#include "problems/operations.h"
#include "problems/random_source.h"

#include <QString>

#include <cmath>

namespace {

// Written into both number captions before drawing: above every selectable maximum, so
// it never passes a test and every loop draws at least once.
const QString DrawSentinel = QStringLiteral("111");

bool within(double value, double low, double high)
{
    return low <= value && value <= high;
}

} // namespace

void frmMath::NewProblem()
{
    if (!Operations::find(operation))
        return;
    GenerateNumbers();
    // The builder is picked only now, after GenerateNumbers has let events run: a click on
    // an operation picture in that pass deals the new operation's card, and the choices
    // must be built for the card on show, not for the operation this call started with.
    if (mode == QLatin1String("interactive"))
        BuildChoicesForOperation();
}

bool frmMath::RangeCanBeDrawn() const
{
    // The loops have no way out but an accepted draw: with the minimum above the maximum,
    // or a maximum that would let the sentinel pass, they would spin for ever.
    const double low = operation == QLatin1String("division") ? std::max(minNumber, 1.0) : minNumber;
    return low <= maxNumber && maxNumber >= 0 && maxNumber < 111;
}

void frmMath::DrawInto(Label* caption, double k)
{
    const double draw = std::floor((maxNumber + 1) * m_random.next() + k);
    caption->setCaption(NumberText::fromDouble(draw));
}

void frmMath::GenerateNumbers()
{
    HideCardNumbers();
    lbln1->setCaption(DrawSentinel);
    lbln2->setCaption(DrawSentinel);
    const auto n1 = [this] { return NumberText::parseLeading(lbln1->caption()); };
    const auto n2 = [this] { return NumberText::parseLeading(lbln2->caption()); };
    const auto drawFirstNumber = [&] {
        while (!within(n1(), minNumber, maxNumber)) {
            m_random.reseedFromClock();
            DrawInto(lbln1, 0);
        }
    };

    if (operation == QLatin1String("addition") || operation == QLatin1String("multiplication")) {
        if (!RangeCanBeDrawn())
            return;
        drawFirstNumber();
        while (!within(n2(), minNumber, maxNumber)) {
            m_random.reseedFromClock();
            DrawInto(lbln2, 0);
        }
    } else if (operation == QLatin1String("subtraction")) {
        if (!RangeCanBeDrawn())
            return;
        drawFirstNumber();
        while (!(within(n2(), minNumber, maxNumber) && n1() - n2() >= 0)) {
            m_random.reseedFromClock();
            DrawInto(lbln2, 0);
        }
    } else if (operation == QLatin1String("division")) {
        m_random.reseedFromClock();
        if (minNumber == 0)
            minNumber = 1;
        if (!RangeCanBeDrawn())
            return;
        drawFirstNumber();
        // The divisor comes from 1 to maxNumber + 1 and only a whole quotient passes; the
        // top candidate never divides a number of the range.
        double quotient = 0;
        do {
            DrawInto(lbln2, 1);
            quotient = n1() / n2();
        } while (std::floor(quotient) != quotient);
    }

    m_pump.processPendingEvents();
    lbln1->setVisible(true);
    lbln2->setVisible(true);
}

void frmMath::ComputeAnswer()
{
    if (mode == QLatin1String("timer"))
        lblTimerStatus->setCaption(QString());
    const auto answer = Operations::apply(
        operation, NumberText::parseLeading(lbln1->caption()), NumberText::parseLeading(lbln2->caption()));
    if (answer && std::isfinite(*answer))
        lbln3->setCaption(NumberText::fromDouble(*answer));
    lbln1->setVisible(true);
    lbln2->setVisible(true);
    lbln3->setVisible(true);
    lblOperation->setVisible(true);
    Line1->setVisible(true);
}

void frmMath::HideCardNumbers()
{
    lbln1->setVisible(false);
    lbln2->setVisible(false);
    lbln3->setVisible(false);
}

void frmMath::SpeakAnswer()
{
    ComputeAnswer();
    Speak(lbln3->caption());
}
