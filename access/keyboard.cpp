#include "access/keyboard.h"

#include "access/accessible_texts.h"
#include "access/accessible_tree.h"
#include "access/key_names.h"
#include "app/frmMath.h"
#include "problems/number_text.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QListWidget>

namespace {

struct KeyBinding
{
    Qt::Key key;
    const char* control; // the control a click on which the key stands for
    void (frmMath::*handler)(); // the handler that click raises
    const char* entry = nullptr; // for a list: the entry the click chooses
};

// The first row whose control could take its click now acts; the others wait. In timer
// mode the digits 2 to 6 choose a waiting time, and the six answers are shown only in
// interactive mode, so a digit never means both at once. The letters are the English ones:
// each language has its own (KeyNames).
const KeyBinding Bindings[] = {
    { Qt::Key_Space, "lblClickMe", &frmMath::lblClickMe_Click },
    { Qt::Key_Return, "lblClickMe", &frmMath::lblClickMe_Click },
    { Qt::Key_Enter, "lblClickMe", &frmMath::lblClickMe_Click },
    { Qt::Key_2, "lstTimer", &frmMath::lstTimer_Click, "2" },
    { Qt::Key_3, "lstTimer", &frmMath::lstTimer_Click, "3" },
    { Qt::Key_4, "lstTimer", &frmMath::lstTimer_Click, "4" },
    { Qt::Key_5, "lstTimer", &frmMath::lstTimer_Click, "5" },
    { Qt::Key_6, "lstTimer", &frmMath::lstTimer_Click, "6" },
    { Qt::Key_1, "lbl1", &frmMath::lbl1_Click },
    { Qt::Key_2, "lbl2", &frmMath::lbl2_Click },
    { Qt::Key_3, "lbl3", &frmMath::lbl3_Click },
    { Qt::Key_4, "lbl4", &frmMath::lbl4_Click },
    { Qt::Key_5, "lbl5", &frmMath::lbl5_Click },
    { Qt::Key_6, "lbl6", &frmMath::lbl6_Click },
    { Qt::Key_Plus, "picPlus", &frmMath::picPlus_Click },
    { Qt::Key_Minus, "picMinus", &frmMath::picMinus_Click },
    { Qt::Key_X, "picX", &frmMath::picX_Click },
    { Qt::Key_Asterisk, "picX", &frmMath::picX_Click },
    { Qt::Key_Slash, "picDivide", &frmMath::picDivide_Click },
    { Qt::Key_S, "lblStandard", &frmMath::lblStandard_Click },
    { Qt::Key_I, "lblInteractive", &frmMath::lblInteractive_Click },
    { Qt::Key_T, "lblTimer", &frmMath::lblTimer_Click },
    // The two loudspeakers lie in one place and one of them shows at a time.
    { Qt::Key_M, "Picture1", &frmMath::Picture1_Click },
    { Qt::Key_M, "Picture2", &frmMath::Picture2_Click },
};

// Shift, the keypad and the third level of a keyboard layout only say where a sign is
// typed: "+" is Shift+= on one keyboard and a key of its own on the keypad.
constexpr Qt::KeyboardModifiers WhereTyped = Qt::ShiftModifier | Qt::KeypadModifier | Qt::GroupSwitchModifier;

// Closes the window, as in other desktop programs.
constexpr QKeyCombination QuitKey(Qt::ControlModifier, Qt::Key_Q);

// The key a press stands for: a digit of another script types the key of that digit, as the
// number row of an Arabic or Persian keyboard types ٣ or ۳ for 3.
int keyOf(const QKeyEvent& event)
{
    const QString text = event.text();
    if (text.size() == 1 && text[0].category() == QChar::Number_DecimalDigit)
        return Qt::Key_0 + text[0].digitValue();
    return event.key();
}

bool isPressKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The label or picture that has the keyboard focus and acts as a button, or nullptr.
QWidget* focusedButton()
{
    QWidget* focused = QApplication::focusWidget();
    const AccessibleTree::Node* node = AccessibleTree::find(focused);
    if (!node)
        return nullptr;
    switch (node->kind) {
    case AccessibleTree::Kind::Button:
    case AccessibleTree::Kind::Choice:
    case AccessibleTree::Kind::SpeechSwitch:
    case AccessibleTree::Kind::Link:
        return focused;
    default:
        return nullptr;
    }
}

// Chooses the entry as a click on it does: it becomes the one selected entry.
bool chooseEntry(QWidget* control, const char* entry)
{
    auto* list = qobject_cast<QListWidget*>(control);
    const QList<QListWidgetItem*> found = list
        ? list->findItems(NumberText::inShownDigits(QString::fromLatin1(entry)), Qt::MatchExactly)
        : QList<QListWidgetItem*>();
    if (found.isEmpty())
        return false;
    // Only selected: Qt tells assistive technology that the focus is in a list whose current
    // entry the program sets, while the keyboard focus stays where it was.
    list->selectionModel()->select(list->indexFromItem(found.first()), QItemSelectionModel::ClearAndSelect);
    return true;
}

} // namespace

