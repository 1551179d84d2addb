// Figures for the speech engine: what a speak() costs the GUI thread, how long each voice takes
// per phrase and how much memory it holds, and how soon a phrase is heard. Prints plain
// numbers; never fails for lack of a sound server.
//
//   speech_bench               all figures
//   speech_bench --latency LANG  only how soon phrases are heard, with the voice of that language
//   speech_bench --say TEXT... only speaks the phrases, one after the other, through the
//                              real engine and waits for them to be played, for checking
//                              by ear or with a recording

#include "resident_memory.h"
#include "speech/espeak_synthesizer.h"
#include "speech/festival_synthesizer.h"
#include "speech/language_voices.h"
#include "speech/speech_engine.h"
#include "speech/speech_voices.h"
#include "support/phrase_table.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <QString>
#include <QStringList>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const QStringList kPhrases = PhraseTable::fixedPhrases() + PhraseTable::builtExamples();

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// CPU time of the calling thread, in ms: unlike the clock, it does not grow when other work
// shares the machine.
double threadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000 + static_cast<double>(now.tv_nsec) / 1e6;
}

double percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}

// The language whose voice speaks in the latency figures.
QString latencyLanguage = QStringLiteral("en");

std::unique_ptr<SpeechEngine> englishEngine()
{
    return createSystemSpeechEngine(QStringLiteral("en"));
}

// The window asks this before it shows, for every language it has text for.
void benchVoiceLookup()
{
    const QStringList languages { "en", "es", "fr", "de", "pt_BR", "it", "nl", "pl", "tr", "ja" };
    const auto start = Clock::now();
    int available = 0;
    for (const QString& language : languages)
        available += speechVoiceAvailable(language) ? 1 : 0;
    std::printf("speechVoiceAvailable() for %lld languages (%d with a voice), first calls: %.3f ms\n",
        static_cast<long long>(languages.size()), available, msSince(start));
}

void benchCallCost()
{
    constexpr int kCalls = 2000;
    auto engine = englishEngine();
    std::vector<double> micros;
    micros.reserve(kCalls);
    for (int i = 0; i < kCalls; ++i) {
        const QString& phrase = kPhrases[i % kPhrases.size()];
        const auto start = Clock::now();
        engine->prepare();
        engine->speak(phrase);
        micros.push_back(msSince(start) * 1000);
    }
    std::printf("prepare()+speak() call pair: median %.2f us, 99th percentile %.2f us, max %.1f us over %d calls\n",
        percentile(micros, 0.5), percentile(micros, 0.99), percentile(micros, 1.0), kCalls);

    const auto start = Clock::now();
    engine.reset();
    std::printf("engine destruction with up to %d phrases queued: %.1f ms\n", kCalls, msSince(start));
}

void benchSynthesis(const char* name, SpeechSynthesizer& synthesizer)
{
    constexpr int kRuns = 5;
    const double memoryBefore = residentMb();
    const auto first = Clock::now();
    if (!synthesizer.load()) {
        std::printf("%s: cannot speak on this machine\n", name);
        return;
    }
    synthesizer.synthesize("addition");
    std::printf("%s: start and first phrase %.1f ms, %d Hz\n", name, msSince(first), synthesizer.sampleRate());

    std::printf("%s: synthesis per phrase, median of %d runs:\n", name, kRuns);
    std::vector<double> medians;
    std::vector<double> cpuMedians;
    double totalAudio = 0;
    for (const QString& phrase : kPhrases) {
        std::vector<double> times;
        std::vector<double> cpuTimes;
        std::size_t samples = 0;
        for (int run = 0; run < kRuns; ++run) {
            const auto start = Clock::now();
            const double cpuStart = threadCpuMs();
            samples = synthesizer.synthesize(phrase).size();
            cpuTimes.push_back(threadCpuMs() - cpuStart);
            times.push_back(msSince(start));
        }
        const double median = percentile(times, 0.5);
        cpuMedians.push_back(percentile(cpuTimes, 0.5));
        const double seconds = static_cast<double>(samples) / synthesizer.sampleRate();
        medians.push_back(median);
        totalAudio += seconds;
        std::printf("  %6.2f ms for %5.2f s of audio  \"%s\"\n", median, seconds, qPrintable(phrase));
    }
    double total = 0;
    for (const double m : medians)
        total += m;
    std::printf("%s: synthesis over all phrases: median %.2f ms, max %.2f ms, %.0fx faster than real time\n", name,
        percentile(medians, 0.5), percentile(medians, 1.0), totalAudio * 1000 / total);
    std::printf("%s: CPU time per phrase: median %.2f ms, max %.2f ms\n", name, percentile(cpuMedians, 0.5),
        percentile(cpuMedians, 1.0));
    std::printf("%s: memory held after all phrases: %.1f MB\n", name, residentMb() - memoryBefore);
}

