#include "app/colours.h"
#include "app/controls/choice_list.h"
#include "app/controls/frame.h"
#include "app/controls/label.h"
#include "app/controls/picture.h"
#include "app/controls/shape.h"
#include "app/controls/tick_timer.h"
#include "support/test_window.h"

#include <QComboBox>
#include <QTest>

#include <utility>

using TestClicks::atTwips;

namespace {

using Handler = void (frmMath::*)();

Handler modeButton(const QString& mode)
{
    if (mode == QLatin1String("interactive"))
        return &frmMath::lblInteractive_Click;
    if (mode == QLatin1String("timer"))
        return &frmMath::lblTimer_Click;
    return &frmMath::lblStandard_Click;
}

Shape* modeMarker(frmMath& w, const QString& mode)
{
    if (mode == QLatin1String("interactive"))
        return w.shapeInteractive;
    if (mode == QLatin1String("timer"))
        return w.ShapeTimer;
    return w.ShapeStandard;
}

QList<Shape*> modeMarkers(frmMath& w)
{
    return { w.ShapeStandard, w.shapeInteractive, w.ShapeTimer };
}

QList<Label*> choices(frmMath& w)
{
    return { w.lbl1, w.lbl2, w.lbl3, w.lbl4, w.lbl5, w.lbl6 };
}

// Which markers show, as a text that names them, so a failure says what was on screen.
QString shownMarkers(frmMath& w)
{
    QStringList shown;
    for (Shape* marker : modeMarkers(w)) {
        if (!marker->isHidden())
            shown << marker->objectName();
    }
    return shown.join(QLatin1Char(','));
}

// Timer mode with a waiting time chosen: the timer runs and both range lists are locked.
void startTimerMode(frmMath& w)
{
    w.lblTimer_Click();
    w.lstTimer->item(1)->setSelected(true);
    w.lstTimer_Click();
}

void addModeRows()
{
    QTest::addColumn<QString>("mode");
    QTest::newRow("standard") << "standard";
    QTest::newRow("interactive") << "interactive";
    QTest::newRow("timer") << "timer";
}

} // namespace

// The three mode buttons: the shape of the window each leaves behind, the division rule,
// what is said, and what an event arriving in the middle of a change sees.
class ModesTest : public QObject
{
    Q_OBJECT

private slots:
    void eachModeFromRunningTimerMode_data();
    void eachModeFromRunningTimerMode();
    void divisionRule_data();
    void divisionRule();
    void interactiveModeDealsAFreshCard();
    void phrasesAndRepeatedClicks_data();
    void phrasesAndRepeatedClicks();
    void modeButtonsTakeRealClicks_data();
    void modeButtonsTakeRealClicks();
    void eventDuringChangeSeesItHalfDone_data();
    void eventDuringChangeSeesItHalfDone();
};

void ModesTest::eachModeFromRunningTimerMode_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("timerListEnabled");
    QTest::addColumn<bool>("pictureShown");
    QTest::addColumn<bool>("choicesShown");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<bool>("dealsCard");

    QTest::newRow("standard") << "standard" << false << true << false << "click flashcard" << false;
    QTest::newRow("interactive") << "interactive" << false << false << true << "click flashcard" << true;
    QTest::newRow("timer") << "timer" << true << true << false << "" << false;
}

