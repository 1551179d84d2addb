#pragma once

#include "speech/audio_output.h"

struct pa_simple;

// Plays speech through the PulseAudio client library (which also reaches PipeWire's
// PulseAudio service), so no device code of our own. pa_simple calls block, sometimes
// for long (connecting to a stuck server), so only the speech worker thread may use it.
class PulseAudioOutput : public AudioOutput
{
public:
    PulseAudioOutput() = default;
    ~PulseAudioOutput() override;

    PulseAudioOutput(const PulseAudioOutput&) = delete;
    PulseAudioOutput& operator=(const PulseAudioOutput&) = delete;

    bool open(int sampleRate) override;
    bool isOpen() const override { return stream_ != nullptr; }
    bool write(const int16_t* samples, std::size_t count) override;
    void drain() override;
    void close() override;

private:
    pa_simple* stream_ = nullptr;
};