// Records a sink's monitor with libpulse and notes when loud audio first arrives. A record
// stream with a 10 ms fragment delivers the monitor continuously, and the time a loud
// fragment reaches us is taken as the moment it was heard: an upper bound by at most one
// fragment plus the hop to this process. Arrival times are used rather than the stream's
// sample count because a null sink's clock can stall while it settles, which would
// misplace a sample-count timeline. (tests/e2e/pulse_env.sh keeps a silent stream playing
// so the sink runs like a sound card.)
class MonitorRecorder
{
public:
    static std::unique_ptr<MonitorRecorder> open()
    {
        pa_sample_spec format {};
        format.format = PA_SAMPLE_S16NE;
        format.rate = 16000;
        format.channels = 1;
        pa_buffer_attr attr {};
        attr.maxlength = static_cast<uint32_t>(-1);
        attr.fragsize = static_cast<uint32_t>(pa_usec_to_bytes(10 * 1000, &format));
        for (const char* device : { "test_sink.monitor", "@DEFAULT_MONITOR@" }) {
            int error = 0;
            pa_simple* stream = pa_simple_new(
                nullptr, "Numivox speech bench", PA_STREAM_RECORD, device, "monitor", &format, nullptr, &attr, &error);
            if (stream)
                return std::unique_ptr<MonitorRecorder>(new MonitorRecorder(stream, device));
        }
        return nullptr;
    }

    ~MonitorRecorder()
    {
        stop_ = true;
        reader_.join();
        pa_simple_free(stream_);
    }

    MonitorRecorder(const MonitorRecorder&) = delete;
    MonitorRecorder& operator=(const MonitorRecorder&) = delete;

    const char* device() const { return device_; }