void ModesTest::eachModeFromRunningTimerMode()
{
    QFETCH(QString, mode);
    QFETCH(bool, timerListEnabled);
    QFETCH(bool, pictureShown);
    QFETCH(bool, choicesShown);
    QFETCH(QString, prompt);
    QFETCH(bool, dealsCard);

    TestWindow t;
    frmMath& w = t.w();
    t.random.script({ 0.25, 0.5 });
    w.lblClickMe_Click(); // a standard card 3 + 6 whose answer waits for its reveal
    startTimerMode(w);
    QVERIFY(w.Timer1->isRunning());
    QVERIFY(!w.cmbMinNum->isEnabled());
    QVERIFY(!w.cmbMaxNum->isEnabled());
    // Leftovers that the change has to put right.
    for (Shape* marker : modeMarkers(w))
        marker->setVisible(true);
    w.lblTimerStatus->setCaption(QStringLiteral("waiting 3 seconds "));
    w.lblPress->setCaption(QStringLiteral("click answer to the right =====>"));
    w.img123->setVisible(!pictureShown);
    w.frameChoices->setVisible(!choicesShown);
    const QStringList cardBefore { w.lbln1->caption(), w.lbln2->caption(), w.lbln3->caption() };
    const int drawsBefore = t.random.draws;
    t.random.script({ 0.75, 0.125, 0.0, 0.1, 0.3, 0.5, 0.7, 0.9 });

    (w.*modeButton(mode))();

    QCOMPARE(w.mode, mode);
    QCOMPARE(shownMarkers(w), modeMarker(w, mode)->objectName());
    QVERIFY(!w.Timer1->isEnabled());
    QVERIFY(!w.Timer1->isRunning());
    QCOMPARE(w.lstTimer->isEnabled(), timerListEnabled);
    if (timerListEnabled)
        QVERIFY(w.lstTimer->selectedItems().isEmpty());
    QCOMPARE(!w.img123->isHidden(), pictureShown);
    QCOMPARE(!w.frameChoices->isHidden(), choicesShown);
    QVERIFY(!w.frameTimer->isHidden());
    QCOMPARE(w.lblPress->caption(), prompt);
    QCOMPARE(w.lblTimerStatus->caption(), QString());
    QVERIFY(w.cmbMaxNum->isEnabled());
    QVERIFY(w.cmbMinNum->isEnabled());

    QVERIFY(w.lbln3->isHidden());
    QVERIFY(!w.lbln1->isHidden());
    QVERIFY(!w.lbln2->isHidden());
    QCOMPARE(t.random.draws > drawsBefore, dealsCard);
    if (dealsCard) {
        QCOMPARE(w.lbln1->caption(), QStringLiteral("9"));
        QCOMPARE(w.lbln2->caption(), QStringLiteral("1"));
        QCOMPARE(w.correctAnswer, 10.0f);
        for (Label* choice : choices(w))
            QVERIFY2(!choice->caption().isEmpty(), qPrintable(choice->objectName()));
    } else {
        QCOMPARE((QStringList { w.lbln1->caption(), w.lbln2->caption(), w.lbln3->caption() }), cardBefore);
    }
}

void ModesTest::divisionRule_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("division");
    for (const char* mode : { "standard", "interactive", "timer" }) {
        QTest::addRow("%s, division", mode) << mode << true;
        QTest::addRow("%s, subtraction", mode) << mode << false;
    }
}

void ModesTest::divisionRule()
{
    QFETCH(QString, mode);
    QFETCH(bool, division);

    TestWindow t;
    frmMath& w = t.w();
    if (division)
        w.picDivide_Click();
    else
        w.picMinus_Click();
    // The opposite of what the rule asks for, as a list choice made outside the rule could leave it.
    w.minNumber = division ? 0 : 3;
    w.cmbMinNum->setEnabled(division);
    const int entryBefore = w.cmbMinNum->currentIndex();

    (w.*modeButton(mode))();

    QCOMPARE(w.minNumber, division ? 1.0 : 3.0);
    QCOMPARE(w.cmbMinNum->isEnabled(), !division);
    QCOMPARE(w.cmbMinNum->currentIndex(), entryBefore);
    QCOMPARE(w.cmbMinNum->currentText(), QStringLiteral("0"));
}

void ModesTest::interactiveModeDealsAFreshCard()
{
    TestWindow t;
    frmMath& w = t.w();
    t.random.script({ 0.25, 0.5 });
    w.lblClickMe_Click(); // 3 + 6 on show, so the start-up card cannot pass for the new one
    w.awaitingAnswer = 1;
    for (Label* choice : choices(w))
        choice->setBackColour(Colours::Red);
    t.speech.clear();
    t.pump.reset();
    // The sample card (the maximum with itself) must never be on show while events run.
    int passesSeen = 0;
    bool sampleOnShow = false;
    for (int pass = 1; pass <= 2; ++pass) {
        t.pump.at(pass, [&] {
            ++passesSeen;
            sampleOnShow = sampleOnShow
                || (!w.lbln1->isHidden() && w.lbln1->caption() == QLatin1String("12")
                    && w.lbln2->caption() == QLatin1String("12"));
        });
    }
    // n1 = 6, n2 = 3, the right answer at position 4, then five wrong ones.
    t.random.script({ 0.5, 0.25, 0.5, 0.1, 0.3, 0.5, 0.7, 0.9 });

    w.lblInteractive_Click();

    QCOMPARE(passesSeen, 2); // the change itself and the draw of the new card
    QVERIFY(!sampleOnShow);
    QCOMPARE(w.lbln1->caption(), QStringLiteral("6"));
    QCOMPARE(w.lbln2->caption(), QStringLiteral("3"));
    QVERIFY(!w.lbln1->isHidden());
    QVERIFY(!w.lbln2->isHidden());
    QVERIFY(w.lbln3->isHidden());
    QVERIFY(!w.lblOperation->isHidden());
    QCOMPARE(w.lblOperation->caption(), QStringLiteral("+"));
    QCOMPARE(w.correctAnswer, 9.0f);
    QCOMPARE(w.lbl4->caption(), QStringLiteral("9"));
    QCOMPARE(w.operationWord, QStringLiteral("plus"));
    QCOMPARE(w.awaitingAnswer, 0);
    for (Label* choice : choices(w))
        QCOMPARE(choice->backColour(), Colours::White);
    // The card is not spoken yet: that happens when the child clicks it.
    QCOMPARE(t.speech.phrases, (QStringList { "interactive mode", "click possible answers to the right" }));
}

