#include "app/controls/shape.h"

#include "app/colours.h"

#include <QPainter>

Shape::Shape(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setKind(Kind kind)
{
    m_kind = kind;
    update();
}

void Shape::setFillColour(int colour)
{
    m_fillColour = colour;
    update();
}

void Shape::setBorder(int colour, int width)
{
    m_borderColour = colour;
    m_borderWidth = width;
    update();
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, m_kind != Kind::Rectangle);
    if (m_fillColour >= 0)
        painter.setBrush(Colours::toQColor(m_fillColour));
    else
        painter.setBrush(Qt::NoBrush);

    // A one-pixel-thin rectangle is a separator: fill it rather than outline it.
    if (m_kind == Kind::Rectangle && (width() <= m_borderWidth * 2 || height() <= m_borderWidth * 2)) {
        painter.fillRect(rect(), Colours::toQColor(m_borderColour));
        return;
    }

    QPen pen(Colours::toQColor(m_borderColour), m_borderWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    const qreal inset = m_borderWidth / 2.0;
    const QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    switch (m_kind) {
    case Kind::Rectangle:
        painter.drawRect(box);
        break;
    case Kind::RoundedRectangle: {
        const qreal radius = qMin(box.width(), box.height()) / 10.0;
        painter.drawRoundedRect(box, radius, radius);
        break;
    }
    case Kind::Circle:
        painter.drawEllipse(box);
        break;
    }
}
