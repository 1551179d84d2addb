#include "access/accessible_texts.h"
#include "app/controls/choice_list.h"
#include "app/controls/label.h"
#include "app/controls/picture.h"
#include "app/language.h"
#include "app/phrases.h"
#include "app/window_layout.h"
#include "speech/espeak_synthesizer.h"
#include "speech/language_voices.h"
#include "support/installed_translation.h"
#include "support/test_window.h"

#include <QTest>

// The phrases of each language as the child hears them: built from the translation's parts,
// with numbers in the form the words next to them need, and as the voice is given them.
class SpokenPhrasesTest : public QObject
{
    Q_OBJECT

private slots:
    void germanPhrasesAreBuiltFromTheirParts();
    void numbersAreSaidInTheFormTheirWordsNeed_data();
    void numbersAreSaidInTheFormTheirWordsNeed();
    void voicesAreGivenTheNumbersInWords_data();
    void voicesAreGivenTheNumbersInWords();
};

void SpokenPhrasesTest::germanPhrasesAreBuiltFromTheirParts()
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
    QCOMPARE(t.speech.phrases, QStringList({ "Spiel mit der Uhr", "5 Sekunden." }));
    w.Timer1_Timer();
    w.Timer1_Timer();
    QCOMPARE(w.lblTimerStatus->caption(), QStringLiteral("warte 5 Sekunden "));
}

void SpokenPhrasesTest::numbersAreSaidInTheFormTheirWordsNeed_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("said"); // for the entries 2 to 6 of the timer list
    QTest::addColumn<QString>("shown"); // the status line waiting 2 seconds
    QTest::addColumn<QString>("division"); // 12 divided by 3
    // The voice would read the digit 2 as the masculine "dwa", "два", "dva"; the noun is
    // feminine. Czech divides "by three" in the instrumental.
    QTest::newRow("pl") << "pl"
                        << QStringList(
                               { "dwie sekundy.", "trzy sekundy.", "cztery sekundy.", "pięć sekund.", "sześć sekund." })
                        << "czekamy 2 sekundy "
                        << "12 podzielić przez 3";
    QTest::newRow("ru") << "ru"
                        << QStringList(
                               { "две секунды.", "три секунды.", "четыре секунды.", "пять секунд.", "шесть секунд." })
                        << "ждём 2 секунды "
                        << "12 разделить на 3";
    QTest::newRow("cs") << "cs"
                        << QStringList(
                               { "dvě sekundy.", "tři sekundy.", "čtyři sekundy.", "pět sekund.", "šest sekund." })
                        << "čekáme 2 sekundy "
                        << "12 děleno třemi";
}

void SpokenPhrasesTest::numbersAreSaidInTheFormTheirWordsNeed()
{
    QFETCH(QString, language);
    QFETCH(QStringList, said);
    QFETCH(QString, shown);
    QFETCH(QString, division);
    InstalledTranslation translation(language);
    QVERIFY(translation.loaded());
    QCOMPARE(WindowLayout::timerEntries().size(), said.size());
    for (int i = 0; i < said.size(); ++i)
        QCOMPARE(Phrases::seconds(WindowLayout::timerEntries().at(i)), said.at(i));
    QCOMPARE(Phrases::problem(QStringLiteral("12"), QStringLiteral("divided by"), QStringLiteral("3")), division);
    // What the child reads keeps its digits.
    QCOMPARE(Phrases::waitingSeconds(QStringLiteral("2")), shown);
}

