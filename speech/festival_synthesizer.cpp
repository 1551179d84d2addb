#include "speech/festival_synthesizer.h"

#include "speech/audio_level.h"
#include "speech/c_numeric_locale.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <festival/festival.h>

#include <algorithm>
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
// the first word the lexicon lacks, such as "numivox") hold about 453000 cells for good; a
// phrase of kMaxPhraseBytes made of unknown words and long numbers needs about 80000 more while
// it is synthesised, the program's longest phrase about 11000. Festival's default of 210000
// runs out of storage with the first phrase, and after that error it crashes; 500000 would run
// out with a long phrase. With 750000 the largest phrase uses under a third of the free heap,
// and 40000 of the program's phrases in a row ran without an error (bench/speech_soak). 32 bytes
// a cell.
constexpr int kHeapCells = 750000;

// Longer text is refused rather than risk the heap; the program's longest phrase has 78 bytes.
constexpr int kMaxPhraseBytes = 256;

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
};

FestivalGlobal& festivalGlobal()
{
    // Never destroyed, so a speech worker still finishing during exit finds its lock.
    static auto* global = new FestivalGlobal;
    return *global;
}

// Festival reports every error by a longjmp to est_errjmp, and ends the whole process when none
// is set. This runs call with the jump target here, so an error anywhere inside ends the call
// and nothing else: the phrase is lost, the program goes on. Festival's own code between here
// and the error leaks what its skipped destructors would have freed, which is how Festival
// handles errors itself. It also measures the interpreter's stack from this frame, the outermost
// one that calls into Festival, on whichever thread it runs: otherwise a thread other than the
// one that started Festival would find its stack beyond the limit, and the collector would
// scan the wrong stack. The frame's address is the machine's own; a local's address is not
// always on the stack (AddressSanitizer may keep locals on a heap-allocated fake stack, and
// the collector would then scan garbage).
bool callFestival(void (*call)(void*), void* context)
{
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
        return false;
    }
    call(context);
    est_errjmp = outerTarget;
    errjmp_ok = outerEnabled;
    return true;
}

struct Evaluation
{
    explicit Evaluation(const QString& scheme)
        : command(scheme.toUtf8().constData())
    {
    }
    EST_String command;
    bool ok = false;
};

bool evaluate(const QString& command)
{
    Evaluation evaluation(command);
    const bool returned = callFestival(
        [](void* context) {
            auto* e = static_cast<Evaluation*>(context);
            e->ok = festival_eval_command(e->command) != 0;
        },
        &evaluation);
    return returned && evaluation.ok;
}

struct Synthesis
{
    explicit Synthesis(const char* words)
        : text(words)
    {
    }
    EST_String text;
    EST_Wave wave;
    bool ok = false;
};

bool synthesizeWave(Synthesis& synthesis)
{
    const bool returned = callFestival(
        [](void* context) {
            auto* s = static_cast<Synthesis*>(context);
            s->ok = festival_text_to_wave(s->text, s->wave) != 0;
        },
        &synthesis);
    return returned && synthesis.ok && synthesis.wave.num_samples() > 0 && synthesis.wave.sample_rate() > 0;
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
    global.started
        = callFestival([](void*) { festival_initialize(0, kHeapCells); }, nullptr) && evaluate(startupScheme(initFile));
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

// Called with the lock held, once Festival has started: whether Festival found the voice.
bool voiceInstalled(const QString& voice)
{
    const LISP locations = siod_get_lval("voice-locations", nullptr);
    return locations != NIL && siod_assoc_str(voice.toUtf8().constData(), locations) != NIL;
}

// Called with the lock held: makes Festival speak with this setup, if it does not already.
bool select(FestivalGlobal& global, const QString& setup)
{
    if (global.currentSetup == setup)
        return true;
    global.currentSetup.clear();
    if (!evaluate(setup))
        return false;
    global.currentSetup = setup;
    return true;
}

} // namespace

FestivalSynthesizer::FestivalSynthesizer(QString voice, QString setupScheme)
    : setupCommand_(QStringLiteral("(begin (voice_%1) (set! hts_engine_params (append hts_engine_params "
                                   "(list (list \"-r\" %2) (list \"-fm\" %3)))) %4)")
              .arg(voice)
              .arg(kSpeed)
              .arg(kHalfTones)
              .arg(setupScheme))
    , voice_(std::move(voice))
{
}

bool FestivalSynthesizer::load()
{
    if (loaded_)
        return sampleRate_ > 0;
    loaded_ = true;

    // A missing voice is found without starting Festival, which would hold 30 MB for nothing.
    if (!voiceOnDisk(voice_))
        return false;
    FestivalGlobal& global = festivalGlobal();
    const std::lock_guard<std::mutex> lock(global.mutex);
    if (!startFestival(global) || !voiceInstalled(voice_) || !select(global, setupCommand_))
        return false;
    Synthesis first(kFirstWord);
    if (!synthesizeWave(first))
        return false;
    sampleRate_ = first.wave.sample_rate();
    return true;
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
    const QByteArray text = phrase.trimmed().toUtf8();
    if (text.isEmpty() || text.size() > kMaxPhraseBytes || !load() || (shouldStop && shouldStop()))
        return samples;

    Synthesis synthesis(text.constData());
    {
        FestivalGlobal& global = festivalGlobal();
        const std::lock_guard<std::mutex> lock(global.mutex);
        if (!select(global, setupCommand_) || !synthesizeWave(synthesis))
            return samples;
    }
    // Festival cannot be interrupted inside a phrase; a stop asked for meanwhile drops it here.
    if (shouldStop && shouldStop())
        return samples;

    EST_Wave& wave = synthesis.wave;
    if (wave.sample_rate() != sampleRate_)
        wave.resample(sampleRate_);
    samples.resize(static_cast<std::size_t>(wave.num_samples()));
    for (int i = 0; i < wave.num_samples(); ++i)
        samples[static_cast<std::size_t>(i)] = wave.a_no_check(i, 0);
    audio_level::normalizeSpeech(samples);
    // The voice starts every phrase with about 200 ms of silence, which would only delay it.
    audio_level::trimLeadingSilence(samples, static_cast<std::size_t>(sampleRate_) * kLeadInMs / 1000);
    return samples;
}