void ModesTest::phrasesAndRepeatedClicks_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("phrases");
    QTest::addColumn<bool>("dealsCard");

    QTest::newRow("standard") << "standard" << QStringList { "standard mode", "click flashcard" } << false;
    QTest::newRow("interactive") << "interactive"
                                 << QStringList { "interactive mode", "click possible answers to the right" } << true;
    // Clearing the time list from the program is no choice of the child: no "timer mode" here.
    QTest::newRow("timer") << "timer" << QStringList { "first choose a timer value in seconds" } << false;
}

void ModesTest::phrasesAndRepeatedClicks()
{
    QFETCH(QString, mode);
    QFETCH(QStringList, phrases);
    QFETCH(bool, dealsCard);

    TestWindow t;
    frmMath& w = t.w();
    // The second click on the same button runs the whole change again.
    const QList<std::pair<double, QString>> firstNumbers { { 0.5, "6" }, { 0.75, "9" } };
    for (const auto& [fraction, firstNumber] : firstNumbers) {
        t.speech.clear();
        const QString cardBefore = w.lbln1->caption() + w.lbln2->caption();
        t.random.script({ fraction, 0.25 });
        (w.*modeButton(mode))();
        QCOMPARE(t.speech.phrases, phrases);
        QCOMPARE(w.mode, mode);
        if (dealsCard)
            QCOMPARE(w.lbln1->caption(), firstNumber);
        else
            QCOMPARE(w.lbln1->caption() + w.lbln2->caption(), cardBefore);
    }
}

void ModesTest::modeButtonsTakeRealClicks_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("firstPhrase");

    QTest::newRow("Standard caption") << 1050 << 2550 << "standard"
                                      << "standard mode";
    QTest::newRow("Standard face") << 450 << 2300 << "standard"
                                   << "standard mode";
    QTest::newRow("Interactive caption") << 1050 << 1700 << "interactive"
                                         << "interactive mode";
    QTest::newRow("Interactive face") << 1650 << 1480 << "interactive"
                                      << "interactive mode";
    QTest::newRow("Timer caption") << 1050 << 3380 << "timer"
                                   << "first choose a timer value in seconds";
    QTest::newRow("Timer face") << 1700 << 3150 << "timer"
                                << "first choose a timer value in seconds";
}

void ModesTest::modeButtonsTakeRealClicks()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, mode);
    QFETCH(QString, firstPhrase);

    TestWindow t;
    frmMath& w = t.w();
    // Start from another mode, so the click visibly changes it.
    if (mode == QLatin1String("standard"))
        w.lblTimer_Click();
    t.speech.clear();

    TestClicks::clickAt(w, atTwips(x, y));

    QCOMPARE(w.mode, mode);
    QCOMPARE(shownMarkers(w), modeMarker(w, mode)->objectName());
    QVERIFY(!t.speech.phrases.isEmpty());
    QCOMPARE(t.speech.phrases.first(), firstPhrase);
}

void ModesTest::eventDuringChangeSeesItHalfDone_data()
{
    addModeRows();
}

void ModesTest::eventDuringChangeSeesItHalfDone()
{
    QFETCH(QString, mode);

    TestWindow t;
    frmMath& w = t.w();
    startTimerMode(w);
    w.lblPress->setCaption(QStringLiteral("before"));
    w.lblTimerStatus->setCaption(QStringLiteral("waiting 3 seconds "));
    t.speech.clear();
    t.pump.reset();

    struct Seen
    {
        bool ran = false;
        QString markers;
        bool timerEnabled = true;
        bool timerListEnabled = false;
        QString prompt;
        QString status;
        QString mode;
        QStringList phrases;
    } seen;
    t.pump.at(1, [&] {
        seen = { true, shownMarkers(w), w.Timer1->isEnabled(), w.lstTimer->isEnabled(), w.lblPress->caption(),
            w.lblTimerStatus->caption(), w.mode, t.speech.phrases };
    });

    (w.*modeButton(mode))();

    QVERIFY(seen.ran);
    QCOMPARE(seen.markers, modeMarker(w, mode)->objectName());
    QVERIFY(!seen.timerEnabled);
    QCOMPARE(seen.status, QString());
    QVERIFY(seen.timerListEnabled);
    QCOMPARE(seen.prompt, QStringLiteral("before"));
    QCOMPARE(seen.mode, QStringLiteral("timer"));
    QVERIFY(seen.phrases.isEmpty());
}

QTEST_MAIN(ModesTest)
#include "test_modes.moc"
