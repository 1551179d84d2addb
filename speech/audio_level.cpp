#include "speech/audio_level.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace audio_level {

namespace {

// Every phrase ends at the same peak, about -2 dBFS, so phrases are equally loud, whichever
// voice said them, and none is clipped. A gain limit keeps a near-silent phrase from being
// turned into noise.
constexpr int kSpeechPeak = 26000;
constexpr double kMaxSpeechGain = 4.0;

} // namespace

int peak(const std::vector<int16_t>& samples)
{
    int result = 0;
    for (const int16_t sample : samples)
        result = std::max(result, std::abs(static_cast<int>(sample)));
    return result;
}

void normalizePeak(std::vector<int16_t>& samples, int targetPeak, double maxGain)
{
    const int current = peak(samples);
    if (current == 0 || targetPeak <= 0)
        return;
    const double gain = std::min(static_cast<double>(targetPeak) / current, maxGain);
    for (int16_t& sample : samples) {
        // Rounding can land one above targetPeak only if targetPeak is at full scale; clamp
        // so the result is always a valid sample.
        const long scaled = std::lround(sample * gain);
        sample = static_cast<int16_t>(std::clamp(scaled, -32767L, 32767L));
    }
}

void normalizeSpeech(std::vector<int16_t>& samples)
{
    normalizePeak(samples, kSpeechPeak, kMaxSpeechGain);
}

void trimLeadingSilence(std::vector<int16_t>& samples, std::size_t keepSamples, int quietLevel)
{
    const auto onset = std::find_if(samples.begin(), samples.end(),
        [quietLevel](int16_t sample) { return std::abs(static_cast<int>(sample)) > quietLevel; });
    if (onset == samples.end())
        return;
    const auto lead = static_cast<std::size_t>(onset - samples.begin());
    if (lead > keepSamples)
        samples.erase(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(lead - keepSamples));
}

} // namespace audio_level