    // Forgets earlier loud audio; the next loud fragment counts.
    void arm()
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        firstLoud_.reset();
    }

    std::optional<Clock::time_point> waitForLoud(std::chrono::seconds timeout)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait_for(lock, timeout, [this] { return firstLoud_.has_value(); });
        return firstLoud_;
    }

    // Waits until nothing loud arrived for quietFor, so one phrase does not overlap the next.
    void waitForQuiet(std::chrono::milliseconds quietFor)
    {
        for (;;) {
            Clock::time_point last;
            {
                const std::lock_guard<std::mutex> lock(mutex_);
                last = lastLoud_;
            }
            if (Clock::now() - last > quietFor)
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

private:
    MonitorRecorder(pa_simple* stream, const char* device)
        : stream_(stream)
        , device_(device)
        , reader_([this] { read(); })
    {
    }

    void read()
    {
        std::vector<int16_t> fragment(160); // 10 ms
        while (!stop_) {
            int error = 0;
            if (pa_simple_read(stream_, fragment.data(), fragment.size() * sizeof(int16_t), &error) < 0)
                return;
            const auto now = Clock::now();
            const bool loud
                = std::any_of(fragment.begin(), fragment.end(), [](int16_t s) { return s > 1000 || s < -1000; });
            if (!loud)
                continue;
            {
                const std::lock_guard<std::mutex> lock(mutex_);
                lastLoud_ = now;
                if (!firstLoud_)
                    firstLoud_ = now;
            }
            changed_.notify_all();
        }
    }

    pa_simple* stream_;
    const char* device_;
    std::atomic<bool> stop_ { false };
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<Clock::time_point> firstLoud_;
    Clock::time_point lastLoud_ {};
    std::thread reader_;
};

void benchLatency()
{
    constexpr int kTrials = 7;
    const QString shortPhrase = "standard mode";
    const auto recorder = MonitorRecorder::open();
    if (!recorder) {
        std::printf("speak() to first audio: no sound server\n");
        return;
    }
    // Lets the sink settle before anything is timed.
    std::this_thread::sleep_for(std::chrono::seconds(2));

    // The program speaks its welcome two seconds after start; the voice is loaded by then.
    auto engine = createSystemSpeechEngine(latencyLanguage);
    std::this_thread::sleep_for(std::chrono::seconds(2));
    const auto measure = [&](const QString& phrase) -> std::optional<double> {
        recorder->waitForQuiet(std::chrono::milliseconds(600));
        recorder->arm();
        const auto start = Clock::now();
        engine->prepare();
        engine->speak(phrase);
        const auto heard = recorder->waitForLoud(std::chrono::seconds(10));
        if (!heard)
            return std::nullopt;
        return std::chrono::duration<double, std::milli>(*heard - start).count();
    };

    // The first phrase also connects to the sound server.
    const auto cold = measure(shortPhrase);
    if (!cold) {
        std::printf("speak() to first audio in %s: nothing heard within 10 s\n", recorder->device());
        return;
    }
    std::printf(
        "speak() to first audio in %s, first phrase (connects to the server): %.1f ms\n", recorder->device(), *cold);

    std::vector<double> warm;
    for (int i = 0; i < kTrials; ++i) {
        if (const auto latency = measure(shortPhrase))
            warm.push_back(*latency);
    }
    std::printf("speak() to first audio in %s, later phrases: median %.1f ms, min %.1f ms, max %.1f ms "
                "over %zu of %d\n",
        recorder->device(), percentile(warm, 0.5), percentile(warm, 0.0), percentile(warm, 1.0), warm.size(), kTrials);

    // Every phrase once: the slowest to be heard is the one whose first clause takes longest.
    std::vector<double> each;
    double slowest = 0;
    QString slowestPhrase;
    for (const QString& phrase : kPhrases) {
        if (const auto latency = measure(phrase)) {
            each.push_back(*latency);
            if (*latency > slowest) {
                slowest = *latency;
                slowestPhrase = phrase;
            }
        }
    }
    std::printf("speak() to first audio in %s, every phrase once: median %.1f ms, max %.1f ms (\"%s\") over %zu "
                "of %lld\n",
        recorder->device(), percentile(each, 0.5), slowest, qPrintable(slowestPhrase), each.size(),
        static_cast<long long>(kPhrases.size()));
}

// Speaks the phrases as the window does and stays long enough for them to be played (their
// length plus a second for connecting and the sound server's buffer).
void say(const QStringList& phrases)
{
    auto engine = englishEngine();
    const auto voice = language_voices::loadFirst(language_voices::candidates(QStringLiteral("en")));
    double seconds = 1.0;
    for (const QString& phrase : phrases) {
        if (voice)
            seconds += static_cast<double>(voice->synthesize(phrase).size()) / voice->sampleRate();
    }
    for (const QString& phrase : phrases) {
        engine->prepare();
        engine->speak(phrase);
    }
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && QString::fromLocal8Bit(argv[1]) == "--say") {
        QStringList phrases;
        for (int i = 2; i < argc; ++i)
            phrases << QString::fromLocal8Bit(argv[i]);
        say(phrases);
        return EXIT_SUCCESS;
    }
    if (argc == 3 && QString::fromLocal8Bit(argv[1]) == "--latency") {
        latencyLanguage = QString::fromLocal8Bit(argv[2]);
        std::printf("voice of %s\n", argv[2]);
        benchLatency();
        return EXIT_SUCCESS;
    }
    benchVoiceLookup();
    // Festival first: its memory is measured before eSpeak's is in the process.
    FestivalSynthesizer festival;
    benchSynthesis("Festival HTS (English)", festival);
    EspeakSynthesizer espeak;
    benchSynthesis("eSpeak NG (English fallback)", espeak);
    benchCallCost();
    benchLatency();
    return EXIT_SUCCESS;
}
