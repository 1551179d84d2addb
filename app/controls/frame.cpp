#include "app/controls/frame.h"

#include "app/colours.h"

Frame::Frame(QWidget* parent)
    : QGroupBox(parent)
{
    setAutoFillBackground(true);
}

void Frame::setBackColour(int colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Colours::toQColor(colour));
    setPalette(pal);
}

void Frame::mousePressEvent(QMouseEvent* event)
{
    m_clicks.press(event);
}

void Frame::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_clicks.doubleClick(event);
}

void Frame::mouseReleaseEvent(QMouseEvent* event)
{
    m_clicks.release(this, event);
}
