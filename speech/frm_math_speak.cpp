#include "app/frmMath.h"

#include "speech/speech_engine.h"
#include "speech/speech_log.h"

void frmMath::Speak(const QString& text)
{
    const QString phrase = text;
    if (muteFlag == QLatin1String("x"))
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
