#pragma once

#include <QString>

#include <memory>
#include <vector>

class SpeechSynthesizer;

// The voices for the program's language, best first, as the speech worker uses them: the first
// that loads speaks, and a later one takes over each phrase the better one will not speak (too
// long for it, or the voice has broken down). A voice is loaded when it is first needed; one that
// fails to load, or throws, is never tried again. Not thread-safe: the worker alone uses it.
class VoiceChain
{
public:
    explicit VoiceChain(std::vector<std::unique_ptr<SpeechSynthesizer>> voices);
    ~VoiceChain();

    VoiceChain(const VoiceChain&) = delete;
    VoiceChain& operator=(const VoiceChain&) = delete;

    // Loads voices in order until one loads: the voice of the first phrase, or null.
    SpeechSynthesizer* first();

    // The best voice that loads and will speak the phrase, or null.
    SpeechSynthesizer* voiceFor(const QString& phrase);

private:
    enum class State { Untried, Loaded, Failed };
    struct Voice
    {
        std::unique_ptr<SpeechSynthesizer> synthesizer;
        State state = State::Untried;
    };
    bool ready(Voice& voice);

    std::vector<Voice> voices_;
};
