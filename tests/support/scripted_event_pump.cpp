#include "scripted_event_pump.h"

#include <QCoreApplication>

void ScriptedEventPump::processPendingEvents()
{
    ++passes;
    if (processRealEvents)
        QCoreApplication::processEvents();
    for (int i = 0; i < m_actions.size(); ++i) {
        if (m_actions[i].first == passes) {
            // Taken out first: the action may itself wait and pass through here again.
            const auto action = m_actions.takeAt(i).second;
            action();
            return;
        }
    }
}

void ScriptedEventPump::at(long long pass, std::function<void()> action)
{
    m_actions.append({ pass, std::move(action) });
}

void ScriptedEventPump::reset()
{
    passes = 0;
    m_actions.clear();
}
