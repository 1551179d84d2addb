#include "bench/bench_synthesizers.h"

#include "speech/espeak_synthesizer.h"
#include "speech/festival_synthesizer.h"

std::vector<BenchSynthesizer> benchSynthesizers()
{
    // One line per synthesiser; a name without blanks keeps the scripts' work files simple.
    return {
        { QStringLiteral("espeak-ng"), [] { return std::make_unique<EspeakSynthesizer>(); } },
        { QStringLiteral("festival-hts"), [] { return std::make_unique<FestivalSynthesizer>(); } },
        // Festival's English diphone voice: whether a diphone voice, the kind Czech and Italian
        // have, is understood better than eSpeak NG at all.
        { QStringLiteral("festival-diphone"),
            [] { return std::make_unique<FestivalSynthesizer>(FestivalVoice { "kal_diphone", "UTF-8", false }); } },
    };
}
