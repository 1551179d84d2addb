#pragma once

#include <QList>

class QWidget;

// What assistive technology sees of the window: the controls a child uses, in the order a child
// reads the window, each as the kind of control it acts as. The window's own controls are
// captions, click areas and pictures; here the card, the answers, the pictures and the mode
// buttons become buttons that can be pressed, the chosen operation and mode are checked, and
// what only decorates (the numbers on the card, the outlines, the button faces, the captions
// that repeat a button's name) is left out. The same order is the order of the Tab key.
namespace AccessibleTree {

enum class Kind {
    Button, // pressing it does what a click does
    Choice, // one of a set, checked while its marker shows
    SpeechSwitch, // pressed while speech is on
    Link,
    Group, // a frame holding some of the controls
    List, // the timer list
    RangeList, // a drop-down list of numbers
    Other, // a control with Qt's own accessibility (the focus button)
    Notification, // says what changed on the card
};

struct Node
{
    const char* name; // the control's object name
    Kind kind;
    const char* marker = nullptr; // for a Choice: the shape that marks it chosen
};

// Every control in the tree, each group before what it holds.
const QList<Node>& nodes();

// The row of a control, or nullptr when it is not in the tree.
const Node* find(const QWidget* control);

// The controls in the tree that lie directly in `container` (the window or a frame), in
// reading order.
QList<QWidget*> childrenOf(const QWidget* container);

// The controls the Tab key reaches, in order (hidden and disabled ones are skipped by Qt).
QList<QWidget*> tabStops(const QWidget* window);

// True when a click on the control could be made now: shown and enabled in its window.
bool canClick(const QWidget* control);
// Does what a click on the label or picture does, when it could be made now.
bool click(QWidget* control);

// The name and description assistive technology reads for a label or picture, set without
// telling it of the change.
void setQuietTexts(QWidget* control, const QString& name, const QString& description);

// Makes the window's controls answer to assistive technology as above. Called once for the
// application; the window's own controls are found by their names.
void install();

} // namespace AccessibleTree
