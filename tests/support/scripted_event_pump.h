#pragma once

#include "app/event_pump.h"

#include <QList>

#include <functional>
#include <utility>

// Counts the passes the window makes through its event loop and runs a scripted action at a
// chosen pass, so nested events are tested deterministically and a million-pass wait costs
// milliseconds. Optionally lets the real event loop run too.
class ScriptedEventPump : public EventPump
{
public:
    void processPendingEvents() override;

    // Run `action` on pass number `pass` (counted from the last reset()).
    void at(long long pass, std::function<void()> action);
    void reset();

    long long passes = 0;
    bool processRealEvents = false;

private:
    QList<std::pair<long long, std::function<void()>>> m_actions;
};
