#pragma once

#include <QMouseEvent>
#include <QWidget>

// A click is a press and a release of the left button on the same control. Labels,
// pictures, frames and the window all take their own clicks this way (and so keep them
// from the window behind them), whether or not the program listens to them.
//
// The second press of a double-click arrives as a double-click event, which Qt would turn
// into a second press by default. A child's double-click is one click: that press and its
// release raise nothing. Two clicks further apart than the desktop's double-click interval
// are two presses, so they stay two clicks.
class ClickTracker
{
public:
    void press(QMouseEvent* event)
    {
        m_pressed = event->button() == Qt::LeftButton;
        event->accept();
    }

    // The second press of a double-click: it starts no click.
    void doubleClick(QMouseEvent* event)
    {
        m_pressed = false;
        event->accept();
    }

    // True when this release completes a click on `widget`.
    bool release(QWidget* widget, QMouseEvent* event)
    {
        const bool click
            = m_pressed && event->button() == Qt::LeftButton && widget->rect().contains(event->position().toPoint());
        if (event->button() == Qt::LeftButton)
            m_pressed = false;
        event->accept();
        return click;
    }

private:
    bool m_pressed = false;
};
