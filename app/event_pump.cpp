#include "app/event_pump.h"

#include <QCoreApplication>

void ApplicationEventPump::processPendingEvents()
{
    QCoreApplication::processEvents();
}
