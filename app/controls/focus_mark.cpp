#include "app/controls/focus_mark.h"

#include <QPainter>
#include <QWidget>

namespace FocusMark {

bool shown(const QWidget* control)
{
    return control->hasFocus() && control->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void paint(QWidget* control)
{
    if (!shown(control))
        return;
    // A bold outline in the desktop's highlight colour, inside the control so no neighbour
    // covers it.
    QPainter painter(control);
    QPen pen(control->palette().color(QPalette::Active, QPalette::Highlight), 3);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(control->rect()).adjusted(1.5, 1.5, -1.5, -1.5));
}

} // namespace FocusMark
