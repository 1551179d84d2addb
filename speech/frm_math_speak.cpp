#include "app/frmMath.h"

#include "speech/speech_engine.h"
#include "speech/speech_log.h"

void frmMath::Speak(const QString& text)
{
    const QString phrase = text;
    if (muteFlag == QLatin1String("x"))
        return;
    // A handler still finishing after the window was closed (the start-up wait, a deal)
    // has nobody left to talk to.
    if (m_closed)
        return;
    // A failing engine must never stop the caller: every failure is swallowed and the
    // phrase is simply lost.
    try {
        m_speech.prepare();
    } catch (...) {
    }
    qCDebug(lcSpeech) << phrase;
    try {
        m_speech.speak(phrase);
    } catch (...) {
    }
}
