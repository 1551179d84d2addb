#include "app/controls/line_control.h"

#include "app/colours.h"

#include <QPainter>

LineControl::LineControl(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::setEnds(const QPoint& from, const QPoint& to, int width, int colour)
{
    m_width = width;
    m_colour = colour;
    const int half = (width + 1) / 2;
    const QRect area = QRect(from, to).normalized().adjusted(-half, -half, half, half);
    m_from = from - area.topLeft();
    m_to = to - area.topLeft();
    setGeometry(area);
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Colours::toQColor(m_colour), m_width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(m_from, m_to);
}
