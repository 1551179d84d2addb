#pragma once

#include <QListWidget>

// A list box that reports each entry the user chooses, by mouse or by keyboard, also when
// it is the entry already selected. Selections the program makes are not reported.
//
// With the mouse an entry is chosen as a classic list box does it: the left button comes
// up over the entry, which then becomes the one selected entry. Pressing on one entry and
// releasing on another chooses the second; the other buttons, dragging, the second press
// of a double-click and Ctrl or Shift change nothing about the one choice.
class ChoiceList : public QListWidget
{
    Q_OBJECT

public:
    explicit ChoiceList(QWidget* parent);

    // Chooses the entry as the user does: it becomes the one selected entry and is reported.
    void choose(int row);

signals:
    void chosen();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool m_leftPressed = false;
};
