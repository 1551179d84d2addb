#pragma once

#include <QApplication>

#include <cstdint>

// Which of the user's actions a phrase answers. Every event the application delivers (a click, a
// key, a tick of the timer, a request of an assistive tool) is one action, numbered as it comes.
// The phrases said while it is handled belong to it, also those said after events that were
// handled nested inside it (the program's busy waits let the window handle its events); phrases
// said outside any event, such as the welcome at start-up, belong to action 0. The voice uses it
// to drop what earlier actions still have to say when a later one speaks.
namespace speech_actions {

// The action being handled on this thread: the innermost event delivery still in progress.
std::uint64_t current();

// One event delivery, for as long as it lives: a new action, inside the ones already in progress.
class Scope
{
public:
    Scope();
    ~Scope();

    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;
};

} // namespace speech_actions

// The program's application object: every event it delivers is an action of the user's, as the
// voice counts them.
class ActionApplication : public QApplication
{
public:
    ActionApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
