#pragma once

#include <QComboBox>

// A drop-down list of numbers that only a deliberate choice changes. A closed list ignores
// the mouse wheel: a child scrolling over the window would otherwise change the range one
// entry per notch, whichever control the focus happened to fall on. Once opened by a click,
// its list scrolls with the wheel as usual, and the keyboard works as in any list.
//
// It also tells how its last choice was made: a choice made with the mouse hands the keyboard
// focus away, one made with the keyboard or by assistive technology leaves it on the list,
// where the user can see and hear it.
class RangeList : public QComboBox
{
    Q_OBJECT

public:
    explicit RangeList(QWidget* parent);

    // Chooses the entry as the user does, without the mouse.
    void choose(int index);
    // True when the choice being handled was not made with the mouse; asking forgets it.
    bool takeChoiceWithoutMouse();

protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_withoutMouse = false;
};