Keyboard::Keyboard(frmMath& window)
    : QObject(&window)
    , m_window(window)
{
    // Key presses go to whichever control has the focus, and a button or a list would
    // take Space or a digit for itself: the application's filter sees them first.
    QCoreApplication::instance()->installEventFilter(this);
}

QStringList Keyboard::keyNames(const QString& controlName)
{
    QStringList names;
    for (const KeyBinding& binding : Bindings) {
        if (controlName == QLatin1String(binding.control))
            names << KeyNames::name(KeyNames::inLanguage(binding.key));
    }
    names.removeDuplicates();
    return names;
}

bool Keyboard::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease && !mouse) || !watched->isWidgetType())
        return false;
    if (static_cast<QWidget*>(watched)->window() != &m_window)
        return false;
    if (mouse) {
        showFocusMark(false);
        return false;
    }
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (type == QEvent::KeyRelease) {
        m_releasedScanCode = key.nativeScanCode();
        m_releasedKey = key.key();
        m_releaseTime = key.timestamp();
        return false;
    }
    showFocusMark(true);
    return press(key);
}

void Keyboard::showFocusMark(bool shown)
{
    if (m_window.testAttribute(Qt::WA_KeyboardFocusChange) == shown)
        return;
    m_window.setAttribute(Qt::WA_KeyboardFocusChange, shown);
    if (QWidget* focused = m_window.focusWidget())
        focused->update();
}

bool Keyboard::isRepeat(const QKeyEvent& event) const
{
    if (event.isAutoRepeat())
        return true;
    // Qt marks the pair as a repeat only when the press is already queued as it handles the
    // release, a race it often loses. A hand cannot let go of a key and press it again
    // within the same millisecond, so one timestamp means one held key. Events made inside
    // the program carry no time and are never taken for repeats.
    return m_releaseTime != 0 && event.timestamp() == m_releaseTime && event.key() == m_releasedKey
        && event.nativeScanCode() == m_releasedScanCode;
}

bool Keyboard::press(const QKeyEvent& event)
{
    if (event.keyCombination() == QuitKey) {
        // As closing by the window manager does, so the waits in progress end too.
        if (!isRepeat(event))
            m_window.close();
        return true;
    }
    if (event.modifiers() & ~WhereTyped)
        return false;
    if (event.key() == Qt::Key_F1) {
        if (!isRepeat(event))
            m_window.Speak(AccessibleTexts::spokenKeyHelp() + QLatin1Char(' ') + AccessibleTexts::focusHelp());
        return true;
    }
    if (isPressKey(event.key())) {
        if (QWidget* button = focusedButton()) {
            if (!isRepeat(event))
                AccessibleTree::click(button);
            return true;
        }
    }
    bool ours = false;
    for (const KeyBinding& binding : Bindings) {
        if (KeyNames::inLanguage(binding.key) != keyOf(event))
            continue;
        ours = true;
        if (isRepeat(event))
            break;
        QWidget* control = m_window.findChild<QWidget*>(QLatin1String(binding.control));
        if (!AccessibleTree::canClick(control))
            continue;
        if (binding.entry && !chooseEntry(control, binding.entry))
            continue;
        (m_window.*binding.handler)();
        break;
    }
    return ours;
}
