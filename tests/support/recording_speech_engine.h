#pragma once

#include "speech/speech_engine.h"

#include <QString>
#include <QStringList>

#include <stdexcept>

// Records every call the window makes on its speech engine: "prepare" for the first call
// of a phrase, the phrase itself for the second. Can be told to fail every call.
class RecordingSpeechEngine : public SpeechEngine
{
public:
    enum class Failure { None, Throw };

    void prepare() override
    {
        calls << QStringLiteral("prepare");
        if (failure == Failure::Throw)
            throw std::runtime_error("speech engine unavailable");
    }

    void speak(const QString& phrase) override
    {
        calls << QStringLiteral("speak:") + phrase;
        phrases << phrase;
        if (failure == Failure::Throw)
            throw std::runtime_error("speech engine unavailable");
    }

    void clear()
    {
        calls.clear();
        phrases.clear();
    }

    QStringList calls;
    QStringList phrases;
    Failure failure = Failure::None;
};
