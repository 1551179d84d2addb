#include "access/accessible_names.h"

#include "access/accessible_texts.h"
#include "access/keyboard.h"
#include "app/controls/choice_list.h"
#include "app/controls/focus_button.h"
#include "app/controls/label.h"
#include "app/controls/picture.h"
#include "app/controls/shape.h"
#include "app/frmMath.h"
#include "app/phrases.h"
#include "problems/operations.h"

#include <QComboBox>
#include <QEvent>

#include <array>

namespace {

// A button, its name as the child hears it, and the marker that shows while its choice is
// the current one.
struct MarkedChoice
{
    QWidget* button;
    QString name;
    Shape* marker;
    QString description;
};

std::array<MarkedChoice, 7> markedChoices(const frmMath& w)
{
    const auto operation = [](const char* name) { return Phrases::operationName(QLatin1String(name)); };
    const QString operations = AccessibleTexts::operationDescription();
    const QString modes = AccessibleTexts::modeDescription();
    return { {
        { w.picPlus, operation("addition"), w.shpAddition, operations },
        { w.picMinus, operation("subtraction"), w.shpSubtraction, operations },
        { w.picX, operation("multiplication"), w.shpMultiplication, operations },
        { w.picDivide, operation("division"), w.shpDivision, operations },
        { w.lblStandard, Phrases::standardMode(), w.ShapeStandard, modes },
        { w.lblInteractive, Phrases::interactiveMode(), w.shapeInteractive, modes },
        { w.lblTimer, Phrases::timerMode(), w.ShapeTimer, modes },
    } };
}

// Only texts that changed are set again: each change is announced to screen readers.
void describe(QWidget* control, const QString& name, const QString& description)
{
    const QStringList keys = Keyboard::keyNames(control->objectName());
    if (control->accessibleName() != name)
        control->setAccessibleName(name);
    const QString fullDescription = AccessibleTexts::withKeys(description, keys);
    if (control->accessibleDescription() != fullDescription)
        control->setAccessibleDescription(fullDescription);
    const QString toolTip = keys.isEmpty() ? QString() : AccessibleTexts::keys(keys);
    if (control->toolTip() != toolTip)
        control->setToolTip(toolTip);
}

} // namespace

AccessibleNames::AccessibleNames(frmMath& window)
    : QObject(&window)
    , m_window(window)
{
    window.installEventFilter(this);
    refresh();
}

bool AccessibleNames::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window && (event->type() == QEvent::UpdateRequest || event->type() == QEvent::LanguageChange))
        refresh();
    return false;
}

QString AccessibleNames::cardName() const
{
    const frmMath& w = m_window;
    if (w.lbln1->isHidden() || w.lbln2->isHidden())
        return AccessibleTexts::emptyCard();
    // Read as the problem of interactive mode is spoken; the sign on the card always shows
    // the current operation.
    const Operations::Operation* operation = Operations::find(w.operation);
    const QString word = operation ? operation->word : w.lblOperation->caption();
    const QString problem = Phrases::problem(w.lbln1->caption(), word, w.lbln2->caption());
    if (w.lbln3->isHidden() || w.lbln3->caption().isEmpty())
        return problem;
    return AccessibleTexts::solvedProblem(problem, w.lbln3->caption());
}

void AccessibleNames::refresh()
{
    frmMath& w = m_window;
    describe(w.lblClickMe, cardName(), AccessibleTexts::cardDescription());
    for (Label* choice : { w.lbl1, w.lbl2, w.lbl3, w.lbl4, w.lbl5, w.lbl6 })
        describe(choice, AccessibleTexts::answer(choice->caption()), AccessibleTexts::answerDescription());

    for (const MarkedChoice& choice : markedChoices(w)) {
        const bool chosen = !choice.marker->isHidden();
        describe(choice.button, chosen ? AccessibleTexts::chosen(choice.name) : choice.name, choice.description);
    }

    describe(w.Picture1, AccessibleTexts::speechOn(), AccessibleTexts::switchSpeechOff());
    describe(w.Picture2, AccessibleTexts::speechOff(), AccessibleTexts::switchSpeechOn());
    describe(w.lstTimer, AccessibleTexts::timerList(), AccessibleTexts::timerListDescription());
    describe(w.cmbMinNum, AccessibleTexts::smallestNumber(), AccessibleTexts::rangeDescription());
    describe(w.cmbMaxNum, AccessibleTexts::largestNumber(), AccessibleTexts::rangeDescription());
    describe(w.img123, AccessibleTexts::greetingPicture(), AccessibleTexts::greetingDescription());
    // These two read their own captions.
    describe(w.lblTavikaWrites, QString(), AccessibleTexts::greetingDescription());
    describe(w.Label2, QString(), AccessibleTexts::linkDescription());
    describe(w.cmdDummy, AccessibleTexts::keyHelpName(), AccessibleTexts::keyHelp());
}
