#include "speech/audio_level.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace audio_level {

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

} // namespace audio_level
