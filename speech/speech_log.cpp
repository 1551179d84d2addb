#include "speech/speech_log.h"

Q_LOGGING_CATEGORY(lcSpeech, "numivox.speech", QtWarningMsg)

const QLoggingCategory& lcSpeechVoice()
{
    // Never destroyed: a worker still finishing while the program exits may log.
    static const auto* category = new QLoggingCategory("numivox.speech.voice", QtWarningMsg);
    return *category;
}
