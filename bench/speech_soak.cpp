// A soak of the program's English voice: many phrases through Festival in one process, as a
// long day of use would send, with no audio output. Prints the resident memory along the way,
// the phrases that gave no audio, and the time per phrase. Memory should stay flat once the
// voice has settled (after the first 1000 phrases).
//
//   speech_soak [PHRASES]     default 100000

#include "resident_memory.h"
#include "speech/festival_synthesizer.h"
#include "support/phrase_table.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

// The i-th phrase: the program's fixed phrases in turn with the phrases it builds from
// numbers, the numbers running through every value a card can show.
QString phrase(long i)
{
    static const QStringList fixed = PhraseTable::fixedPhrases();
    static const QStringList words { "plus", "minus", "times", "divided by" };
    const int n = static_cast<int>(i % 145);
    const int m = static_cast<int>((i / 7) % 101);
    switch (i % 6) {
    case 0:
        return fixed[static_cast<int>((i / 6) % fixed.size())];
    case 1:
        return QString::number(n * (i % 5 == 1 ? 69 : 1)); // answers up to 10000
    case 2:
        return QStringLiteral("%1 %2 %3").arg(m).arg(words[static_cast<int>((i / 6) % 4)]).arg(n % 101);
    case 3:
        return QStringLiteral("the maximum number is now set to %1").arg(m);
    case 4:
        return QStringLiteral("%1 seconds.").arg(2 + n % 5);
    default:
        return QString::number(n / 7.0, 'g', 7); // a divided answer
    }
}

} // namespace

int main(int argc, char** argv)
{
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 100000;
    FestivalSynthesizer synthesizer;
    const double start = residentMb();
    if (!synthesizer.load()) {
        std::printf("Festival cannot speak on this machine\n");
        return EXIT_FAILURE;
    }
    std::printf("resident memory: %.1f MB before Festival, %.1f MB with the voice loaded\n", start, residentMb());

    const auto began = std::chrono::steady_clock::now();
    long silent = 0;
    double atThousand = 0;
    double low = 1e9;
    double high = 0;
    double longest = 0;
    for (long i = 1; i <= count; ++i) {
        const auto before = std::chrono::steady_clock::now();
        if (synthesizer.synthesize(phrase(i)).empty())
            ++silent;
        longest = std::max(
            longest, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - before).count());
        if (i % 1000 == 0 || i == count) {
            const double now = residentMb();
            if (i == 1000)
                atThousand = now;
            if (i >= 1000) {
                low = std::min(low, now);
                high = std::max(high, now);
            }
            const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
            std::printf("%7ld phrases: %.1f MB, %ld without audio, %.1f ms a phrase on average\n", i, now, silent,
                seconds * 1000 / static_cast<double>(i));
            std::fflush(stdout);
        }
    }
    std::printf("after %ld phrases: %.1f MB (at 1000: %.1f MB; from 1000 on between %.1f and %.1f MB), "
                "%ld without audio, longest %.0f ms\n",
        count, residentMb(), atThousand, low, high, silent, longest);
    return silent == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
