#include "access/key_names.h"
#include "access/keyboard.h"
#include "app/controls/choice_list.h"
#include "app/controls/focus_button.h"
#include "app/controls/frame.h"
#include "app/controls/label.h"
#include "app/controls/picture.h"
#include "app/controls/shape.h"
#include "app/fonts.h"
#include "app/language.h"
#include "app/phrases.h"
#include "app/window_layout.h"
#include "speech/espeak_synthesizer.h"
#include "support/installed_translation.h"
#include "support/test_window.h"

#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QGlyphRun>
#include <QKeyEvent>
#include <QRawFont>
#include <QSet>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>
#include <QTranslator>

#include <algorithm>

// The window and the voice in every language the program ships: every caption fits its place
// in the fonts the window really uses, and the phrases built from numbers come out whole.
class LanguagesTest : public QObject
{
    Q_OBJECT

private slots:
    void everyLanguageIsShipped();
    void everyTranslationSourceIsLoadable();
    void captionsFitTheirControls_data();
    void captionsFitTheirControls();
    void keyLettersAreTheirLanguagesOwn_data();
    void keyLettersAreTheirLanguagesOwn();
    void preferencesAreTriedInTurn_data();
    void preferencesAreTriedInTurn();

private:
    static QStringList shippedLanguages();
};

namespace {

// A key as the keyboard sends it; QTest types only keys of the ASCII range.
void pressKey(QWidget* target, Qt::Key key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString(QChar(static_cast<char32_t>(key))).toLower());
    QCoreApplication::sendEvent(target, &event);
}

// "de" for numivox_de.ts or numivox_de.qm.
QString languageOf(const QString& fileName)
{
    return QFileInfo(fileName).completeBaseName().mid(8);
}

QRect inWindow(const QWidget* control, const frmMath& w)
{
    return QRect(control->mapTo(&w, QPoint(0, 0)), control->size());
}

// A box of the window as it lies in the left-to-right window: the mirrored window's boxes are
// mirrored back, so each room below is said once for both reading directions.
QRect asLeftToRight(const QRect& box, const frmMath& w)
{
    return w.isRightToLeft() ? QRect(w.width() - box.right() - 1, box.top(), box.width(), box.height()) : box;
}

// Where a caption may reach without being clipped or running into its neighbours.
QRect roomOf(const Label* label, frmMath& w)
{
    const auto at = [&w](const QWidget* control) { return asLeftToRight(inWindow(control, w), w); };
    const QRect card = at(w.shpFlash);
    QRect room;
    if (label == w.Label10 || label == w.Label6 || label == w.Label7) {
        // On its button face, clear of the rounded ends.
        const Picture* face = label == w.Label10 ? w.Image2 : label == w.Label6 ? w.Image4 : w.Image1;
        room = at(face).adjusted(6, 0, -6, 0);
    } else if (label == w.Label1) { // the left column, left of its separator
        room = QRect(0, 0, at(w.Shape1).left() - 2, w.height());
    } else if (label == w.lblPress || label == w.lblTimerStatus) { // inside the card, clear of its round corners
        room = card.adjusted(16, 0, -16, 0);
    } else if (label == w.lblAddition) { // between the card and the range lists
        room = QRect(QPoint(card.right() + 4, 0), QPoint(at(w.frmSet).left() - 4, w.height()));
    } else if (label == w.lblTavikaWrites) { // on the picture, inside the window
        room = QRect(QPoint(at(w.img123).left(), 0), QPoint(w.width() - 4, w.height()));
    } else if (label == w.Label4) { // the heading over the two columns of possible answers
        room = QRect(QPoint(at(w.frameChoices).left(), 0), QPoint(at(w.lbl2).right(), w.height()));
    }
    return asLeftToRight(room, w);
}

// Every character of the text is in the font or in one that Qt falls back to for it. A script
// that no installed font covers is drawn as boxes, by a stand-in that has no character map
// and claims every character.
bool drawnWithoutBoxes(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QList<QRawFont> fonts;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        if (!run.rawFont().fontTable("cmap").isEmpty())
            fonts << run.rawFont();
    }
    const QList<uint> characters = text.toUcs4();
    return std::all_of(characters.begin(), characters.end(), [&fonts](uint c) {
        return QChar::isSpace(c)
            || std::any_of(fonts.begin(), fonts.end(), [c](const QRawFont& f) { return f.supportsCharacter(c); });
    });
}

