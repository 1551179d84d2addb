#include "app/controls/choice_list.h"
#include "app/controls/frame.h"
#include "app/controls/label.h"
#include "app/controls/picture.h"
#include "app/controls/shape.h"
#include "app/fonts.h"
#include "app/language.h"
#include "app/phrases.h"
#include "app/window_layout.h"
#include "support/test_window.h"

#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTranslator>

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
    void germanPhrasesAreBuiltFromTheirParts();
    void polishSecondsAgreeWithTheNumber();
    void englishPreferenceOrNoTranslationKeepsEnglish_data();
    void englishPreferenceOrNoTranslationKeepsEnglish();

private:
    static QStringList shippedLanguages();
};

namespace {

// The translation of one language, installed for the lifetime of a test.
class InstalledTranslation
{
public:
    explicit InstalledTranslation(const QString& language)
    {
        m_loaded = m_translator.load(Language::translationResource(language));
        if (m_loaded)
            QCoreApplication::installTranslator(&m_translator);
    }
    ~InstalledTranslation() { QCoreApplication::removeTranslator(&m_translator); }
    bool loaded() const { return m_loaded; }
    QString language() const { return m_translator.language(); }

private:
    QTranslator m_translator;
    bool m_loaded = false;
};

// "de" for numivox_de.ts or numivox_de.qm.
QString languageOf(const QString& fileName)
{
    return QFileInfo(fileName).completeBaseName().mid(8);
}

QRect inWindow(const QWidget* control, const frmMath& w)
{
    return QRect(control->mapTo(&w, QPoint(0, 0)), control->size());
}

// Where a caption may reach without being clipped or running into its neighbours.
QRect roomOf(const Label* label, frmMath& w)
{
    const QRect card = inWindow(w.shpFlash, w);
    if (label == w.Label10 || label == w.Label6 || label == w.Label7) {
        // On its button face, clear of the rounded ends.
        const Picture* face = label == w.Label10 ? w.Image2 : label == w.Label6 ? w.Image4 : w.Image1;
        return inWindow(face, w).adjusted(6, 0, -6, 0);
    }
    if (label == w.Label1) // the left column, left of its separator
        return QRect(0, 0, inWindow(w.Shape1, w).left() - 2, w.height());
    if (label == w.lblPress || label == w.lblTimerStatus) // inside the card, clear of its round corners
        return card.adjusted(16, 0, -16, 0);
    if (label == w.lblAddition) // between the card and the range lists
        return QRect(QPoint(card.right() + 4, 0), QPoint(inWindow(w.frmSet, w).left() - 4, w.height()));
    if (label == w.lblTavikaWrites) // on the picture, inside the window
        return QRect(QPoint(inWindow(w.img123, w).left(), 0), QPoint(w.width() - 4, w.height()));
    if (label == w.Label4) // the heading over the two columns of possible answers
        return QRect(QPoint(inWindow(w.frameChoices, w).left(), 0), QPoint(inWindow(w.lbl2, w).right(), w.height()));
    return QRect();
}

// A label, sized to its text in the design font, must lie in its room.
void verifyFits(Label* label, frmMath& w, const QString& what)
{
    const QString family = QFontInfo(label->font()).family();
    QVERIFY2(Fonts::acceptedFamilies(QStringLiteral("Comic Sans MS")).contains(family), qPrintable(family));
    const QRect text = inWindow(label, w);
    QVERIFY(text.width() >= QFontMetrics(label->font()).horizontalAdvance(label->caption()));
    QVERIFY2(roomOf(label, w).contains(text), qPrintable(what + QStringLiteral(" \"") + label->caption() + '"'));
}

// A frame's title must lie within the frame, where the style draws it.
void verifyTitleFits(Frame* frame, const QString& what)
{
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
    QCOMPARE(shippedLanguages(), QStringList({ "de", "es", "fr", "it", "nl", "pl", "pt_BR", "tr" }));
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
        QCOMPARE(translation.language(), language);
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

void LanguagesTest::germanPhrasesAreBuiltFromTheirParts()
{
    InstalledTranslation german(QStringLiteral("de"));
    QVERIFY(german.loaded());
    TestWindow t;
    frmMath& w = t.w();

    // An interactive division card is read as German children say it; its answer is the number.
    TestClicks::click(w.picDivide);
    w.lblInteractive_Click();
    t.speech.clear();
    t.random.script({ 0.95, 0.2 }); // 12 and 3
    TestClicks::click(w.lblClickMe);
    QCOMPARE(t.speech.phrases, QStringList({ "12 geteilt durch 3", "Klick rechts auf die richtige Antwort." }));
    QCOMPARE(w.lblPress->caption(), QStringLiteral("klick rechts auf die Antwort =====>"));
    for (Label* choice : { w.lbl1, w.lbl2, w.lbl3, w.lbl4, w.lbl5, w.lbl6 }) {
        if (choice->caption() == QLatin1String("4"))
            TestClicks::click(choice);
    }
    QCOMPARE(t.speech.phrases.last(), QStringLiteral("4"));

    // The range: a refused minimum, then an accepted maximum.
    TestClicks::click(w.picPlus);
    t.speech.clear();
    TestClicks::choose(w, QStringLiteral("cmbMinNum"), QStringLiteral("15"));
    TestClicks::choose(w, QStringLiteral("cmbMaxNum"), QStringLiteral("20"));
    QCOMPARE(t.speech.phrases,
        QStringList({ "Oh oh! Die kleinste Zahl darf nicht größer sein als die größte Zahl.",
            "Die größte Zahl ist jetzt 20." }));

    // Timer mode: the chosen seconds are said, and the status line waits as many.
    w.lblTimer_Click();
    t.speech.clear();
    w.lstTimer->item(3)->setSelected(true);
    w.lstTimer_Click();
    QCOMPARE(t.speech.phrases, QStringList({ "Spiel mit Uhr", "5 Sekunden." }));
    w.Timer1_Timer();
    w.Timer1_Timer();
    QCOMPARE(w.lblTimerStatus->caption(), QStringLiteral("warte 5 Sekunden "));
}

void LanguagesTest::polishSecondsAgreeWithTheNumber()
{
    InstalledTranslation polish(QStringLiteral("pl"));
    QVERIFY(polish.loaded());
    const QStringList said = { "2 sekundy.", "3 sekundy.", "4 sekundy.", "5 sekund.", "6 sekund." };
    QCOMPARE(WindowLayout::timerEntries().size(), said.size());
    for (int i = 0; i < said.size(); ++i)
        QCOMPARE(Phrases::seconds(WindowLayout::timerEntries().at(i)), said.at(i));
    QCOMPARE(Phrases::waitingSeconds(QStringLiteral("4")), QStringLiteral("czekamy 4 sekundy "));
    QCOMPARE(Phrases::waitingSeconds(QStringLiteral("6")), QStringLiteral("czekamy 6 sekund "));
}

void LanguagesTest::englishPreferenceOrNoTranslationKeepsEnglish_data()
{
    QTest::addColumn<QString>("preferred");
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << "de_DE"
                            << "de";
    QTest::newRow("Brazilian") << "pt_BR"
                               << "pt_BR";
    QTest::newRow("Japanese") << "ja_JP"
                              << "en";
    QTest::newRow("C") << "C"
                       << "en";
    QTest::newRow("British English") << "en_GB"
                                     << "en";
}

void LanguagesTest::englishPreferenceOrNoTranslationKeepsEnglish()
{
    QFETCH(QString, preferred);
    QFETCH(QString, language);
    QCOMPARE(Language::install(*QCoreApplication::instance(), QLocale(preferred)), language);
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    // With every translation removed again the program is English.
    QCOMPARE(Phrases::welcome(), QStringLiteral("welcome to numivox, standard mode. click on flashcard to begin"));
}

QTEST_MAIN(LanguagesTest)
#include "test_languages.moc"
