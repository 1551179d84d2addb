// What a Festival voice really says of every phrase the program says in its language: each phrase
// goes through the program's own path (numbers in words where the voice needs them, the voice's
// character set) and Festival's segments, the sounds it makes, are read against the words, so a
// word that is skipped, spelt out, read by the front end's guess or said as another word shows.
// Prints figures and the words it doubts; asserts nothing.
//
//   festival_words LANGUAGE VOICE [ENCODING [diphone]]
//   festival_words cs czech_dita ISO-8859-2 diphone

#include "app/language.h"
#include "app/phrases.h"
#include "bench/resident_memory.h"
#include "speech/festival_synthesizer.h"
#include "speech/language_voices.h"
#include "speech/text_encoding.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <set>

namespace {

// Every phrase the program says, in the installed language, with the numbers a child meets: every
// answer up to 144, then every hundredth one and the round thousands up to 10000.
QStringList programPhrases()
{
    QStringList phrases = { Phrases::welcome(), Phrases::standardMode(), Phrases::clickFlashcard(),
        Phrases::interactiveMode(), Phrases::clickPossibleAnswers(), Phrases::chooseTimerValue(), Phrases::timerMode(),
        Phrases::revealHint(), Phrases::continueHint(), Phrases::answerHint(), Phrases::wrongAnswer(),
        Phrases::rangeComplaint(), Phrases::greeting() };
    for (const char* operation : { "addition", "subtraction", "multiplication", "division" })
        phrases << Phrases::operationName(QLatin1String(operation));
    for (int seconds = 2; seconds <= 6; ++seconds)
        phrases << Phrases::seconds(QString::number(seconds));
    std::set<int> answers;
    for (int n = 0; n <= 144; ++n)
        answers.insert(n);
    for (int n = 100; n <= 10000; n += 100)
        answers.insert(n);
    for (int n = 1; n <= 100; n += 11)
        answers.insert(n * n);
    for (const int n : answers)
        phrases << QString::number(n);
    for (int n = 0; n <= 100; n += 7) {
        const QString a = QString::number(n), b = QString::number(100 - n);
        for (const char* word : { "plus", "minus", "times", "divided by" })
            phrases << Phrases::problem(a, QLatin1String(word), b);
        phrases << Phrases::minimumSet(a) << Phrases::maximumSet(b);
    }
    return phrases;
}

// Festival Scheme: after each phrase, appends to FILE one line a token, "token TAB words TAB the
// segments of each word, words separated by |".
QString listingHook(const QString& file)
{
    return QStringLiteral(R"((set! after_synth_hooks (list (lambda (utt)
        (let ((fd (fopen "%1" "a")))
          (let ((token (utt.relation.first utt 'Token)))
            (while token
              (format fd "%s\t" (item.name token))
              (mapcar (lambda (word) (format fd "%s " (item.name word))) (item.daughters token))
              (format fd "\t")
              (mapcar (lambda (word)
                  (mapcar (lambda (syl) (mapcar (lambda (seg) (format fd "%s " (item.name seg))) (item.daughters syl)))
                      (item.daughters (item.relation word 'SylStructure)))
                  (format fd "|"))
                (item.daughters token))
              (format fd "\n")
              (set! token (item.next token))))
          (fclose fd))
        utt))))")
        .arg(file);
}

int letters(const QString& text)
{
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLetter(); }));
}

QString withoutMarks(const QString& text)
{
    return QString(text).toLower().remove(QRegularExpression(QStringLiteral("[^\\w]")));
}

// Why a token's reading is in doubt, or empty. A number left in digits must come out as ICU's
// words for it.
QString doubt(const QString& token, const QStringList& words, const QStringList& segments, const SpokenNumbers& icu)
{
    const QString plain = token.toLower();
    const bool digits = plain.contains(QRegularExpression(QStringLiteral("\\d")));
    if (letters(plain) == 0 && !digits)
        return words.isEmpty() ? QString() : QStringLiteral("a sign said as a word");
    if (digits) {
        const QString expected = icu.words(QString(token).remove(QRegularExpression(QStringLiteral("[^\\d]"))));
        return withoutMarks(words.join(QString())) == withoutMarks(expected)
            ? QString()
            : QStringLiteral("a number read as ") + words.join(QLatin1Char(' ')) + QStringLiteral(", not ") + expected;
    }
    if (words.isEmpty())
        return QStringLiteral("skipped");
    for (const QString& word : segments) {
        if (word.trimmed().isEmpty())
            return QStringLiteral("a word without sounds");
    }
    if (withoutMarks(words.join(QString())) != withoutMarks(plain))
        return QStringLiteral("read as other words: ") + words.join(QLatin1Char(' '));
    const int sounds
        = static_cast<int>(segments.join(QLatin1Char(' ')).split(QLatin1Char(' '), Qt::SkipEmptyParts).size());
    const int expected = letters(token);
    if (sounds * 2 < expected || sounds > expected * 3 / 2 + 2)
        return QStringLiteral("%1 sounds for %2 letters").arg(sounds).arg(expected);
    return QString();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: festival_words LANGUAGE VOICE [ENCODING [diphone]]\n");
        return 2;
    }
    const QString language = QString::fromLocal8Bit(argv[1]);
    const QByteArray voiceName = argv[2];
    const QByteArray encoding = argc > 3 ? QByteArray(argv[3]) : QByteArray("UTF-8");
    const bool hts = !(argc > 4 && qstrcmp(argv[4], "diphone") == 0);
    if (Language::install(app, { language }) != language) {
        std::fprintf(stderr, "no translation or voice for %s\n", argv[1]);
        return 1;
    }
    QTemporaryDir work;
    const QString listing = work.filePath(QStringLiteral("listing"));
    const double before = residentMb();
    FestivalSynthesizer voice(FestivalVoice { voiceName.constData(), encoding.constData(), hts }, listingHook(listing),
        language_voices::festivalNumbers(language));
    const auto start = std::chrono::steady_clock::now();
    if (!voice.load()) {
        std::fprintf(stderr, "Festival cannot speak with %s\n", argv[2]);
        return 1;
    }
    const double loadMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();

