#include "app/accessible_names.h"

#include "app/accessible_texts.h"
#include "app/controls/choice_list.h"
#include "app/controls/focus_button.h"
#include "app/controls/label.h"
#include "app/controls/picture.h"
#include "app/controls/shape.h"
#include "app/frmMath.h"
#include "app/keyboard.h"
#include "problems/operations.h"

#include <QComboBox>
#include <QEvent>

#include <array>

namespace {

// A button and the marker that shows when its choice is the current one.
struct MarkedChoice
{
    QWidget* button;
    Shape* marker;
    const char* name; // of the operation or mode
};

std::array<MarkedChoice, 4> operationButtons(const frmMath& w)
{
    return { { { w.picPlus, w.shpAddition, "addition" }, { w.picMinus, w.shpSubtraction, "subtraction" },
        { w.picX, w.shpMultiplication, "multiplication" }, { w.picDivide, w.shpDivision, "division" } } };
}

std::array<MarkedChoice, 3> modeButtons(const frmMath& w)
{
    return { { { w.lblStandard, w.ShapeStandard, "standard" }, { w.lblInteractive, w.shapeInteractive, "interactive" },
        { w.lblTimer, w.ShapeTimer, "timer" } } };
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
    // The card is read as it is written: by the sign on it.
    QString operation = w.lblOperation->caption();
    for (const MarkedChoice& button : operationButtons(w)) {
        const Operations::Operation* known = Operations::find(QLatin1String(button.name));
        if (known && known->sign == w.lblOperation->caption())
            operation = known->name;
    }
    const QString problem = AccessibleTexts::problem(operation, w.lbln1->caption(), w.lbln2->caption());
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

    for (const MarkedChoice& op : operationButtons(w)) {
        describe(op.button, AccessibleTexts::operation(QLatin1String(op.name), !op.marker->isHidden()),
            AccessibleTexts::operationDescription());
    }
    for (const MarkedChoice& mode : modeButtons(w)) {
        describe(mode.button, AccessibleTexts::mode(QLatin1String(mode.name), !mode.marker->isHidden()),
            AccessibleTexts::modeDescription());
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
