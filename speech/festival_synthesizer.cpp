#include "speech/festival_synthesizer.h"

#include "speech/audio_level.h"
#include "speech/c_numeric_locale.h"
#include "speech/text_encoding.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <festival/festival.h>

#include <algorithm>
#include <atomic>
#include <csetjmp>
#include <mutex>
#include <utility>

// Where SIOD's garbage collector starts scanning the stack for live cells, and how deep below it
// the interpreter may go before it reports an error. Festival sets them once, inside its own
// start-up, for the stack of the thread that started it; no header declares them.
extern LISP* stack_start_ptr;
extern char* stack_limit_ptr;
extern long stack_size;

namespace {

// Festival's Scheme heap, in cells. The voice's data and the letter-to-sound rules (loaded with
// the first word the lexicon lacks, such as "numivox") hold about 453000 cells for good; the
// program's longest phrase needs about 11000 more while it is synthesised. Festival's default of
// 210000 runs out of storage with the first phrase; 500000 would run out with a long phrase.
// With 750000, 40000 of the program's phrases in a row ran without an error (bench/speech_soak).
// 32 bytes a cell.
constexpr int kHeapCells = 750000;

// What one synthesis needs of the heap grows with the words Festival says, and a number says
// several words a digit. Measured with the heap above and the voice loaded: nine-digit numbers ran
// out of storage from 13 of them (117 digits), amounts like "$123,456,789.99" from 99 digits and one
// run of digits from 150, while letters, in words or not, never did up to 250. So a digit counts
// three and every other byte that is not blank one, and Festival takes a piece of up to kMaxWork,
// half of the worst case that ran out. The program's largest piece costs 55.
constexpr int kMaxWork = 150;

// Speaking rate and pitch for five-to-eight-year-olds, measured with an offline recogniser as
// a stand-in for a listener (pocketsphinx 0.8 with Debian's en-us general model; 33 of the
// program's phrases and numbers, 138 words, peak-normalised, 0.3 s of silence either side).
// Word errors by speed (HTS "-r") and pitch shift (HTS "-fm", half-tones):
//   speed 1.0 (the voice's own): 28 % at +0, 28 % at +2, 28 % at +4 half-tones
//   speed 0.95: 24 % at +2          speed 0.9: 27 % at +0, 28 % at +2, 28 % at +4
//   speed 0.85: 28 % at +0 and +2   speed 0.8: 34-36 %      speed 0.7: 38-40 %
// Below 0.9 the stretched HTS voice turns mushy and is understood worse, so a slower voice
// does not help here; 0.95 is a little slower than the voice's own pace and was understood
// best. Two half-tones up make it a little brighter and friendlier at no cost in errors.
constexpr double kSpeed = 0.95; // HTS "-r": the length of every state is divided by it
constexpr double kHalfTones = 2.0; // HTS "-fm": added to the pitch of every voiced frame

// What is left of the silence before a phrase, before the first sample above the background:
// enough for a soft onset ("five", "seven") to rise from silence as the voice made it.
constexpr int kLeadInMs = 15;

// A word Festival's lexicon lacks, spoken once by load().
constexpr const char* kFirstWord = "numivox";

// One lock and one start for the whole process, as Festival has one global state.
struct FestivalGlobal
{
    std::mutex mutex;
    bool attempted = false;
    bool started = false;
    QString currentSetup; // the setup command Festival ran last
    // Set by the first error Festival reports, and never cleared: its errors longjmp past its own
    // C++ frames, so the collector's list of protected cells may point into frames that are
    // gone, and the next collection would crash. Read without the lock by canSpeak().
    std::atomic<bool> broken { false };
};

FestivalGlobal& festivalGlobal()
{
    // Never destroyed, so a speech worker still finishing during exit finds its lock.
    static auto* global = new FestivalGlobal;
    return *global;
}

// Every call into Festival goes through here, with the lock held. Festival reports every error by
// a longjmp to est_errjmp, and ends the whole process when none is set; this runs call with the
// jump target here, so an error anywhere inside ends the call and nothing else: the phrase is lost,
// Festival is marked broken, the program goes on. Festival's own code between here and the error
// leaks what its skipped destructors would have freed. call returns false when Festival reported
// an error in its own way (its evaluation functions catch errors and return false).
//
// The interpreter's stack is measured from this frame, the outermost one that calls into Festival,
// on whichever thread it runs: otherwise a thread other than the one that started Festival would
// find its stack beyond the limit, and the collector would scan the wrong stack. The frame's
// address is the machine's own; a local's address is not always on the stack (AddressSanitizer
// may keep locals on a heap-allocated fake stack, and the collector would then scan garbage).
bool callFestival(FestivalGlobal& global, bool (*call)(void*), void* context)
{
    if (global.broken)
        return false;
    const CNumericLocale numbers;
    char* const stackTop = static_cast<char*>(__builtin_frame_address(0));
    stack_start_ptr = reinterpret_cast<LISP*>(stackTop);
    stack_limit_ptr = stackTop - stack_size;
    jmp_buf* const outerTarget = est_errjmp;
    const long outerEnabled = errjmp_ok;
    jmp_buf target;
    est_errjmp = &target;
    errjmp_ok = 1;
    if (setjmp(target) != 0) {
        est_errjmp = outerTarget;
        errjmp_ok = outerEnabled;
        global.broken = true;
        return false;
    }
    const bool ok = call(context);
    est_errjmp = outerTarget;
    errjmp_ok = outerEnabled;
    if (!ok)
        global.broken = true;
    return ok;
}

bool evaluate(FestivalGlobal& global, const QString& command)
{
    EST_String scheme(command.toUtf8().constData());
    return callFestival(
        global, [](void* context) { return festival_eval_command(*static_cast<EST_String*>(context)) != 0; }, &scheme);
}

struct Synthesis
{
    Synthesis(const char* words, int rate)
        : text(words)
        , sampleRate(rate)
    {
    }
    EST_String text;
    int sampleRate; // what the wave is resampled to, when not 0
    EST_Wave wave;
};

// A wave of at least one sample at the rate asked for, or false.
bool synthesizeWave(FestivalGlobal& global, Synthesis& synthesis)
{
    const bool ok = callFestival(
        global,
        [](void* context) {
            auto* s = static_cast<Synthesis*>(context);
            if (!festival_text_to_wave(s->text, s->wave))
                return false;
            if (s->sampleRate > 0 && s->wave.num_samples() > 0 && s->wave.sample_rate() != s->sampleRate)
                s->wave.resample(s->sampleRate);
            return true;
        },
        &synthesis);
    return ok && synthesis.wave.num_samples() > 0 && synthesis.wave.sample_rate() > 0;
}

QString schemeString(QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Festival's own start-up file, init.scm, also loads the settings of the user (~/.festivalrc,
// ~/.siodrc, ~/.festivalvarsrc, ~/.siodvarsrc) and of the machine (festival.scm and
// festivalvars.scm in /etc) into this process: a file written for a screen reader could slow the
// start, change the voice or end the program. It looks for them in home-directory, which it sets
// only when unset, and in sysconfdir; both point here into the start-up file itself, a folder that
// cannot exist, so it finds none. The environment (HOME) stays as it is: other threads read it.
QString startupScheme(const QString& initFile)
{
    return QStringLiteral("(begin (define home-directory %1) (define sysconfdir %1) (load %1))")
        .arg(schemeString(initFile));
}

// Called with the lock held.
bool startFestival(FestivalGlobal& global)
{
    if (global.attempted)
        return global.started;
    global.attempted = true;
    // Without its Scheme library Festival cannot speak; its start-up would only complain.
    const QString initFile = QString::fromLocal8Bit(festival_datadir) + QStringLiteral("/init.scm");
    if (!QFile::exists(initFile))
        return false;
    global.started = callFestival(
                         global,
                         [](void*) {
                             festival_initialize(0, kHeapCells);
                             return true;
                         },
                         nullptr)
        && evaluate(global, startupScheme(initFile));
    return global.started;
}

// Festival's voices live in voices/<language>/<voice> of its data folder.
bool voiceOnDisk(const QString& voice)
{
    const QDir voices(QString::fromLocal8Bit(festival_datadir) + QStringLiteral("/voices"));
    const QStringList languages = voices.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return std::any_of(languages.begin(), languages.end(),
        [&](const QString& language) { return voices.exists(language + QLatin1Char('/') + voice); });
}

struct VoiceQuery
{
    QByteArray voice;
    bool installed = false;
};

// Called with the lock held, once Festival has started: whether Festival found the voice.
bool voiceInstalled(FestivalGlobal& global, const QString& voice)
{
    VoiceQuery query { voice.toUtf8() };
    const bool ok = callFestival(
        global,
        [](void* context) {
            auto* q = static_cast<VoiceQuery*>(context);
            const LISP locations = siod_get_lval("voice-locations", nullptr);
            q->installed = locations != NIL && siod_assoc_str(q->voice.constData(), locations) != NIL;
            return true;
        },
        &query);
    return ok && query.installed;
}

// Called with the lock held: makes Festival speak with this setup, if it does not already.
bool select(FestivalGlobal& global, const QString& setup)
{
    if (global.currentSetup == setup)
        return true;
    global.currentSetup.clear();
    if (!evaluate(global, setup))
        return false;
    global.currentSetup = setup;
    return true;
}

// What synthesising the text costs Festival's heap, in the units of kMaxWork.
int work(const QByteArray& text)
{
    int units = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9')
            units += 3;
        else if (c != ' ' && c != '\t' && c != '\n')
            units += 1;
    }
    return units;
}

// Selects the voice and gives it the children's speed: an HTS voice through its engine's own
// parameters, with its pitch raised, any other through the duration of its segments.
QString setupCommand(const FestivalVoice& voice, const QString& setupScheme)
{
    const QString speed = voice.hts
        ? QStringLiteral(
              "(set! hts_engine_params (append hts_engine_params (list (list \"-r\" %1) (list \"-fm\" %2))))")
              .arg(kSpeed)
              .arg(kHalfTones)
        : QStringLiteral("(Parameter.set 'Duration_Stretch %1)").arg(1.0 / kSpeed);
    return QStringLiteral("(begin (voice_%1) %2 %3)").arg(QLatin1String(voice.name), speed, setupScheme);
}

} // namespace

