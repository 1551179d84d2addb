#include "speech/language_voices.h"

#include "speech/espeak_synthesizer.h"
#include "speech/festival_synthesizer.h"

#include <QFileInfo>

#include <cstring>

namespace {

// The voice of each language the program speaks. English is Festival's, with eSpeak's for a
// machine without it; every other language has eSpeak NG's voice of that language, the best
// Debian's main archive has for it (the same children's speed and pitch as in English, see
// EspeakSynthesizer). An eSpeak voice is there when its voice file and its dictionary are,
// both named relative to eSpeak's data folder.
struct LanguageVoice
{
    const char* language; // as Qt names it
    EspeakVoice espeak;
    const char* voiceFile;
    const char* dictionary;
};

constexpr const char* kEnglish = "en";

const LanguageVoice kVoices[] = {
    { kEnglish, EspeakSynthesizer::kEnglish, "lang/gmw/en-US", "en_dict" },
    { "es", { "es", nullptr }, "lang/roa/es", "es_dict" },
    { "fr", { "fr", nullptr }, "lang/roa/fr", "fr_dict" },
    { "de", { "de", nullptr }, "lang/gmw/de", "de_dict" },
    { "pt_BR", { "pt-br", nullptr }, "lang/roa/pt-BR", "pt_dict" },
    { "it", { "it", nullptr }, "lang/roa/it", "it_dict" },
    { "nl", { "nl", nullptr }, "lang/gmw/nl", "nl_dict" },
    { "pl", { "pl", nullptr }, "lang/zlw/pl", "pl_dict" },
    { "tr", { "tr", nullptr }, "lang/trk/tr", "tr_dict" },
    { "ru", { "ru", nullptr }, "lang/zle/ru", "ru_dict" },
    { "uk", { "uk", nullptr }, "lang/zle/uk", "uk_dict" },
    { "ca", { "ca", nullptr }, "lang/roa/ca", "ca_dict" },
    { "cs", { "cs", nullptr }, "lang/zlw/cs", "cs_dict" },
    { "el", { "el", nullptr }, "lang/grk/el", "el_dict" },
    { "sv", { "sv", nullptr }, "lang/gmq/sv", "sv_dict" },
    { "pt", { "pt", nullptr }, "lang/roa/pt", "pt_dict" }, // Portugal's
    { "hi", { "hi", nullptr }, "lang/inc/hi", "hi_dict" },
    { "id", { "id", nullptr }, "lang/poz/id", "id_dict" },
    { "vi", { "vi", nullptr }, "lang/aav/vi", "vi_dict" },
    { "ar", { "ar", nullptr }, "lang/sem/ar", "ar_dict" },
    { "fa", { "fa", nullptr }, "lang/ira/fa", "fa_dict" },
    { "ur", { "ur", nullptr }, "lang/inc/ur", "ur_dict" },
};

// "de" and "de_AT" find German; "pt_BR" finds Brazil's Portuguese, "pt_PT" and "pt" Portugal's.
const LanguageVoice* find(const QString& language)
{
    for (const QString& name : { language, language.section(QLatin1Char('_'), 0, 0) }) {
        for (const LanguageVoice& voice : kVoices) {
            if (name == QLatin1String(voice.language))
                return &voice;
        }
    }
    return nullptr;
}

bool isEnglish(const LanguageVoice& voice)
{
    return std::strcmp(voice.language, kEnglish) == 0;
}

bool espeakVoiceInstalled(const LanguageVoice& voice)
{
    const QString data = EspeakSynthesizer::dataPath() + QLatin1Char('/');
    return QFileInfo::exists(data + QLatin1String(voice.voiceFile))
        && QFileInfo::exists(data + QLatin1String(voice.dictionary));
}

} // namespace

namespace language_voices {

bool hasVoice(const QString& language)
{
    const LanguageVoice* voice = find(language);
    return voice && (isEnglish(*voice) || espeakVoiceInstalled(*voice));
}

std::vector<std::unique_ptr<SpeechSynthesizer>> candidates(const QString& language)
{
    std::vector<std::unique_ptr<SpeechSynthesizer>> voices;
    const LanguageVoice* voice = find(language);
    if (!voice || !hasVoice(language) || isEnglish(*voice)) {
        voice = find(QLatin1String(kEnglish));
        voices.push_back(std::make_unique<FestivalSynthesizer>());
    }
    voices.push_back(std::make_unique<EspeakSynthesizer>(voice->espeak));
    return voices;
}

std::unique_ptr<SpeechSynthesizer> loadFirst(std::vector<std::unique_ptr<SpeechSynthesizer>> voices)
{
    for (std::unique_ptr<SpeechSynthesizer>& voice : voices) {
        try {
            if (voice->load())
                return std::move(voice);
        } catch (...) {
        }
    }
    return nullptr;
}

} // namespace language_voices
