#pragma once

#include "app/event_pump.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <random>

class QUrl;
class frmMath;
class RecordingSpeechEngine;

// A pump that counts passes and hands each one to a hook, so the monkey can inject
// events in the middle of waits and of the problem generator.
class HookedPump : public EventPump
{
public:
    void processPendingEvents() override
    {
        ++passes;
        if (hook)
            hook();
    }

    long long passes = 0;
    std::function<void()> hook;
};

// Catches the link's clicks while a monkey plays, so no browser is ever started.
class LinkCatcher : public QObject
{
    Q_OBJECT

public:
    int opened = 0;

public slots:
    void open(const QUrl&) { ++opened; }
};

// Plays random events on the window the way a small child would: clicks anywhere (mostly on
// controls), choices in the three lists, timer ticks, the loudspeaker, and events nested
// inside the pauses at random passes. After every event it checks what must always hold.
class Monkey
{
public:
    Monkey(frmMath& window, RecordingSpeechEngine& speech, HookedPump& pump, std::uint64_t seed);
    ~Monkey();

    // Plays `count` top-level events; returns the first broken invariant, or an empty text.
    QString play(long long count);

    // Checks the invariants on the window as it stands; returns what is broken, or "".
    QString check();

    // Plans one event somewhere within the next `passes` passes of the pump.
    void scheduleNestedWithin(long long passes);

    long long topLevelEvents = 0;
    long long nestedEvents = 0;
    int deepestNesting = 0;
    int linksOpened() const { return m_link.opened; }

private:
    void playOne();
    void clickSomewhere();
    void chooseInRangeList();
    void chooseTime();
    void tick();
    void maybeScheduleNested();
    void onPass();
    std::uint64_t below(std::uint64_t n);

    frmMath& m_window;
    RecordingSpeechEngine& m_speech;
    HookedPump& m_pump;
    std::mt19937_64 m_rng;
    long long m_nestedAt = -1;
    int m_depth = 0;
    QStringList m_clickTargets;
    int m_checkedPhrases = 0;
    LinkCatcher m_link;
};
