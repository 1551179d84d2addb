#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Level handling for synthesised phrases. Kept apart from the synthesiser so the arithmetic
// can be checked on hand-made signals.
namespace audio_level {

// Largest absolute sample value; 32768 for a sample at -32768.
int peak(const std::vector<int16_t>& samples);

// Scales the phrase so its peak becomes targetPeak, but never amplifies by more than maxGain
// (so near-silence is not blown up into noise). Silence stays silence.
void normalizePeak(std::vector<int16_t>& samples, int targetPeak, double maxGain);

// Brings a synthesised phrase to the level every voice of the program speaks at.
void normalizeSpeech(std::vector<int16_t>& samples);

// Quieter than this is the background a synthesiser's silence holds (up to about 70 in
// Festival's), not yet speech; the softest onsets of the program's words ("five", "seven")
// rise above it within a few milliseconds.
constexpr int kSilenceLevel = 150;

// Drops the silence a levelled phrase starts with, all but its last keepSamples samples, so
// the phrase is heard as soon as it is played; a voice that breathes before it speaks has a
// quietLevel of its own. Silence stays silence.
void trimLeadingSilence(std::vector<int16_t>& samples, std::size_t keepSamples, int quietLevel = kSilenceLevel);

} // namespace audio_level
