#include "speech/espeak_synthesizer.h"

#include "speech/audio_level.h"

#include <QByteArray>
#include <QString>

#include <espeak-ng/speak_lib.h>

#include <mutex>

namespace {

// The voice is chosen for five-to-eight-year-olds hearing short phrases and numbers:
// - "en-us+klatt": American English through eSpeak's Klatt formant synthesiser, which
//   lacks the buzz of eSpeak's default voice. An offline speech recogniser limited to the
//   program's phrases understood it in 25 of 25 phrases at 130, 145 and 160 words a
//   minute; plain "en-us" managed 20, British "en" 12, the other variants 11 to 25 (only
//   the female "f5" matched it). Plain "en-us" stands in if the variant is missing.
// - 145 words a minute instead of eSpeak's 175: slow enough for a child to follow, fast
//   enough that "click on correct answer to the right" does not drag.
// - pitch 55 (default 50), range 60 (default 50): a little higher and livelier, so it sounds
//   friendly rather than flat.
// - a 10 ms gap between words helps separate "7 plus 5" into its three words.
// - volume 100 of 200 (eSpeak's default) peaks around 26600 for the program's phrases;
//   louder settings clip inside eSpeak, and clipped peaks cannot be repaired afterwards.
constexpr const char* kVoice = "en-us+klatt";
constexpr const char* kFallbackVoice = "en-us";
constexpr int kRateWpm = 145;
constexpr int kPitch = 55;
constexpr int kPitchRange = 60;
constexpr int kWordGapTensOfMs = 1;
constexpr int kVolume = 100;

// Every phrase ends at the same peak, about -2 dBFS, so phrases are equally loud and none
// is clipped. A gain limit keeps a near-silent phrase from being turned into noise.
constexpr int kTargetPeak = 26000;
constexpr double kMaxGain = 4.0;

// eSpeak hands audio to one global callback; these are per call.
struct SynthesisRun
{
    std::vector<int16_t>* samples;
    const SpeechSynthesizer::StopCheck* shouldStop;
    bool stopped = false;
};

int collectSamples(short* wav, int count, espeak_EVENT* events)
{
    // events is a list ending in espeakEVENT_LIST_TERMINATED; every entry carries the
    // user_data given to espeak_Synth.
    auto* run = events ? static_cast<SynthesisRun*>(events->user_data) : nullptr;
    if (!run)
        return 0;
    if (wav && count > 0)
        run->samples->insert(run->samples->end(), wav, wav + count);
    if (*run->shouldStop && (*run->shouldStop)()) {
        run->stopped = true;
        return 1; // tells eSpeak to abandon the phrase
    }
    return 0;
}

// One lock and one initialisation for the whole process, as eSpeak has one global state.
// eSpeak is never shut down: espeak_Terminate() waits forever for a helper thread that
// eSpeak starts even in synchronous mode, and the few megabytes of voice data are wanted
// for as long as the program speaks anyway.
struct EspeakGlobal
{
    std::mutex mutex;
    bool attempted = false;
    bool ready = false;
};

EspeakGlobal& espeakGlobal()
{
    // Never destroyed, so a speech worker still finishing during exit finds its lock.
    static auto* global = new EspeakGlobal;
    return *global;
}

// Called with the lock held.
bool initializeEspeak(EspeakGlobal& global)
{
    if (global.attempted)
        return global.ready;
    global.attempted = true;
    // Synchronous: espeak_Synth does all the work on the calling thread and returns when
    // the phrase is done.
    // DONT_EXIT: without its data eSpeak would otherwise end the whole program.
    const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (rate <= 0)
        return false;
    espeak_SetSynthCallback(&collectSamples);
    if (espeak_SetVoiceByName(kVoice) != EE_OK && espeak_SetVoiceByName(kFallbackVoice) != EE_OK)
        return false;
    espeak_SetParameter(espeakRATE, kRateWpm, 0);
    espeak_SetParameter(espeakPITCH, kPitch, 0);
    espeak_SetParameter(espeakRANGE, kPitchRange, 0);
    espeak_SetParameter(espeakWORDGAP, kWordGapTensOfMs, 0);
    espeak_SetParameter(espeakVOLUME, kVolume, 0);
    global.ready = true;
    return true;
}

} // namespace

std::vector<int16_t> EspeakSynthesizer::doSynthesize(const QString& phrase, const StopCheck& shouldStop)
{
    std::vector<int16_t> samples;
    const QByteArray text = phrase.trimmed().toUtf8();
    if (text.isEmpty())
        return samples;

    EspeakGlobal& global = espeakGlobal();
    const std::lock_guard<std::mutex> lock(global.mutex);
    if (!initializeEspeak(global))
        return samples;

    SynthesisRun run { &samples, &shouldStop };
    // A sentence pause at the end keeps consecutive phrases ("standard mode", "click
    // flashcard") from running together into one.
    const espeak_ERROR result = espeak_Synth(text.constData(), static_cast<size_t>(text.size()) + 1, 0, POS_CHARACTER,
        0, espeakCHARS_UTF8 | espeakENDPAUSE, nullptr, &run);
    if (result != EE_OK || run.stopped) {
        samples.clear();
        return samples;
    }
    audio_level::normalizePeak(samples, kTargetPeak, kMaxGain);
    return samples;
}