// A label, sized to its text in the design font, must lie in its room.
void verifyFits(Label* label, frmMath& w, const QString& what)
{
    QVERIFY2(drawnWithoutBoxes(label->caption(), label->font()), qPrintable(what + ": " + label->caption()));
    const QString family = QFontInfo(label->font()).family();
    // The design's font, or the one the language draws its letters with.
    QVERIFY2(Fonts::acceptedFamilies(QStringLiteral("Comic Sans MS")).contains(family)
            || label->font().families().contains(family),
        qPrintable(family));
    const QRect text = inWindow(label, w);
    QVERIFY(text.width() >= QFontMetrics(label->font()).horizontalAdvance(label->caption()));
    QVERIFY2(roomOf(label, w).contains(text), qPrintable(what + QStringLiteral(" \"") + label->caption() + '"'));
}

// A frame's title must lie within the frame, where the style draws it.
void verifyTitleFits(Frame* frame, const QString& what)
{
    QVERIFY2(drawnWithoutBoxes(frame->title(), frame->font()), qPrintable(what + ": " + frame->title()));
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.textAlignment = frame->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.lineWidth = 1;
    const QRect title = frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    const int needed = QFontMetrics(frame->font()).horizontalAdvance(frame->title());
    QVERIFY2(title.width() >= needed && frame->rect().contains(title),
        qPrintable(what + QStringLiteral(" \"") + frame->title() + '"'));
}

} // namespace

QStringList LanguagesTest::shippedLanguages()
{
    QStringList languages;
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({ QStringLiteral("numivox_*.qm") }))
        languages << languageOf(file);
    return languages;
}

void LanguagesTest::everyLanguageIsShipped()
{
    QCOMPARE(shippedLanguages(),
        QStringList({ "ar", "bn", "ca", "cs", "de", "el", "es", "fa", "fr", "hi", "id", "it", "ja", "ko", "nl", "pl",
            "pt", "pt_BR", "ru", "sv", "sw", "ta", "tr", "uk", "ur", "vi", "zh_CN" }));
}

// Each translation in the source folder is compiled in under the name the program asks for, and
// holds its own language's texts: a translation the build misses or names differently would
// otherwise leave the program English without a word.
void LanguagesTest::everyTranslationSourceIsLoadable()
{
    const QStringList sources
        = QDir(QStringLiteral(NUMIVOX_TRANSLATIONS_DIR)).entryList({ QStringLiteral("numivox_*.ts") });
    QVERIFY(!sources.isEmpty());
    const QString english = Phrases::welcome();
    for (const QString& source : sources) {
        const QString language = languageOf(source);
        InstalledTranslation translation(language);
        QVERIFY2(translation.loaded(),
            qPrintable(source + " is not loadable as " + Language::translationResource(language)));
        // "pt" holds Portugal's Portuguese and says so.
        const QString declared = translation.language();
        QVERIFY2(declared == language || declared.startsWith(language + '_'), qPrintable(source + ": " + declared));
        QVERIFY2(Phrases::welcome() != english, qPrintable(source));
    }
}

