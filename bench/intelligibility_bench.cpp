// The first half of the intelligibility benchmark (bench/intelligibility): synthesises the
// program's phrases with one synthesiser into WAV files for the recogniser, and prints how long
// each synthesis took and how much memory the synthesiser cost.
//
//   intelligibility_bench --list       the synthesisers, one name a line
//   intelligibility_bench NAME FOLDER  writes FOLDER/NNN.wav (the synthesiser's own rate, mono,
//                                      16-bit) and FOLDER/references.tsv (NNN, tab, the phrase)

#include "bench/bench_synthesizers.h"
#include "bench/resident_memory.h"
#include "speech/speech_synthesizer.h"
#include "support/phrase_table.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Each phrase is synthesised this many times; the figures take every call after the first.
constexpr int kPasses = 3;

// Phrases the program builds from numbers, over the numbers a child meets (0 to 144): answers,
// problems of interactive mode, waiting times and range confirmations.
QStringList builtPhrases()
{
    QStringList phrases;
    for (const int answer : { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 24, 30, 36,
             40, 42, 48, 50, 56, 63, 64, 72, 77, 81, 90, 99, 100, 108, 110, 120, 121, 132, 144 })
        phrases << QString::number(answer);
    phrases << "7 plus 5"
            << "0 plus 12"
            << "15 plus 14"
            << "9 minus 4"
            << "100 minus 90"
            << "6 times 8"
            << "11 times 11"
            << "13 times 12"
            << "12 divided by 3"
            << "81 divided by 9";
    for (int seconds = 2; seconds <= 6; ++seconds)
        phrases << QString::number(seconds) + " seconds.";
    phrases << "the minimum number is now set to 0"
            << "the minimum number is now set to 15"
            << "the maximum number is now set to 20"
            << "the maximum number is now set to 100";
    return phrases;
}

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void putLe(QByteArray& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

bool writeWav(const QString& path, const std::vector<int16_t>& samples, int rate)
{
    const auto dataBytes = static_cast<uint32_t>(samples.size() * sizeof(int16_t));
    QByteArray wav("RIFF");
    putLe(wav, 36 + dataBytes, 4);
    wav += "WAVEfmt ";
    putLe(wav, 16, 4); // format chunk size
    putLe(wav, 1, 2); // PCM
    putLe(wav, 1, 2); // mono
    putLe(wav, static_cast<uint32_t>(rate), 4);
    putLe(wav, static_cast<uint32_t>(rate) * 2, 4); // bytes a second
    putLe(wav, 2, 2); // bytes a frame
    putLe(wav, 16, 2); // bits a sample
    wav += "data";
    putLe(wav, dataBytes, 4);
    for (const int16_t sample : samples)
        putLe(wav, static_cast<uint16_t>(sample), 2);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(wav) == wav.size();
}

int run(const BenchSynthesizer& entry, const QString& folder)
{
    QStringList phrases = PhraseTable::fixedPhrases();
    for (const QString& phrase : builtPhrases()) {
        // Only phrases the program can really say belong here.
        if (!PhraseTable::isProgramPhrase(phrase)) {
            std::fprintf(stderr, "not a phrase of the program: \"%s\"\n", qPrintable(phrase));
            return 1;
        }
        phrases << phrase;
    }
    if (!QDir().mkpath(folder))
        return 1;
    QFile references(folder + "/references.tsv");
    if (!references.open(QIODevice::WriteOnly | QIODevice::Text))
        return 1;

    const double before = residentMb();
    const auto firstStart = Clock::now();
    std::unique_ptr<SpeechSynthesizer> synthesizer = entry.create();
    if (!synthesizer->load()) {
        std::fprintf(stderr, "%s cannot speak on this machine\n", qPrintable(entry.name));
        return 1;
    }
    std::vector<int16_t> audio = synthesizer->synthesize(phrases.front());
    const double firstMs = msSince(firstStart);
    const double afterFirst = residentMb();

    std::vector<double> times;
    double audioSeconds = 0;
    int silent = 0;
    for (int pass = 0; pass < kPasses; ++pass) {
        for (int i = 0; i < phrases.size(); ++i) {
            const auto start = Clock::now();
            audio = synthesizer->synthesize(phrases[i]);
            times.push_back(msSince(start));
            if (pass > 0)
                continue;
            const QString id = QString::asprintf("%03d", i);
            audioSeconds += static_cast<double>(audio.size()) / synthesizer->sampleRate();
            if (audio.empty())
                ++silent;
            else if (!writeWav(folder + '/' + id + ".wav", audio, synthesizer->sampleRate()))
                return 1;
            references.write((id + '\t' + phrases[i] + '\n').toUtf8());
        }
    }
    const double afterAll = residentMb();

    std::printf("synthesiser: %s\n", qPrintable(entry.name));
    std::printf("phrases: %lld, %d without audio, %.1f s of audio at %d Hz\n", static_cast<long long>(phrases.size()),
        silent, audioSeconds, synthesizer->sampleRate());
    std::printf("synthesis: first call %.1f ms (the synthesiser's start included), then median %.1f ms, max %.1f ms "
                "over %zu calls\n",
        firstMs, median(times), *std::max_element(times.begin(), times.end()), times.size());
    std::printf("memory: resident %.1f MB before, +%.1f MB after the first phrase, +%.1f MB after all %zu calls\n",
        before, afterFirst - before, afterAll - before, times.size() + 1);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::vector<BenchSynthesizer> synthesizers = benchSynthesizers();
    if (argc == 2 && std::strcmp(argv[1], "--list") == 0) {
        for (const BenchSynthesizer& entry : synthesizers)
            std::printf("%s\n", qPrintable(entry.name));
        return 0;
    }
    if (argc == 3) {
        for (const BenchSynthesizer& entry : synthesizers) {
            if (entry.name == QString::fromLocal8Bit(argv[1]))
                return run(entry, QString::fromLocal8Bit(argv[2]));
        }
    }
    std::fprintf(stderr, "usage: intelligibility_bench --list | NAME FOLDER\n");
    return 2;
}
