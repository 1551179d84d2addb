#pragma once

#include <QComboBox>

// A drop-down list of numbers that only a deliberate choice changes. A closed list ignores
// the mouse wheel: a child scrolling over the window would otherwise change the range one
// entry per notch, whichever control the focus happened to fall on. Once opened by a click,
// its list scrolls with the wheel as usual, and the keyboard works as in any list.
class RangeList : public QComboBox
{
    Q_OBJECT

public:
    explicit RangeList(QWidget* parent);

protected:
    void wheelEvent(QWheelEvent* event) override;
};