FestivalSynthesizer::FestivalSynthesizer(FestivalVoice voice, QString setupScheme, NumbersInWords numbers)
    : setupCommand_(setupCommand(voice, setupScheme))
    , voice_(voice)
    , numbers_(std::move(numbers))
{
}

FestivalSynthesizer::~FestivalSynthesizer() = default;

QByteArray FestivalSynthesizer::textFor(const QString& phrase) const
{
    if (numbers_.language.isEmpty())
        return text_encoding::encode(phrase.trimmed(), voice_.encoding);
    if (!speller_)
        speller_ = std::make_unique<SpokenNumbers>(numbers_.language, numbers_.forms);
    return text_encoding::encode(speller_->inPhrase(phrase).trimmed(), voice_.encoding);
}

bool FestivalSynthesizer::load()
{
    if (loaded_)
        return sampleRate_ > 0;
    loaded_ = true;

    // A missing voice is found without starting Festival, which would hold 30 MB for nothing.
    if (!voiceOnDisk(QLatin1String(voice_.name)))
        return false;
    FestivalGlobal& global = festivalGlobal();
    const std::lock_guard<std::mutex> lock(global.mutex);
    if (!startFestival(global) || !voiceInstalled(global, QLatin1String(voice_.name)) || !select(global, setupCommand_))
        return false;
    Synthesis first(kFirstWord, 0);
    if (!synthesizeWave(global, first))
        return false;
    sampleRate_ = first.wave.sample_rate();
    return true;
}

