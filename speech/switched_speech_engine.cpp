#include "speech/switched_speech_engine.h"

#include <QString>

#include <utility>

SwitchedSpeechEngine::SwitchedSpeechEngine(SpeechEngine& own)
    : m_own(own)
{
}

void SwitchedSpeechEngine::setOtherWay(OtherWay way)
{
    m_other = std::move(way);
    if (m_other)
        m_own.dropWaiting();
}

void SwitchedSpeechEngine::prepare()
{
    // The sound server is left alone while the phrases go the other way.
    if (!m_other)
        m_own.prepare();
}

void SwitchedSpeechEngine::speak(const QString& phrase)
{
    if (m_other)
        m_other(phrase);
    else
        m_own.speak(phrase);
}

void SwitchedSpeechEngine::dropWaiting() noexcept
{
    m_own.dropWaiting();
}
