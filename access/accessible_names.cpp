#include "access/accessible_names.h"

#include "access/accessible_texts.h"
#include "access/accessible_tree.h"
#include "access/announcer.h"
#include "access/keyboard.h"
#include "app/controls/choice_list.h"
#include "app/controls/focus_button.h"
#include "app/controls/label.h"
#include "app/controls/picture.h"
#include "app/controls/shape.h"
#include "app/frmMath.h"
#include "app/phrases.h"
#include "problems/operations.h"

#include "app/colours.h"
#include "app/controls/frame.h"

#include <QAccessible>
#include <QComboBox>
#include <QEvent>
#include <QRegularExpression>

#include <array>

namespace {

// A button of a set, its name as the child hears it; whether it is the chosen one is its
// checked state.
struct Choice
{
    QWidget* button;
    QString name;
    QString description;
};

std::array<Choice, 7> choices(const frmMath& w)
{
    const auto operation = [](const char* name) { return Phrases::operationName(QLatin1String(name)); };
    const QString operations = AccessibleTexts::operationDescription();
    const QString modes = AccessibleTexts::modeDescription();
    return { {
        { w.picPlus, operation("addition"), operations },
        { w.picMinus, operation("subtraction"), operations },
        { w.picX, operation("multiplication"), operations },
        { w.picDivide, operation("division"), operations },
        { w.lblStandard, Phrases::standardMode(), modes },
        { w.lblInteractive, Phrases::interactiveMode(), modes },
        { w.lblTimer, Phrases::timerMode(), modes },
    } };
}

// Only texts that changed are set again: each change is announced to screen readers. The
// control that has the focus changes quietly: Qt 6.4 tells a new name or description as a
// reference to the control instead of a text, which makes Orca 43 fail; Orca 48 speaks the new
// name with the control's role and key on top of the news. What changed on it is told as news.
void describe(QWidget* control, const QString& name, const QString& description)
{
    const QStringList keys = Keyboard::keyNames(control->objectName());
    const QString fullDescription = AccessibleTexts::withKeys(description, keys);
    const bool quiet = control->hasFocus();
    AccessibleTree::setQuietTexts(control, name, fullDescription);
    if (!quiet && control->accessibleName() != name)
        control->setAccessibleName(name);
    if (!quiet && control->accessibleDescription() != fullDescription)
        control->setAccessibleDescription(fullDescription);
    const QString toolTip = keys.isEmpty() ? QString() : AccessibleTexts::keys(keys);
    if (control->toolTip() != toolTip)
        control->setToolTip(toolTip);
}

} // namespace

AccessibleNames::AccessibleNames(frmMath& window)
    : QObject(&window)
    , m_window(window)
    , m_announcer(new Announcer(&window))
{
    for (Label* answer : { window.lbl1, window.lbl2, window.lbl3, window.lbl4, window.lbl5, window.lbl6 })
        connect(answer, &Label::backColourSet, this, &AccessibleNames::answerJudged);
    connect(m_announcer, &Announcer::aboutToSpeak, this, &AccessibleNames::refresh);
    window.installEventFilter(this);
    refresh();
}

QString AccessibleNames::spoken(const QString& caption)
{
    static const QRegularExpression art(QStringLiteral("[\\s\\p{P}\\p{S}]*[\\p{P}\\p{S}]{2,}[\\s\\p{P}\\p{S}]*$"));
    return QString(caption).remove(art).simplified();
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

QString AccessibleNames::cardPrompt() const
{
    // The line at the bottom of the card: what to do now, or how long the wait is.
    const QString status = spoken(m_window.lblTimerStatus->caption());
    const QString prompt = status.isEmpty() ? spoken(m_window.lblPress->caption()) : status;
    return prompt.isEmpty() ? AccessibleTexts::cardDescription() : prompt;
}

void AccessibleNames::announceCard(const QString& card)
{
    if (card == AccessibleTexts::emptyCard()) {
        m_shownCard.clear();
        return;
    }
    // The card the window opens with is read with the window, not announced.
    if (card != m_shownCard && m_cardSeen)
        m_announcer->say(QStringLiteral("card"), card);
    m_shownCard = card;
    m_cardSeen = true;
}

void AccessibleNames::answerJudged(int colour)
{
    if (colour == Colours::Red) {
        m_announcer->say(QStringLiteral("judgement"), Phrases::wrongAnswer());
    } else if (colour == Colours::Green) {
        // The right answer shows on the card, which is read out whole.
        m_shownCard = cardName();
        m_announcer->say(QStringLiteral("card"), m_shownCard);
    }
}

void AccessibleNames::followStates()
{
    QString switched;
    for (const AccessibleTree::Node& node : AccessibleTree::nodes()) {
        if (!node.marker)
            continue;
        auto* button = m_window.findChild<QWidget*>(QLatin1String(node.name));
        const auto* marker = m_window.findChild<QWidget*>(QLatin1String(node.marker));
        const bool marked = !marker->isHidden();
        const auto known = m_marked.constFind(button);
        if (known != m_marked.constEnd() && *known != marked) {
            QAccessible::State changed;
            if (node.kind == AccessibleTree::Kind::SpeechSwitch)
                changed.pressed = true;
            else
                changed.checked = true;
            QAccessibleStateChangeEvent event(button, changed);
            QAccessible::updateAccessibility(&event);
            if (node.kind == AccessibleTree::Kind::SpeechSwitch && button == m_window.Picture1)
                switched = marked ? AccessibleTexts::speechOn() : AccessibleTexts::speechOff();
        }
        m_marked.insert(button, marked);
    }
    // Switching the program's voice is said by the screen reader that speaks for it, also when
    // the voice goes off.
    if (!switched.isEmpty() && m_announcer->screenReaderSpeaks())
        m_announcer->speak(switched);
}

void AccessibleNames::refresh()
{
    frmMath& w = m_window;
    const QString card = cardName();
    describe(w.lblClickMe, card, cardPrompt());
    announceCard(card);
    for (Label* choice : { w.lbl1, w.lbl2, w.lbl3, w.lbl4, w.lbl5, w.lbl6 })
        describe(choice, AccessibleTexts::answer(choice->caption()), AccessibleTexts::answerDescription());
    describe(w.frameChoices, spoken(w.Label4->caption()), QString());
    // The frames' titles are written for the eye ("Min/Max Number"); read out, they say what
    // the lists inside are for.
    describe(w.frmSet, AccessibleTexts::rangeGroup(), QString());
    describe(w.frameTimer, AccessibleTexts::timerList(), QString());

    for (const Choice& choice : choices(w))
        describe(choice.button, choice.name, choice.description);
    followStates();

    describe(w.Picture1, AccessibleTexts::speechOn(), AccessibleTexts::switchSpeechOff());
    describe(w.Picture2, AccessibleTexts::speechOff(), AccessibleTexts::switchSpeechOn());
    describe(w.lstTimer, AccessibleTexts::timerList(), AccessibleTexts::timerListDescription());
    describe(w.cmbMinNum, AccessibleTexts::smallestNumber(), AccessibleTexts::rangeDescription());
    describe(w.cmbMaxNum, AccessibleTexts::largestNumber(), AccessibleTexts::rangeDescription());
    describe(w.img123, AccessibleTexts::greetingPicture(), AccessibleTexts::greetingDescription());
    describe(w.Label2, spoken(w.Label2->caption()), AccessibleTexts::linkDescription());
    describe(w.cmdDummy, AccessibleTexts::keyHelpName(), AccessibleTexts::keyHelp());
}
