#include "app/controls/focus_button.h"

FocusButton::FocusButton(QWidget* parent)
    : QPushButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void FocusButton::paintEvent(QPaintEvent*)
{
}
