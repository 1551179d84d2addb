#pragma once

#include <QWidget>

// A straight line between two points of the parent, such as the rule under the card's
// second number. Like shapes, lines take no clicks.
class LineControl : public QWidget
{
    Q_OBJECT

public:
    explicit LineControl(QWidget* parent);

    // Ends in pixels of the parent; the widget covers the line and its width.
    void setEnds(const QPoint& from, const QPoint& to, int width, int colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint m_from;
    QPoint m_to;
    int m_width = 1;
    int m_colour = 0;
};
