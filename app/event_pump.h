#pragma once

// "Let the window process its pending events once": the step every busy wait takes in
// each pass. Behind an interface so tests can count passes and inject events at a
// chosen pass instead of depending on real time.
class EventPump
{
public:
    virtual ~EventPump() = default;
    virtual void processPendingEvents() = 0;
};

// The real pump: one pass of the application's event loop.
class ApplicationEventPump : public EventPump
{
public:
    void processPendingEvents() override;
};
