#include "speech/speech_voices.h"

#include "speech/language_voices.h"
#include "speech/pulse_audio_output.h"
#include "speech/queued_speech_engine.h"
#include "speech/speech_synthesizer.h"

bool speechVoiceAvailable(const QString& language)
{
    return language_voices::hasVoice(language);
}

std::unique_ptr<SpeechEngine> createSystemSpeechEngine(const QString& language)
{
    return std::make_unique<QueuedSpeechEngine>(
        language_voices::candidates(language), std::make_unique<PulseAudioOutput>());
}

bool speechWorkerStillRunning()
{
    return QueuedSpeechEngine::workerStillRunning();
}
