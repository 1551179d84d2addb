#include "speech/language_voices.h"

#include "speech/espeak_synthesizer.h"
#include "speech/festival_synthesizer.h"

#include <QFileInfo>

#include <cstring>

namespace {

// A Festival voice of a language, spoken before its eSpeak NG voice: the numbers are as for
// LanguageVoice.
struct FestivalLanguageVoice
{
    FestivalVoice voice;
    const char* numbers;
};

// The voice of each language the program speaks. English is Festival's, with eSpeak's for a
// machine without it; Catalan, Czech and Italian speak with Festival's voice of their language
// where it is installed; every language has eSpeak NG's voice of that language, the best
// Debian's main archive has for the others (the same children's speed and pitch as in English, see
// EspeakSynthesizer). An eSpeak voice is there when its voice file and its dictionary are,
// both named relative to eSpeak's data folder. Where the voice reads some numbers wrong, it is
// given every number in words (see SpokenNumbers): in ICU's default rule set (""), another
// rule set, or a hand-written list.
struct LanguageVoice
{
    const char* language; // as Qt names it
    EspeakVoice espeak;
    const char* voiceFile;
    const char* dictionary;
    const char* numbers = nullptr; // null: the voice reads every digit right
    const FestivalLanguageVoice* festival = nullptr; // a clearer voice, where Debian has one
};

// eSpeak NG 1.51 reads "1" in Russian as "ойдин", and 1000 as "одна тысяч"; Ukrainian 1000 as
// "один тисяча"; Vietnamese 1000 as "một ngàn không trăm". ICU says them right.
constexpr const char* kIcuDefault = "";
// Czech 2000 is "dva tisíc" in eSpeak NG 1.51, and ICU's Czech has "jedna tisíc" and "dvě
// tisíce": the thousands are named here, and eSpeak reads the rest of the number right.
constexpr const char* kCzechThousands = "1000 tisíc, 2000 dva tisíce, 3000 tři tisíce, 4000 čtyři tisíce, "
                                        "5000 pět tisíc, 6000 šest tisíc, 7000 sedm tisíc, 8000 osm tisíc, "
                                        "9000 devět tisíc, 10000 deset tisíc";
// Mandarin says 10000 "shí qiān" and 102 "yì bǎi èr"; ICU's hanzi are right ("一万", "一百零二").
constexpr const char* kChineseNumbers = "%spellout-cardinal";
// Japanese reads kana but not ICU's kanji, and says 100 "ichi hyaku", 144 "ichi hyaku yon jū shi",
// 10000 "jū sen": every number is composed from the kana of its places.
constexpr const char* kJapaneseKana
    = "- マイナス, 1 いち, 2 に, 3 さん, 4 よん, 5 ご, 6 ろく, 7 なな, 8 はち, 9 きゅう, "
      "10 じゅう, 20 にじゅう, 30 さんじゅう, 40 よんじゅう, 50 ごじゅう, "
      "60 ろくじゅう, 70 ななじゅう, 80 はちじゅう, 90 きゅうじゅう, "
      "100 ひゃく, 200 にひゃく, 300 さんびゃく, 400 よんひゃく, 500 ごひゃく, "
      "600 ろっぴゃく, 700 ななひゃく, 800 はっぴゃく, 900 きゅうひゃく, "
      "1000 せん, 2000 にせん, 3000 さんぜん, 4000 よんせん, 5000 ごせん, "
      "6000 ろくせん, 7000 ななせん, 8000 はっせん, 9000 きゅうせん, 10000 いちまん";

// Festival's voices of three languages, each chosen by what it said of every phrase of the program
// (bench/festival_words) and wanting its text in its own character set. Catalan's front end reads
// 1000 as "un zero zero zero" and 21 as "dos un": it is given words. Czech's and Italian's read
// every number of the program right.
// Catalan's voice breathes for half a second before each phrase, at up to 650: what is below 1500
// is not yet speech.
constexpr FestivalLanguageVoice kCatalanFestival { { "upc_ca_ona_hts", "ISO-8859-15", true, 1500 }, kIcuDefault };
constexpr FestivalLanguageVoice kCzechFestival { { "czech_dita", "ISO-8859-2", false }, nullptr };
constexpr FestivalLanguageVoice kItalianFestival { { "lp_diphone", "ISO-8859-1", false }, nullptr };

constexpr const char* kEnglish = "en";

const LanguageVoice kVoices[] = {
    { kEnglish, EspeakSynthesizer::kEnglish, "lang/gmw/en-US", "en_dict" },
    { "es", { "es", nullptr }, "lang/roa/es", "es_dict" },
    { "fr", { "fr", nullptr }, "lang/roa/fr", "fr_dict" },
    { "de", { "de", nullptr }, "lang/gmw/de", "de_dict" },
    { "pt_BR", { "pt-br", nullptr }, "lang/roa/pt-BR", "pt_dict" },
    { "it", { "it", nullptr }, "lang/roa/it", "it_dict", nullptr, &kItalianFestival },
    { "nl", { "nl", nullptr }, "lang/gmw/nl", "nl_dict" },
    { "pl", { "pl", nullptr }, "lang/zlw/pl", "pl_dict" },
    { "tr", { "tr", nullptr }, "lang/trk/tr", "tr_dict" },
    { "ru", { "ru", nullptr }, "lang/zle/ru", "ru_dict", kIcuDefault },
    { "uk", { "uk", nullptr }, "lang/zle/uk", "uk_dict", kIcuDefault },
    { "ca", { "ca", nullptr }, "lang/roa/ca", "ca_dict", nullptr, &kCatalanFestival },
    { "cs", { "cs", nullptr }, "lang/zlw/cs", "cs_dict", kCzechThousands, &kCzechFestival },
    { "el", { "el", nullptr }, "lang/grk/el", "el_dict" },
    { "sv", { "sv", nullptr }, "lang/gmq/sv", "sv_dict" },
    { "pt", { "pt", nullptr }, "lang/roa/pt", "pt_dict" }, // Portugal's
    { "hi", { "hi", nullptr }, "lang/inc/hi", "hi_dict" },
    { "id", { "id", nullptr }, "lang/poz/id", "id_dict" },
    { "ar", { "ar", nullptr }, "lang/sem/ar", "ar_dict" },
    { "fa", { "fa", nullptr }, "lang/ira/fa", "fa_dict" },
    { "ur", { "ur", nullptr }, "lang/inc/ur", "ur_dict" },
    { "vi", { "vi", nullptr }, "lang/aav/vi", "vi_dict", kIcuDefault },
    // Plain "cmn" of eSpeak NG 1.51 reads Chinese characters as pinyin spelt in English ("ni
    // three"); the pinyin variant reads them right in 1.51 and 1.52, and Latin words as English.
    { "zh", { "cmn-latn-pinyin", nullptr }, "lang/sit/cmn-Latn-pinyin", "cmn_dict", kChineseNumbers },
    { "ja", { "ja", nullptr }, "lang/jpx/ja", "ja_dict", kJapaneseKana },
    { "ko", { "ko", nullptr }, "lang/ko", "ko_dict" },
    { "bn", { "bn", nullptr }, "lang/inc/bn", "bn_dict" },
    { "ta", { "ta", nullptr }, "lang/dra/ta", "ta_dict" },
    { "sw", { "sw", nullptr }, "lang/bnt/sw", "sw_dict" },
};

// "de" and "de_AT" find German, "zh_CN" and "zh" Chinese; "pt_BR" finds Brazil's Portuguese, "pt_PT" and "pt"
// Portugal's.
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

NumbersInWords numbersFor(const LanguageVoice& voice, const char* numbers)
{
    if (!numbers)
        return {};
    return { QLatin1String(voice.language), QString::fromUtf8(numbers) };
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
    if (voice->festival) {
        voices.push_back(std::make_unique<FestivalSynthesizer>(
            voice->festival->voice, QString(), numbersFor(*voice, voice->festival->numbers)));
    }
    voices.push_back(std::make_unique<EspeakSynthesizer>(voice->espeak, numbersFor(*voice, voice->numbers)));
    return voices;
}

NumbersInWords festivalNumbers(const QString& language)
{
    const LanguageVoice* voice = find(language);
    return voice && voice->festival ? numbersFor(*voice, voice->festival->numbers) : NumbersInWords();
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
