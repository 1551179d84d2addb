#include "speech/voice_chain.h"

#include "speech/speech_synthesizer.h"

#include <utility>

VoiceChain::VoiceChain(std::vector<std::unique_ptr<SpeechSynthesizer>> voices)
{
    for (std::unique_ptr<SpeechSynthesizer>& synthesizer : voices)
        voices_.push_back(Voice { std::move(synthesizer), State::Untried });
}

VoiceChain::~VoiceChain() = default;

bool VoiceChain::ready(Voice& voice)
{
    if (voice.state == State::Untried) {
        voice.state = State::Failed;
        try {
            if (voice.synthesizer->load())
                voice.state = State::Loaded;
        } catch (...) {
        }
    }
    return voice.state == State::Loaded;
}

SpeechSynthesizer* VoiceChain::first()
{
    for (Voice& voice : voices_) {
        if (ready(voice))
            return voice.synthesizer.get();
    }
    return nullptr;
}

SpeechSynthesizer* VoiceChain::voiceFor(const QString& phrase)
{
    for (Voice& voice : voices_) {
        if (ready(voice) && voice.synthesizer->canSpeak(phrase))
            return voice.synthesizer.get();
    }
    return nullptr;
}
