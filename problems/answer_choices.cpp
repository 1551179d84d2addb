#include "app/colours.h"
#include "app/controls/frame.h"
#include "app/controls/label.h"
#include "app/frmMath.h"
#include "problems/number_text.h"
#include "problems/operations.h"
#include "problems/random_source.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int ChoiceCount = 6;

} // namespace

Label* frmMath::choiceAt(int position) const
{
    Label* const choices[ChoiceCount] = { lbl1, lbl2, lbl3, lbl4, lbl5, lbl6 };
    return choices[position - 1];
}

void frmMath::BuildChoicesForOperation()
{
    if (operation == QLatin1String("addition"))
        BuildChoicesAddition();
    else if (operation == QLatin1String("subtraction"))
        BuildChoicesSubtraction();
    else if (operation == QLatin1String("multiplication"))
        BuildChoicesMultiplication();
    else if (operation == QLatin1String("division"))
        BuildChoicesDivision();
}

void frmMath::BuildChoicesAddition()
{
    BuildChoices(QStringLiteral("addition"), &frmMath::FillDistractorsAddition);
}

void frmMath::BuildChoicesSubtraction()
{
    BuildChoices(QStringLiteral("subtraction"), &frmMath::FillDistractorsSubtraction);
}

void frmMath::BuildChoicesMultiplication()
{
    BuildChoices(QStringLiteral("multiplication"), &frmMath::FillDistractorsMultiplication);
}

void frmMath::BuildChoicesDivision()
{
    BuildChoices(QStringLiteral("division"), &frmMath::FillDistractorsDivision);
}

void frmMath::BuildChoices(const QString& operationName, void (frmMath::*fill)())
{
    operationWord = Operations::find(operationName)->word;
    ClearChoices();
    frameChoices->setVisible(true);
    const double n2 = NumberText::parseLeading(lbln2->caption());
    const double n1 = NumberText::parseLeading(lbln1->caption());
    const auto answer = Operations::apply(operationName, n1, n2);
    if (!answer)
        return; // a division by 0 ends the build here
    correctAnswer = static_cast<float>(*answer);
    DrawCorrectPosition();
    PlaceCorrectAnswer();
    (this->*fill)();
    do {
        BumpDuplicateChoices();
        CheckDuplicateChoices();
    } while (duplicateFound == QLatin1String("y"));
}

void frmMath::ClearChoices()
{
    for (int position = 1; position <= ChoiceCount; ++position)
        choiceAt(position)->setCaption(QString());
}

void frmMath::ResetChoiceColours()
{
    for (int position = 1; position <= ChoiceCount; ++position)
        choiceAt(position)->setBackColour(Colours::White);
}

void frmMath::DrawCorrectPosition()
{
    // The position lives in delayCounter, the busy waits' counter: a build nested inside a
    // wait therefore restarts that wait's count from the position.
    const float r = std::min(static_cast<float>(m_random.next()), std::nextafter(1.0f, 0.0f));
    delayCounter = static_cast<float>(std::floor(6.0 * r + 1.0));
}

void frmMath::PlaceCorrectAnswer()
{
    for (int position = 1; position <= ChoiceCount; ++position) {
        if (delayCounter == position) {
            choiceAt(position)->setCaption(NumberText::fromSingle(correctAnswer));
            return;
        }
    }
}

void frmMath::FillDistractorsAddition()
{
    FillDistractors([](double m) { return 2 * m; });
}

void frmMath::FillDistractorsSubtraction()
{
    FillDistractors([](double m) { return m; });
}

void frmMath::FillDistractorsMultiplication()
{
    FillDistractors([](double m) { return m * m; });
}

void frmMath::FillDistractorsDivision()
{
    FillDistractors([](double m) { return m / 2; });
}

void frmMath::FillDistractors(double (*bound)(double maxNumber))
{
    for (int position = 1; position <= ChoiceCount; ++position) {
        if (position == delayCounter)
            continue;
        const double k = bound(maxNumber);
        const double distractor = std::floor(m_random.next() * k + 0.5);
        choiceAt(position)->setCaption(NumberText::fromDouble(distractor));
    }
}

void frmMath::BumpDuplicateChoices()
{
    for (int k = 2; k <= ChoiceCount; ++k) {
        const QString text = choiceAt(k)->caption();
        for (int earlier = 1; earlier < k; ++earlier) {
            if (choiceAt(earlier)->caption() == text) {
                choiceAt(k)->setCaption(NumberText::fromDouble(NumberText::parseLeading(text) + 1));
                break;
            }
        }
    }
}

void frmMath::CheckDuplicateChoices()
{
    duplicateFound = QStringLiteral("n");
    for (int a = 2; a <= ChoiceCount; ++a) {
        for (int b = 1; b < a; ++b) {
            if (choiceAt(a)->caption() == choiceAt(b)->caption())
                duplicateFound = QStringLiteral("y");
        }
    }
}
