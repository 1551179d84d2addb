// What one new card costs at the widest ranges a child can choose, and whether the
// rejection loops draw as often as their arithmetic says they should.

#include "app/controls/label.h"
#include "app/event_pump.h"
#include "app/frmMath.h"
#include "problems/number_text.h"
#include "problems/random_source.h"
#include "speech/speech_engine.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

class SilentSpeech : public SpeechEngine
{
public:
    void prepare() override { }
    void speak(const QString&) override { }
};

// Busy waits and GenerateNumbers then cost only their own counting.
class IdlePump : public EventPump
{
public:
    void processPendingEvents() override { }
};

// The real source, counting its draws. A draw is for the first number while the card's
// first caption does not yet hold an acceptable value, and for the second one after.
class CountingRandomSource : public RandomSource
{
public:
    double next() override
    {
        if (window) {
            const double n1 = NumberText::parseLeading(window->lbln1->caption());
            const bool firstPending = n1 < window->minNumber || n1 > window->maxNumber;
            ++(firstPending ? firstDraws : secondDraws);
        }
        return m_source.next();
    }

    void reseedFromClock() override { m_source.reseedFromClock(); }

    const frmMath* window = nullptr;
    long long firstDraws = 0;
    long long secondDraws = 0;

private:
    ClockRandomSource m_source;
};

int divisorCount(int n, int high)
{
    int count = 0;
    for (int d = 1; d <= high; ++d)
        count += n % d == 0;
    return count;
}

struct Expected
{
    double first;
    double second;
};

// Draws per number on average: candidates over acceptable values, the second number
// averaged over the first, which is uniform over its range.
Expected expectedDraws(const QString& operation, int low, int high)
{
    const int firstLow = operation == QLatin1String("division") ? std::max(low, 1) : low;
    const int firstCount = high - firstLow + 1;
    double second = 0;
    for (int n1 = firstLow; n1 <= high; ++n1) {
        int acceptable = high - low + 1;
        if (operation == QLatin1String("subtraction"))
            acceptable = n1 - low + 1;
        else if (operation == QLatin1String("division"))
            acceptable = divisorCount(n1, high);
        second += double(high + 1) / acceptable;
    }
    return { double(high + 1) / firstCount, second / firstCount };
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    SilentSpeech speech;
    IdlePump pump;
    CountingRandomSource random;
    frmMath w(speech, random, pump);
    w.Form_Load();
    random.window = &w;

    struct Case
    {
        const char* operation;
        int low;
        int high;
    };
    const Case cases[] = {
        { "addition", 0, 100 },
        { "subtraction", 90, 100 },
        { "subtraction", 0, 100 },
        { "multiplication", 90, 100 },
        { "division", 0, 100 },
        { "division", 90, 100 },
    };
    constexpr int Cards = 20000;

    std::printf("%d cards per row, real random source, idle event pump\n\n", Cards);
    std::printf("%-15s %-8s %10s %10s %20s %20s\n", "operation", "range", "median us", "p99 us", "n1 draws (expected)",
        "n2 draws (expected)");
    for (const Case& c : cases) {
        w.operation = QString::fromLatin1(c.operation);
        w.minNumber = c.low;
        w.maxNumber = c.high;
        random.firstDraws = 0;
        random.secondDraws = 0;
        std::vector<double> micros;
        micros.reserve(Cards);
        for (int card = 0; card < Cards; ++card) {
            const auto start = std::chrono::steady_clock::now();
            w.NewProblem();
            micros.push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        }
        std::sort(micros.begin(), micros.end());
        const Expected expected = expectedDraws(w.operation, c.low, c.high);
        const QString range = QStringLiteral("%1..%2").arg(c.low).arg(c.high);
        std::printf("%-15s %-8s %10.1f %10.1f %9.2f (%7.2f) %9.2f (%7.2f)\n", c.operation, qPrintable(range),
            micros[Cards / 2], micros[Cards * 99 / 100], double(random.firstDraws) / Cards, expected.first,
            double(random.secondDraws) / Cards, expected.second);
    }
    return 0;
}
