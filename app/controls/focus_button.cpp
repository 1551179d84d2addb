#include "app/controls/focus_button.h"

FocusButton::FocusButton(QWidget* parent)
    : QPushButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FocusButton::paintEvent(QPaintEvent*)
{
}
