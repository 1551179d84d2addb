#pragma once

#include <QPushButton>

// A button that only takes the keyboard focus away from a list after a choice. It is
// part of the window but paints nothing, so the child never sees it, and it lets clicks
// through to whatever lies below it: most of it still covers the window's top left corner.
class FocusButton : public QPushButton
{
    Q_OBJECT

public:
    explicit FocusButton(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
