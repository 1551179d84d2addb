#pragma once

#include "app/frmMath.h"
#include "recording_speech_engine.h"
#include "scripted_event_pump.h"
#include "scripted_random_source.h"

#include <QPoint>

#include <memory>

class QWidget;

// A window with recording fakes, started the way the program starts it.
struct TestWindow
{
    RecordingSpeechEngine speech;
    ScriptedRandomSource random;
    ScriptedEventPump pump;
    std::unique_ptr<frmMath> window;

    // Builds the window and runs its start-up; speech and pump counts are cleared after.
    explicit TestWindow(bool load = true);

    frmMath& w() { return *window; }

    // Shows the window and makes it the active one, where the keyboard focus lands; false if
    // the window system never activates it.
    bool activate();
};

namespace TestClicks {

// The window point at twips (x, y) of the window.
QPoint atTwips(int x, int y);

// The control a click at that point reaches, through real hit testing and stacking.
QWidget* controlAt(frmMath& window, const QPoint& point);

// A real left click at that point of the window, delivered to whatever lies there.
void clickAt(frmMath& window, const QPoint& point);

// A real click in the middle of a control.
void click(QWidget* control);

// Choose an entry of a range list as the user does (raises its handler); a disabled list
// takes no choice.
void choose(frmMath& window, const QString& listName, const QString& entry);

} // namespace TestClicks
