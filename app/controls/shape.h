#pragma once

#include <QWidget>

// A painted shape: the card, the marker circles and the separators. Shapes take no clicks,
// so a click on one reaches whatever lies behind it (mostly the window background).
class Shape : public QWidget
{
    Q_OBJECT

public:
    enum class Kind { Rectangle, RoundedRectangle, Circle };

    explicit Shape(QWidget* parent);

    void setKind(Kind kind);
    void setFillColour(int colour); // colour number; shapes without one are not filled
    void setBorder(int colour, int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind m_kind = Kind::Rectangle;
    int m_fillColour = -1;
    int m_borderColour = 0;
    int m_borderWidth = 1;
};
