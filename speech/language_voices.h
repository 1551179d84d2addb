#pragma once

#include "speech/spoken_numbers.h"

#include <QString>

#include <memory>
#include <vector>

class SpeechSynthesizer;

// The synthesisers that speak each language, best first. A language without a voice here
// gets English, so text and speech never part ways.
namespace language_voices {

// True when the language has a voice of its own on this machine; cheap, starts nothing.
bool hasVoice(const QString& language);

// The candidates for the language (or for English), best first, none loaded yet.
std::vector<std::unique_ptr<SpeechSynthesizer>> candidates(const QString& language);

// How the numbers reach the language's Festival voice, for the benchmarks.
NumbersInWords festivalNumbers(const QString& language);

// Loads the candidates in order on the calling thread and returns the first that loads, or
// null. Loading may fail by throwing as well.
std::unique_ptr<SpeechSynthesizer> loadFirst(std::vector<std::unique_ptr<SpeechSynthesizer>> voices);

} // namespace language_voices
