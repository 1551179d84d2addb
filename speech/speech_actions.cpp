#include "speech/speech_actions.h"

#include <vector>

namespace {

// The deliveries in progress on this thread, innermost last, and the last number given out.
thread_local std::vector<std::uint64_t> deliveries;
thread_local std::uint64_t lastAction = 0;

} // namespace

namespace speech_actions {

std::uint64_t current()
{
    return deliveries.empty() ? 0 : deliveries.back();
}

Scope::Scope()
{
    deliveries.push_back(++lastAction);
}

Scope::~Scope()
{
    deliveries.pop_back();
}

} // namespace speech_actions

ActionApplication::ActionApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool ActionApplication::notify(QObject* receiver, QEvent* event)
{
    const speech_actions::Scope action;
    return QApplication::notify(receiver, event);
}
