// The floor for the start-up figures: a plain Qt window of the program's size holding as many
// plain labels as the program's window has controls, started the way the program is. Whatever
// the program takes beyond this is its own doing; below it only Qt and the X server are left.

#include "app/window_layout.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.setFixedSize(WindowLayout::toPixels(WindowLayout::ClientWidthTwips),
        WindowLayout::toPixels(WindowLayout::ClientHeightTwips));
    int row = 0;
    for (const WindowLayout::Control& control : WindowLayout::controls()) {
        auto* label = new QLabel(control.name, &window);
        label->move(8 + (row / 20) * 190, 8 + (row % 20) * 26);
        ++row;
    }
    window.show();
    return app.exec();
}