bool FestivalSynthesizer::canSpeak(const QString& phrase) const
{
    if (festivalGlobal().broken)
        return false;
    const QStringList parts = pieces(phrase);
    return std::all_of(
        parts.begin(), parts.end(), [this](const QString& piece) { return work(textFor(piece)) <= kMaxWork; });
}

QStringList FestivalSynthesizer::pieces(const QString& phrase) const
{
    // A mark followed by a blank ends a clause; "ut,oh" stays one word.
    static const QRegularExpression clauseEnd(QStringLiteral("(?<=[,.;:?!])\\s+"));
    QStringList result = phrase.split(clauseEnd, Qt::SkipEmptyParts);
    if (result.isEmpty())
        result.append(phrase);
    return result;
}

std::vector<int16_t> FestivalSynthesizer::doSynthesize(const QString& phrase, const StopCheck& shouldStop)
{
    std::vector<int16_t> samples;
    const QByteArray text = textFor(phrase);
    if (text.isEmpty() || work(text) > kMaxWork || !load() || (shouldStop && shouldStop()))
        return samples;

    Synthesis synthesis(text.constData(), sampleRate_);
    {
        FestivalGlobal& global = festivalGlobal();
        const std::lock_guard<std::mutex> lock(global.mutex);
        if (!select(global, setupCommand_) || !synthesizeWave(global, synthesis))
            return samples;
    }
    // Festival cannot be interrupted inside a phrase; a stop asked for meanwhile drops it here.
    if (shouldStop && shouldStop())
        return samples;

    const EST_Wave& wave = synthesis.wave;
    samples.resize(static_cast<std::size_t>(wave.num_samples()));
    for (int i = 0; i < wave.num_samples(); ++i)
        samples[static_cast<std::size_t>(i)] = wave.a_no_check(i, 0);
    audio_level::normalizeSpeech(samples);
    // The voice starts every phrase with about 200 ms of silence, which would only delay it.
    audio_level::trimLeadingSilence(
        samples, static_cast<std::size_t>(sampleRate_) * kLeadInMs / 1000, voice_.quietLevel);
    return samples;
}
