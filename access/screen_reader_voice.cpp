#include "access/screen_reader_voice.h"

#include "access/announcer.h"
#include "access/screen_reader_watch.h"
#include "app/frmMath.h"
#include "speech/switched_speech_engine.h"

#include <QPointer>

ScreenReaderVoice::ScreenReaderVoice(frmMath& window, SwitchedSpeechEngine& speech)
    : QObject(&window)
    , m_announcer(window.findChild<Announcer*>(QStringLiteral("announcer")))
    , m_speech(speech)
{
}

void ScreenReaderVoice::followDesktop()
{
    auto* watch = new ScreenReaderWatch(this);
    connect(watch, &ScreenReaderWatch::runningChanged, this, &ScreenReaderVoice::follow);
    follow(watch->running());
}

void ScreenReaderVoice::follow(bool screenReaderRuns)
{
    m_announcer->setScreenReaderSpeaks(screenReaderRuns);
    if (!screenReaderRuns) {
        m_speech.setOtherWay({});
        return;
    }
    QPointer<Announcer> announcer = m_announcer;
    m_speech.setOtherWay([announcer](const QString& phrase) {
        if (announcer)
            announcer->speak(phrase);
    });
}
