#pragma once

#include <QObject>

class Announcer;
class SwitchedSpeechEngine;
class frmMath;

// Makes the screen reader the program's voice while one runs: what the window would say is
// handed to the screen reader, which speaks it in its own voice and at its own pace, instead of
// two voices talking at once. When the screen reader stops, the program's own voice speaks
// again from the next phrase on.
class ScreenReaderVoice : public QObject
{
    Q_OBJECT

public:
    ScreenReaderVoice(frmMath& window, SwitchedSpeechEngine& speech);

    // Follows the desktop's screen reader as it starts and stops.
    void followDesktop();

public slots:
    void follow(bool screenReaderRuns);

private:
    Announcer* m_announcer;
    SwitchedSpeechEngine& m_speech;
};
