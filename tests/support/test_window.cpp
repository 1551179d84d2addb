#include "test_window.h"

#include "app/window_layout.h"

#include <QComboBox>
#include <QTest>

TestWindow::TestWindow(bool load)
    : window(std::make_unique<frmMath>(speech, random, pump))
{
    if (load) {
        window->Form_Load();
        speech.clear();
        pump.reset();
    }
}

bool TestWindow::activate()
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window.get());
}

namespace TestClicks {

QPoint atTwips(int x, int y)
{
    return QPoint(WindowLayout::toPixels(x), WindowLayout::toPixels(y));
}

QWidget* controlAt(frmMath& window, const QPoint& point)
{
    QWidget* child = window.childAt(point);
    return child ? child : &window;
}

void clickAt(frmMath& window, const QPoint& point)
{
    QWidget* target = controlAt(window, point);
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(&window, point));
}

void click(QWidget* control)
{
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

void choose(frmMath& window, const QString& listName, const QString& entry)
{
    auto* list = window.findChild<QComboBox*>(listName);
    if (!list->isEnabled())
        return; // a disabled list takes no choice
    const int index = list->findText(entry);
    list->setCurrentIndex(index);
    emit list->activated(index);
}

} // namespace TestClicks
