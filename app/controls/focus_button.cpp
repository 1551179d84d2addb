#include "app/controls/focus_button.h"

FocusButton::FocusButton(QWidget* parent)
    : QPushButton(parent)
{
    // The program gives it the focus; the Tab key passes it by, as it paints nothing.
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FocusButton::paintEvent(QPaintEvent*)
{
}
