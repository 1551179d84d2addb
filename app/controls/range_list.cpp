#include "app/controls/range_list.h"

#include <QAbstractItemView>
#include <QWheelEvent>

#include <utility>

RangeList::RangeList(QWidget* parent)
    : QComboBox(parent)
{
    // A combo box takes the focus from the wheel by default; a list the wheel cannot turn
    // has no use for it.
    setFocusPolicy(Qt::StrongFocus);
    // The open list is a window of its own: its keys and clicks are seen here too.
    view()->installEventFilter(this);
    view()->viewport()->installEventFilter(this);
}

void RangeList::choose(int index)
{
    m_withoutMouse = true;
    setCurrentIndex(index);
    emit activated(index);
}

bool RangeList::takeChoiceWithoutMouse()
{
    return std::exchange(m_withoutMouse, false);
}

void RangeList::keyPressEvent(QKeyEvent* event)
{
    m_withoutMouse = true;
    QComboBox::keyPressEvent(event);
}

void RangeList::mousePressEvent(QMouseEvent* event)
{
    m_withoutMouse = false;
    QComboBox::mousePressEvent(event);
}

bool RangeList::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        // The open list chooses on Enter already as the key is offered as a shortcut. With
        // the accessibility bridge on, the key press itself comes again later, after the
        // screen reader has seen it, and would choose a second time in the closed list.
        if (!view()->isVisible())
            return true;
        m_withoutMouse = true;
    } else if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
        m_withoutMouse = false;
    }
    return QComboBox::eventFilter(watched, event);
}

void RangeList::wheelEvent(QWheelEvent* event)
{
    // The open list is a popup of its own and gets its wheel events directly.
    event->ignore();
}
