#pragma once

class QWidget;

// The mark around the control that has the keyboard focus. It shows only once the keyboard is
// used in the window: a child who plays with the mouse sees the window as it always was.
namespace FocusMark {

bool shown(const QWidget* control);
// Paints the mark over the control, when it is shown.
void paint(QWidget* control);

} // namespace FocusMark
