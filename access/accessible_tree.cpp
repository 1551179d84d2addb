#include "access/accessible_tree.h"

#include "access/accessible_lists.h"
#include "access/keyboard.h"
#include "app/controls/label.h"
#include "app/controls/picture.h"

#include <QAccessibleWidget>
#include <QPointer>

namespace AccessibleTree {

namespace {

using K = Kind;

constexpr char QuietName[] = "numivoxAccessibleName";
constexpr char QuietDescription[] = "numivoxAccessibleDescription";

// The window's controls in the order a child reads them: the card and what lies to its right,
// the operations and range above them, then the left column from the top, the link last.
const QList<Node> Nodes = {
    { "lblClickMe", K::Button },
    { "frameChoices", K::Group },
    { "lbl1", K::Button },
    { "lbl2", K::Button },
    { "lbl3", K::Button },
    { "lbl4", K::Button },
    { "lbl5", K::Button },
    { "lbl6", K::Button },
    { "img123", K::Button },
    { "picPlus", K::Choice, "shpAddition" },
    { "picMinus", K::Choice, "shpSubtraction" },
    { "picX", K::Choice, "shpMultiplication" },
    { "picDivide", K::Choice, "shpDivision" },
    { "frmSet", K::Group },
    { "cmbMinNum", K::RangeList },
    { "cmbMaxNum", K::RangeList },
    { "lblInteractive", K::Choice, "shapeInteractive" },
    { "lblStandard", K::Choice, "ShapeStandard" },
    { "lblTimer", K::Choice, "ShapeTimer" },
    { "frameTimer", K::Group },
    { "lstTimer", K::List },
    // The two loudspeakers lie in one place and one of them shows at a time.
    { "Picture1", K::SpeechSwitch, "Picture1" },
    { "Picture2", K::SpeechSwitch, "Picture1" },
    { "Label2", K::Link },
    { "cmdDummy", K::Other },
    { "announcer", K::Notification },
    { "announcerTwin", K::Notification },
};

QWidget* windowControl(const QWidget* control, const char* name)
{
    return name ? control->window()->findChild<QWidget*>(QLatin1String(name)) : nullptr;
}

// The interface of a container: its children are the controls of the tree it holds, not every
// widget inside it.
class ContainerAccessible : public QAccessibleWidget
{
public:
    ContainerAccessible(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role)
    {
    }

    int childCount() const override { return childrenOf(widget()).size(); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> children = childrenOf(widget());
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index]) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? childrenOf(widget()).indexOf(qobject_cast<QWidget*>(child->object())) : -1;
    }
};

// A label or picture. One that acts as a button is pressed through assistive technology as a
// click does it, once, from the event loop as a click comes. Qt makes the interface of a
// control when it is first asked for, which may be before the control has its name: the row of
// the tree is looked up each time.
class ControlAccessible : public QAccessibleWidget
{
public:
    explicit ControlAccessible(QWidget* widget)
        : QAccessibleWidget(widget)
    {
    }

    QAccessible::Role role() const override
    {
        const Node* node = find(widget());
        if (!node)
            return qobject_cast<const Label*>(widget()) ? QAccessible::StaticText : QAccessible::Graphic;
        switch (node->kind) {
        case Kind::Choice:
            return QAccessible::RadioButton;
        case Kind::Link:
            return QAccessible::Link;
        default:
            return QAccessible::Button;
        }
    }

    QString text(QAccessible::Text t) const override
    {
        const char* quiet = t == QAccessible::Name ? QuietName
            : t == QAccessible::Description        ? QuietDescription
                                                   : nullptr;
        const QVariant text = quiet ? widget()->property(quiet) : QVariant();
        return text.isValid() ? text.toString() : QAccessibleWidget::text(t);
    }

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        const Node* node = find(widget());
        if (!node)
            return state;
        const QWidget* marker = windowControl(widget(), node->marker);
        const bool marked = marker && !marker->isHidden();
        if (node->kind == Kind::Choice) {
            state.checkable = true;
            state.checked = marked;
        } else if (node->kind == Kind::SpeechSwitch) {
            state.checkable = true;
            state.pressed = marked;
        }
        return state;
    }

    // Press first: switch tools and screen readers take the first action for the click.
    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (find(widget()))
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& actionName) override
    {
        if (actionName != pressAction() || !find(widget())) {
            QAccessibleWidget::doAction(actionName);
            return;
        }
        if (!canClick(widget()))
            return;
        QPointer<QWidget> control = widget();
        QMetaObject::invokeMethod(control, [control] { click(control); }, Qt::QueuedConnection);
    }

    // AT-SPI reads the fields as "mnemonic;sequence;shortcut", and screen readers speak each
    // field differently: the control's first key is its shortcut, the only field given. The
    // description names every key.
    QStringList keyBindingsForAction(const QString& actionName) const override
    {
        const QStringList keys = Keyboard::keyNames(widget()->objectName());
        if (actionName != pressAction() || keys.isEmpty())
            return {};
        return { QString(), QString(), keys.first() };
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("frmMath"))
        return new ContainerAccessible(widget, QAccessible::Window);
    // By class, as the control may have no name yet; Qt asks for every base class too.
    if (className == QLatin1String("Label") || className == QLatin1String("Picture"))
        return new ControlAccessible(widget);
    if (className == QLatin1String("Frame"))
        return new ContainerAccessible(widget, QAccessible::Grouping);
    if (className == QLatin1String("ChoiceList"))
        return AccessibleLists::timerList(widget);
    if (className == QLatin1String("RangeList"))
        return AccessibleLists::rangeList(widget);
    if (className == QLatin1String("Announcer"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

} // namespace

const QList<Node>& nodes()
{
    return Nodes;
}

const Node* find(const QWidget* control)
{
    if (!control)
        return nullptr;
    const QString name = control->objectName();
    for (const Node& node : Nodes) {
        if (name == QLatin1String(node.name))
            return &node;
    }
    return nullptr;
}

QList<QWidget*> childrenOf(const QWidget* container)
{
    QList<QWidget*> children;
    for (const Node& node : Nodes) {
        auto* control = container->window()->findChild<QWidget*>(QLatin1String(node.name));
        // The notification joins the tree with its first news.
        if (node.kind == Kind::Notification && control && control->accessibleName().isEmpty())
            continue;
        if (control && control->parentWidget() == container)
            children << control;
    }
    return children;
}

QList<QWidget*> tabStops(const QWidget* window)
{
    QList<QWidget*> stops;
    for (const Node& node : Nodes) {
        if (node.kind == Kind::Group || node.kind == Kind::Other || node.kind == Kind::Notification)
            continue;
        if (auto* control = window->findChild<QWidget*>(QLatin1String(node.name)))
            stops << control;
    }
    return stops;
}

bool canClick(const QWidget* control)
{
    return control && control->isVisibleTo(control->window()) && control->isEnabled();
}

bool click(QWidget* control)
{
    if (!canClick(control))
        return false;
    if (auto* label = qobject_cast<Label*>(control))
        label->click();
    else if (auto* picture = qobject_cast<Picture*>(control))
        picture->click();
    else
        return false;
    return true;
}

void setQuietTexts(QWidget* control, const QString& name, const QString& description)
{
    control->setProperty(QuietName, name);
    control->setProperty(QuietDescription, description);
}

void install()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(&factory);
    installed = true;
}

} // namespace AccessibleTree
