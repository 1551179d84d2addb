#pragma once

#include <QMouseEvent>
#include <QWidget>

// A click is a press and a release of the left button on the same control. Labels,
// pictures and frames all take their own clicks this way (and so keep them from the
// window behind them), whether or not the program listens to them.
class ClickTracker
{
public:
    void press(QMouseEvent* event)
    {
        m_pressed = event->button() == Qt::LeftButton;
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