void SpokenPhrasesTest::voicesAreGivenTheNumbersInWords_data()
{
    // What eSpeak is given, by the language's voice, for a phrase of the translation: "seconds"
    // is Phrases::seconds(number), "divided by" the problem 24 divided by the number, "key help"
    // the key help, "voice" the number as a phrase of its own.
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("said");
    QTest::newRow("pl seconds") << "pl" << "seconds" << "2" << "dwie sekundy.";
    QTest::newRow("ru seconds") << "ru" << "seconds" << "2" << "две секунды.";
    QTest::newRow("uk seconds") << "uk" << "seconds" << "2" << "дві секунди.";
    QTest::newRow("cs seconds") << "cs" << "seconds" << "2" << "dvě sekundy.";
    QTest::newRow("zh seconds") << "zh_CN" << "seconds" << "2" << "两秒。";
    QTest::newRow("ru key help") << "ru" << "key help" << "" << "от одного до шести";
    QTest::newRow("uk key help") << "uk" << "key help" << "" << "від одного до шести";
    QTest::newRow("pl key help") << "pl" << "key help" << "" << "od jednego do sześciu";
    QTest::newRow("cs divided by 24") << "cs" << "divided by" << "24" << "24 děleno dvaceti čtyřmi";
    QTest::newRow("cs divided by 100") << "cs" << "divided by" << "100" << "24 děleno stem";
    QTest::newRow("cs divided by 7") << "cs" << "divided by" << "7" << "24 děleno sedmi";
    QTest::newRow("ru 1") << "ru" << "voice" << "1" << "один";
    QTest::newRow("ru 21") << "ru" << "voice" << "21" << "двадцать один";
    QTest::newRow("ru 1000") << "ru" << "voice" << "1000" << "одна тысяча";
    QTest::newRow("ru 2000") << "ru" << "voice" << "2000" << "две тысячи";
    QTest::newRow("ru -3") << "ru" << "voice" << "-3" << "минус три";
    QTest::newRow("uk 1000") << "uk" << "voice" << "1000" << "одна тисяча";
    QTest::newRow("cs 1000") << "cs" << "voice" << "1000" << "tisíc";
    QTest::newRow("cs 2345") << "cs" << "voice" << "2345" << "dva tisíce 345";
    QTest::newRow("vi 1000") << "vi" << "voice" << "1000" << "một nghìn";
    QTest::newRow("zh 10000") << "zh_CN" << "voice" << "10000" << "一万";
    QTest::newRow("zh 102") << "zh_CN" << "voice" << "102" << "一百零二";
    QTest::newRow("ja 144") << "ja" << "voice" << "144" << "ひゃく よんじゅう よん";
    QTest::newRow("ja 10000") << "ja" << "voice" << "10000" << "いちまん";
    QTest::newRow("ja 3600") << "ja" << "voice" << "3600" << "さんぜん ろっぴゃく";
    QTest::newRow("ja -8") << "ja" << "voice" << "-8" << "マイナス はち";
    QTest::newRow("de keeps digits") << "de" << "voice" << "1000" << "1000";
    QTest::newRow("en keeps digits") << "en" << "voice" << "21" << "21";
}

void SpokenPhrasesTest::voicesAreGivenTheNumbersInWords()
{
    QFETCH(QString, language);
    QFETCH(QString, phrase);
    QFETCH(QString, number);
    QFETCH(QString, said);
    std::unique_ptr<InstalledTranslation> translation;
    if (language != QLatin1String("en")) {
        translation = std::make_unique<InstalledTranslation>(language);
        QVERIFY(translation->loaded());
    }
    QString text = number;
    if (phrase == QLatin1String("seconds"))
        text = Phrases::seconds(number);
    else if (phrase == QLatin1String("divided by"))
        text = Phrases::problem(QStringLiteral("24"), QStringLiteral("divided by"), number);
    else if (phrase == QLatin1String("key help"))
        text = AccessibleTexts::spokenKeyHelp();
    auto voices = language_voices::candidates(language);
    auto* espeak = dynamic_cast<EspeakSynthesizer*>(voices.back().get());
    QVERIFY(espeak);
    const QString given = espeak->spokenText(text);
    if (phrase == QLatin1String("key help")) {
        QVERIFY2(given.contains(said, Qt::CaseInsensitive), qPrintable(given));
        // Shown and read by a screen reader, the key help keeps its digits.
        QVERIFY(AccessibleTexts::keyHelp().contains(QLatin1String("1 ")));
    } else {
        QCOMPARE(given, said);
    }
}

QTEST_MAIN(SpokenPhrasesTest)
#include "test_spoken_phrases.moc"
