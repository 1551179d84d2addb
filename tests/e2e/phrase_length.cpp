// Tells how long the program's own voice takes to say a phrase, so the sound test can tell a
// phrase heard in full from one cut short without building in the speed of the voice.
//
//   phrase_length RMS PHRASE...
//
// For each phrase one line: "<length s> <voiced span s> <voiced s>". The audio is cut into frames
// of 20 ms; a frame is voiced when its RMS is above RMS; the span runs from the first voiced frame
// to the end of the last one. The sound test measures its recordings the same way.

#include "speech/language_voices.h"
#include "speech/speech_synthesizer.h"

#include <QString>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: phrase_length RMS PHRASE...\n");
        return 2;
    }
    const double threshold = std::strtod(argv[1], nullptr);
    // The voice the program speaks English with on this machine.
    const std::unique_ptr<SpeechSynthesizer> voice = language_voices::loadFirst(language_voices::candidates("en"));
    if (!voice) {
        std::fprintf(stderr, "phrase_length: no English voice\n");
        return 1;
    }
    SpeechSynthesizer& synthesizer = *voice;
    const std::size_t frame = static_cast<std::size_t>(synthesizer.sampleRate()) / 50;
    for (int i = 2; i < argc; ++i) {
        const std::vector<int16_t> audio = synthesizer.synthesize(QString::fromUtf8(argv[i]));
        if (audio.empty()) {
            std::fprintf(stderr, "phrase_length: no audio for \"%s\"\n", argv[i]);
            return 1;
        }
        long first = -1;
        long last = -1;
        long voiced = 0;
        const long frames = static_cast<long>((audio.size() + frame - 1) / frame);
        for (long f = 0; f < frames; ++f) {
            double sum = 0;
            std::size_t n = 0;
            for (std::size_t s = static_cast<std::size_t>(f) * frame; s < audio.size() && n < frame; ++s, ++n)
                sum += double(audio[s]) * audio[s];
            if (std::sqrt(sum / double(n)) > threshold) {
                if (first < 0)
                    first = f;
                last = f;
                ++voiced;
            }
        }
        const double length = double(audio.size()) / synthesizer.sampleRate();
        const double span = first < 0 ? 0.0 : (last - first + 1) * 0.02;
        std::printf("%.2f %.2f %.2f\n", length, span, voiced * 0.02);
    }
    return 0;
}
