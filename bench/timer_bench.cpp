// How closely timer mode keeps its intervals: the first tick 3 s after a waiting time is
// chosen, then problems shown for that time and answers for 2 s. Runs the real window,
// event loop and timer (speech is recorded, not played) and prints, for the first tick and
// for the ten after it, how far each tick came from the moment it was due.
#include "app/controls/choice_list.h"
#include "app/controls/label.h"
#include "app/controls/tick_timer.h"
#include "app/event_pump.h"
#include "app/frmMath.h"
#include "problems/random_source.h"
#include "support/recording_speech_engine.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    RecordingSpeechEngine speech;
    ClockRandomSource random;
    ApplicationEventPump pump;
    frmMath window(speech, random, pump);
    window.Form_Load();

    constexpr int LaterTicks = 10;
    constexpr double FirstTickDue = 3000;
    constexpr double AnswerShownFor = 2000;
    QElapsedTimer clock;
    double due = 0; // when the next tick should come, in ms since the choice
    double tickStart = 0;
    std::vector<double> lateness; // ms, negative when early

    // The stamps go around the handler: its own connection is made again between them.
    QObject::disconnect(window.Timer1, &TickTimer::tick, &window, &frmMath::Timer1_Timer);
    QObject::connect(window.Timer1, &TickTimer::tick, [&] {
        tickStart = double(clock.nsecsElapsed()) / 1e6;
        lateness.push_back(tickStart - due);
    });
    QObject::connect(window.Timer1, &TickTimer::tick, &window, &frmMath::Timer1_Timer);
    QObject::connect(window.Timer1, &TickTimer::tick, [&] {
        // A tick that dealt restarted its countdown when it began; one that revealed the
        // answer restarts it at its end.
        const bool revealed = !window.lbln3->isHidden();
        due = revealed ? double(clock.nsecsElapsed()) / 1e6 + AnswerShownFor : tickStart + window.timerInterval;
        if (lateness.size() > LaterTicks)
            app.quit();
    });

    window.lblTimer_Click();
    window.lstTimer->setCurrentRow(0); // "2"
    clock.start();
    due = FirstTickDue;
    window.lstTimer_Click();
    app.exec();

    const auto [earliest, latest] = std::minmax_element(lateness.begin() + 1, lateness.end());
    std::printf("timer mode with \"2\": first tick %+.1f ms from 3000 ms\n", lateness.front());
    std::printf("next %d ticks: from %+.1f to %+.1f ms of when each was due\n", LaterTicks, *earliest, *latest);
    return 0;
}
