#include "speech/pulse_audio_output.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <QLoggingCategory>

namespace {

// Made once and never destroyed: after a stuck sound server the speech worker may still be
// in here while the program exits, and a category destroyed at exit would crash it.
const QLoggingCategory& lcPulse()
{
    static const auto* category = new QLoggingCategory("numivox.speech.pulse", QtWarningMsg);
    return *category;
}

// The server's buffer for our stream. The default is about two seconds, which would make
// write() return long before the audio is heard, so stopping could not discard it and
// closing the window would leave speech running. 150 ms keeps writes in step with
// playback while still riding out scheduling hiccups.
constexpr pa_usec_t kTargetLatencyUsec = 150 * 1000;

} // namespace

PulseAudioOutput::~PulseAudioOutput()
{
    close();
}

bool PulseAudioOutput::open(int sampleRate)
{
    if (stream_)
        return true;

    pa_sample_spec format {};
    format.format = PA_SAMPLE_S16NE;
    format.rate = static_cast<uint32_t>(sampleRate);
    format.channels = 1;

    pa_buffer_attr attr {};
    attr.maxlength = static_cast<uint32_t>(-1);
    attr.tlength = static_cast<uint32_t>(pa_usec_to_bytes(kTargetLatencyUsec, &format));
    // Playback starts once tlength bytes are buffered; drain() starts it for shorter tails.
    attr.prebuf = static_cast<uint32_t>(-1);
    attr.minreq = static_cast<uint32_t>(-1);
    attr.fragsize = static_cast<uint32_t>(-1);

    int error = 0;
    stream_
        = pa_simple_new(nullptr, "Numivox", PA_STREAM_PLAYBACK, nullptr, "Numivox", &format, nullptr, &attr, &error);
    if (!stream_) {
        // Routine when there is no sound server: the program then runs silent.
        qCDebug(lcPulse) << "cannot open audio output:" << pa_strerror(error);
        return false;
    }
    return true;
}

bool PulseAudioOutput::write(const int16_t* samples, std::size_t count)
{
    if (!stream_)
        return false;
    int error = 0;
    if (pa_simple_write(stream_, samples, count * sizeof(int16_t), &error) < 0) {
        qCDebug(lcPulse) << "audio output lost:" << pa_strerror(error);
        return false;
    }
    return true;
}

void PulseAudioOutput::drain()
{
    if (!stream_)
        return;
    int error = 0;
    if (pa_simple_drain(stream_, &error) < 0)
        qCDebug(lcPulse) << "drain failed:" << pa_strerror(error);
}

void PulseAudioOutput::close()
{
    if (!stream_)
        return;
    // Freeing disconnects the stream; the server drops whatever was not played yet.
    pa_simple_free(stream_);
    stream_ = nullptr;
}
