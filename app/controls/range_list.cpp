#include "app/controls/range_list.h"

#include <QWheelEvent>

RangeList::RangeList(QWidget* parent)
    : QComboBox(parent)
{
    // A combo box takes the focus from the wheel by default; a list the wheel cannot turn
    // has no use for it.
    setFocusPolicy(Qt::StrongFocus);
}

void RangeList::wheelEvent(QWheelEvent* event)
{
    // The open list is a popup of its own and gets its wheel events directly.
    event->ignore();
}