void LanguagesTest::captionsFitTheirControls_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QString();
    for (const QString& language : shippedLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

void LanguagesTest::captionsFitTheirControls()
{
    QFETCH(QString, language);
    std::unique_ptr<InstalledTranslation> translation;
    if (!language.isEmpty()) {
        translation = std::make_unique<InstalledTranslation>(language);
        QVERIFY(translation->loaded());
    }
    TestWindow t;
    frmMath& w = t.w();
    if (!language.isEmpty())
        QVERIFY(w.Label6->caption() != QLatin1String("Standard") || w.Label1->caption() != QLatin1String("Modes"));

    for (Label* label : { w.Label1, w.Label10, w.Label6, w.Label7, w.lblPress, w.lblAddition, w.lblTavikaWrites })
        verifyFits(label, w, label->objectName());
    verifyTitleFits(w.frameTimer, QStringLiteral("frameTimer"));
    verifyTitleFits(w.frmSet, QStringLiteral("frmSet"));
    w.frameChoices->setVisible(true);
    verifyFits(w.Label4, w, QStringLiteral("Label4"));

    // Captions the program writes while it runs.
    for (const char* operation : { "addition", "subtraction", "multiplication", "division" }) {
        w.lblAddition->setCaption(Phrases::operationName(QLatin1String(operation)));
        verifyFits(w.lblAddition, w, QStringLiteral("lblAddition"));
    }
    w.lblPress->setCaption(Phrases::clickAnswerToTheRight());
    verifyFits(w.lblPress, w, QStringLiteral("lblPress"));
    for (const QString& seconds : WindowLayout::timerEntries()) {
        w.lblTimerStatus->setCaption(Phrases::waitingSeconds(seconds));
        verifyFits(w.lblTimerStatus, w, QStringLiteral("lblTimerStatus"));
    }
}

void LanguagesTest::keyLettersAreTheirLanguagesOwn_data()
{
    captionsFitTheirControls_data();
}

void LanguagesTest::keyLettersAreTheirLanguagesOwn()
{
    QFETCH(QString, language);
    std::unique_ptr<InstalledTranslation> translation;
    if (!language.isEmpty())
        translation = std::make_unique<InstalledTranslation>(language);
    TestWindow t;
    frmMath& w = t.w();

    // One letter each for the three modes and the loudspeaker, all different.
    const QStringList lettered = { "lblStandard", "lblInteractive", "lblTimer", "Picture1" };
    QStringList letters;
    for (const QString& control : lettered) {
        const QStringList keys = Keyboard::keyNames(control);
        QCOMPARE(keys.size(), 1);
        QCOMPARE(keys.first().toUcs4().size(), 1);
        letters << keys.first();
    }
    QCOMPARE(Keyboard::keyNames(QStringLiteral("Picture2")), QStringList({ letters.last() }));
    QCOMPARE(QSet<QString>(letters.begin(), letters.end()).size(), letters.size());
    if (language.isEmpty())
        QCOMPARE(letters, QStringList({ "S", "I", "T", "M" }));

    // No other control's key is one of them.
    for (const char* control : { "lblClickMe", "lbl1", "lbl2", "lbl3", "lbl4", "lbl5", "lbl6", "lstTimer", "picPlus",
             "picMinus", "picX", "picDivide" }) {
        const QStringList keys = Keyboard::keyNames(QString::fromLatin1(control));
        QVERIFY2(!keys.isEmpty(), control);
        for (const QString& key : keys)
            QVERIFY2(!letters.contains(key), qPrintable(QString::fromLatin1(control) + QStringLiteral(": ") + key));
    }

    // Each letter chooses its mode: timer, standard, interactive, in that order.
    const Qt::Key standard = KeyNames::inLanguage(Qt::Key_S);
    for (const auto& [english, mode] :
        { std::pair(Qt::Key_T, "timer"), std::pair(Qt::Key_S, "standard"), std::pair(Qt::Key_I, "interactive") }) {
        pressKey(w.cmdDummy, KeyNames::inLanguage(english));
        QCOMPARE(w.mode, QString::fromLatin1(mode));
    }
    // In another language the English letter is no key of the window.
    if (standard != Qt::Key_S) {
        pressKey(w.cmdDummy, Qt::Key_S);
        QCOMPARE(w.mode, QStringLiteral("interactive"));
    }
}

void LanguagesTest::preferencesAreTriedInTurn_data()
{
    QTest::addColumn<QStringList>("preferences");
    QTest::addColumn<QStringList>("missingDictionaries");
    QTest::addColumn<QString>("language");
    // The preferences as Qt lists them for LANGUAGE, LANG and so on.
    const QStringList german = { "de", "de-Latn-DE", "de-DE" };
    const QStringList french = { "fr", "fr-Latn-FR", "fr-FR" };
    QTest::newRow("German") << german << QStringList() << "de";
    QTest::newRow("Brazilian") << QStringList({ "pt-BR", "pt-Latn-BR", "pt" }) << QStringList() << "pt_BR";
    QTest::newRow("Thai, then German") << QStringList({ "th", "th-Thai-TH", "th-TH" }) + german << QStringList()
                                       << "de";
    QTest::newRow("Chinese") << QStringList({ "zh" }) << QStringList() << "zh_CN";
    QTest::newRow("Chinese of China") << QStringList({ "zh-CN", "zh-Hans-CN" }) << QStringList() << "zh_CN";
    QTest::newRow("Chinese of Taiwan, then German")
        << QStringList({ "zh-TW", "zh-Hant-TW" }) + german << QStringList() << "de";
    QTest::newRow("Japanese") << QStringList({ "ja", "ja-Jpan-JP", "ja-JP" }) << QStringList() << "ja";
    QTest::newRow("Japanese without its voice, then Korean")
        << QStringList({ "ja", "ja-JP", "ko", "ko-KR" }) << QStringList({ "ja_dict" }) << "ko";
    QTest::newRow("Chinese without its voice, then Bengali")
        << QStringList({ "zh-CN", "bn", "bn-BD" }) << QStringList({ "cmn_dict" }) << "bn";
    QTest::newRow("Tamil of Sri Lanka") << QStringList({ "ta-LK", "ta-Taml-LK" }) << QStringList() << "ta";
    QTest::newRow("Swahili without its voice") << QStringList({ "sw", "sw-KE" }) << QStringList({ "sw_dict" }) << "en";
    QTest::newRow("Portugal's Portuguese") << QStringList({ "pt-PT", "pt-Latn-PT" }) << QStringList() << "pt";
    QTest::newRow("Portuguese") << QStringList({ "pt" }) << QStringList() << "pt";
    // English is the program's own language: it needs no translation, and comes first if preferred.
    QTest::newRow("British English, then German")
        << QStringList({ "en-GB", "en-Latn-GB" }) + german << QStringList() << "en";
    QTest::newRow("English, then German") << QStringList({ "en" }) + german << QStringList() << "en";
    QTest::newRow("unknown code, then German") << QStringList({ "xx", "C" }) + german << QStringList() << "de";
    QTest::newRow("German without its voice, then French") << german + french << QStringList({ "de_dict" }) << "fr";
    QTest::newRow("neither has its voice") << german + french << QStringList({ "de_dict", "fr_dict" }) << "en";
}

void LanguagesTest::preferencesAreTriedInTurn()
{
    QFETCH(QStringList, preferences);
    QFETCH(QStringList, missingDictionaries);
    QFETCH(QString, language);

    // eSpeak's data as installed, less the dictionaries of the languages whose voice is missing.
    QTemporaryDir data;
    QVERIFY(data.isValid());
    const QDir installed(EspeakSynthesizer::dataPath());
    QVERIFY(installed.exists());
    QVERIFY(QDir(data.path()).mkdir(QStringLiteral("espeak-ng-data")));
    for (const QFileInfo& entry : installed.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (!missingDictionaries.contains(entry.fileName()))
            QVERIFY(QFile::link(entry.filePath(), data.filePath("espeak-ng-data/" + entry.fileName())));
    }
    const QByteArray before = qgetenv("ESPEAK_DATA_PATH");
    qputenv("ESPEAK_DATA_PATH", QFile::encodeName(data.path()));
    const QString chosen = Language::install(*QCoreApplication::instance(), preferences);
    const QString welcome = Phrases::welcome();
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    if (before.isNull())
        qunsetenv("ESPEAK_DATA_PATH");
    else
        qputenv("ESPEAK_DATA_PATH", before);

    QCOMPARE(chosen, language);
    // The text goes with the voice: English is the program's own words.
    QCOMPARE(welcome == QLatin1String("welcome to numivox, standard mode. click on flashcard to begin"),
        language == QLatin1String("en"));
}

QTEST_MAIN(LanguagesTest)
#include "test_languages.moc"
