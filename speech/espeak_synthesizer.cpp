#include "speech/espeak_synthesizer.h"

#include "speech/audio_level.h"
#include "speech/c_numeric_locale.h"

#include <QByteArray>
#include <QString>

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <mutex>
#include <string>
#include <utility>

namespace {

// The speaking style is the same in every language, chosen for five-to-eight-year-olds
// hearing short phrases and numbers (measured in English, see kEnglish):
// - 145 words a minute instead of eSpeak's 175: slow enough for a child to follow, fast
//   enough that "click on correct answer to the right" does not drag.
// - pitch 55 (default 50), range 60 (default 50): a little higher and livelier, so it sounds
//   friendly rather than flat.
// - a 10 ms gap between words helps separate "7 plus 5" into its three words.
// - volume 100 of 200 (eSpeak's default) peaks around 26600 for the program's phrases;
//   louder settings clip inside eSpeak, and clipped peaks cannot be repaired afterwards.
constexpr int kRateWpm = 145;
constexpr int kPitch = 55;
constexpr int kPitchRange = 60;
constexpr int kWordGapTensOfMs = 1;
constexpr int kVolume = 100;

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
    std::string voice; // the voice eSpeak holds, by the name it was chosen with
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
    global.ready = true;
    return true;
}

// Called with the lock held: makes eSpeak speak with this voice, if it does not already.
bool selectVoice(EspeakGlobal& global, const EspeakVoice& voice)
{
    if (global.voice == voice.name)
        return true;
    global.voice.clear();
    if (espeak_SetVoiceByName(voice.name) != EE_OK
        && (!voice.fallback || espeak_SetVoiceByName(voice.fallback) != EE_OK))
        return false;
    // Choosing a voice resets these to the voice's own.
    espeak_SetParameter(espeakRATE, kRateWpm, 0);
    espeak_SetParameter(espeakPITCH, kPitch, 0);
    espeak_SetParameter(espeakRANGE, kPitchRange, 0);
    espeak_SetParameter(espeakWORDGAP, kWordGapTensOfMs, 0);
    espeak_SetParameter(espeakVOLUME, kVolume, 0);
    global.voice = voice.name;
    return true;
}

} // namespace

EspeakSynthesizer::EspeakSynthesizer(EspeakVoice voice, NumbersInWords numbers)
    : voice_(voice)
    , numbers_(std::move(numbers))
{
}

EspeakSynthesizer::~EspeakSynthesizer() = default;

QString EspeakSynthesizer::dataPath()
{
    EspeakGlobal& global = espeakGlobal();
    const std::lock_guard<std::mutex> lock(global.mutex);
    // Only finds the folder (ESPEAK_DATA_PATH or the built-in one), as eSpeak's start does.
    if (!global.attempted)
        espeak_ng_InitializePath(nullptr);
    const char* path = nullptr;
    espeak_Info(&path);
    return path ? QString::fromLocal8Bit(path) : QString();
}

QString EspeakSynthesizer::spokenText(const QString& phrase)
{
    if (numbers_.language.isEmpty())
        return phrase;
    if (!speller_)
        speller_ = std::make_unique<SpokenNumbers>(numbers_.language, numbers_.forms);
    return speller_->inPhrase(phrase);
}

std::vector<int16_t> EspeakSynthesizer::doSynthesize(const QString& phrase, const StopCheck& shouldStop)
{
    std::vector<int16_t> samples;
    const QByteArray text = spokenText(phrase).trimmed().toUtf8();
    if (text.isEmpty())
        return samples;

    EspeakGlobal& global = espeakGlobal();
    const std::lock_guard<std::mutex> lock(global.mutex);
    // eSpeak reads its voice files with sscanf, whatever the user's number format.
    const CNumericLocale numbers;
    if (!initializeEspeak(global) || !selectVoice(global, voice_))
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
    audio_level::normalizeSpeech(samples);
    return samples;
}