    const QStringList phrases = programPhrases();
    int silent = 0;
    std::vector<double> times;
    for (const QString& phrase : phrases) {
        const auto begin = std::chrono::steady_clock::now();
        for (const QString& piece : voice.pieces(phrase)) {
            if (voice.synthesize(piece).empty())
                ++silent;
        }
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count());
    }
    std::sort(times.begin(), times.end());

    QFile file(listing);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    int tokens = 0;
    std::map<QString, QString> doubts; // token: why
    const SpokenNumbers icu(language, QString());
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QStringList fields = text_encoding::decode(raw, encoding.constData()).split(QLatin1Char('\t'));
        if (fields.size() < 3)
            continue;
        ++tokens;
        const QStringList words = fields[1].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QStringList segments = fields[2].split(QLatin1Char('|'), Qt::SkipEmptyParts);
        const QString why = doubt(fields[0], words, segments, icu);
        if (!why.isEmpty())
            doubts.emplace(fields[0], why);
    }
    std::printf("voice: festival %s (%s), language %s\n", argv[2], encoding.constData(), argv[1]);
    std::printf("phrases: %lld, pieces without audio %d; tokens read %d, tokens in doubt %zu\n",
        static_cast<long long>(phrases.size()), silent, tokens, doubts.size());
    std::printf("start: %.0f ms; synthesis per phrase: median %.1f ms, max %.1f ms; memory +%.1f MB\n", loadMs,
        times[times.size() / 2], times.back(), residentMb() - before);
    for (const auto& [token, why] : doubts)
        std::printf("  %s: %s\n", qPrintable(token), qPrintable(why));
    return 0;
}
