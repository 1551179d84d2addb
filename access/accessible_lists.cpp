#include "access/accessible_lists.h"

#include "access/accessible_tree.h"
#include "app/controls/choice_list.h"
#include "app/controls/range_list.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace {

// A list whose entries are items of their own. The items live as long as the list's interface.
class EntryList : public QAccessibleWidget
{
public:
    EntryList(QWidget* list, QAccessible::Role role)
        : QAccessibleWidget(list, role)
    {
    }

    ~EntryList() override
    {
        for (const QAccessible::Id id : std::as_const(m_entries))
            QAccessible::deleteAccessibleInterface(id);
    }

    virtual int entryCount() const = 0;
    virtual QString entryText(int row) const = 0;
    virtual bool entrySelected(int row) const = 0;
    virtual QRect entryRect(int row) const = 0;

    // Chooses the entry as the child's own choice, from the event loop as a click comes.
    void chooseEntry(int row)
    {
        if (!AccessibleTree::canClick(widget()))
            return;
        QPointer<QWidget> list = widget();
        QMetaObject::invokeMethod(
            list,
            [this, list, row] {
                if (list && AccessibleTree::canClick(list) && row < entryCount())
                    choose(row);
            },
            Qt::QueuedConnection);
    }

    int childCount() const override { return entryCount(); }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int row = 0; row < entryCount(); ++row) {
            if (entryRect(row).contains(x, y))
                return child(row);
        }
        return nullptr;
    }

protected:
    virtual void choose(int row) = 0;

private:
    mutable QHash<int, QAccessible::Id> m_entries;
};

// One entry of a list: named by its text, selected while it is the list's choice, and chosen by
// its action.
class Entry : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    Entry(EntryList* list, int row)
        : m_list(list)
        , m_row(row)
    {
    }

    bool isValid() const override { return m_list->isValid() && m_row < m_list->entryCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_list->window(); }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return m_list; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? m_list->entryText(m_row) : QString();
    }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override { return isValid() ? m_list->entryRect(m_row) : QRect(); }
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QAccessible::State state() const override
    {
        const QAccessible::State list = m_list->state();
        QAccessible::State state;
        state.selectable = true;
        state.selected = isValid() && m_list->entrySelected(m_row);
        state.invisible = list.invisible;
        state.disabled = list.disabled;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    // Press chooses; Toggle too, for the tools that choose list items with it.
    QStringList actionNames() const override { return { pressAction(), toggleAction() }; }
    void doAction(const QString& actionName) override
    {
        if (actionNames().contains(actionName) && isValid())
            m_list->chooseEntry(m_row);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    EntryList* m_list;
    int m_row;
};

QAccessibleInterface* EntryList::child(int index) const
{
    if (index < 0 || index >= entryCount())
        return nullptr;
    if (const auto found = m_entries.constFind(index); found != m_entries.constEnd())
        return QAccessible::accessibleInterface(*found);
    auto* entry = new Entry(const_cast<EntryList*>(this), index);
    m_entries.insert(index, QAccessible::registerAccessibleInterface(entry));
    return entry;
}

int EntryList::indexOfChild(const QAccessibleInterface* child) const
{
    const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
    return m_entries.key(id, -1);
}

class TimerListAccessible : public EntryList
{
public:
    explicit TimerListAccessible(QWidget* list)
        : EntryList(list, QAccessible::List)
    {
    }

    int entryCount() const override { return list()->count(); }
    QString entryText(int row) const override { return list()->item(row)->text(); }
    bool entrySelected(int row) const override { return list()->item(row)->isSelected(); }
    QRect entryRect(int row) const override
    {
        const QRect box = list()->visualItemRect(list()->item(row));
        return QRect(list()->viewport()->mapToGlobal(box.topLeft()), box.size());
    }

protected:
    void choose(int row) override { list()->choose(row); }

private:
    ChoiceList* list() const { return static_cast<ChoiceList*>(widget()); }
};

// A closed drop-down list shows its entry as text; screen readers read a combo box's value
// from its text.
class RangeListAccessible : public EntryList, public QAccessibleTextInterface
{
public:
    explicit RangeListAccessible(QWidget* list)
        : EntryList(list, QAccessible::ComboBox)
    {
    }

    int entryCount() const override { return list()->count(); }
    QString entryText(int row) const override { return list()->itemText(row); }
    bool entrySelected(int row) const override { return row == list()->currentIndex(); }
    QRect entryRect(int) const override { return rect(); }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? list()->currentText() : EntryList::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = EntryList::state();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList { showMenuAction(), pressAction() } + EntryList::actionNames();
    }
    void doAction(const QString& actionName) override
    {
        if (actionName != showMenuAction() && actionName != pressAction()) {
            EntryList::doAction(actionName);
            return;
        }
        if (!AccessibleTree::canClick(list()))
            return;
        QPointer<RangeList> combo = list();
        QMetaObject::invokeMethod(
            combo,
            [combo] {
                if (combo->view()->isVisible())
                    combo->hidePopup();
                else
                    combo->showPopup();
            },
            Qt::QueuedConnection);
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return EntryList::interface_cast(type);
    }

    // The text: the entry shown, read only.
    QString text(int startOffset, int endOffset) const override
    {
        return list()->currentText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return list()->currentText().size(); }
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        return QString();
    }

protected:
    void choose(int row) override { list()->choose(row); }

private:
    RangeList* list() const { return static_cast<RangeList*>(widget()); }
};

} // namespace

namespace AccessibleLists {

QAccessibleInterface* timerList(QWidget* list)
{
    return qobject_cast<ChoiceList*>(list) ? new TimerListAccessible(list) : nullptr;
}

QAccessibleInterface* rangeList(QWidget* list)
{
    return qobject_cast<RangeList*>(list) ? new RangeListAccessible(list) : nullptr;
}

} // namespace AccessibleLists
