#include "app/colours.h"
#include "app/controls/choice_list.h"
#include "app/controls/focus_button.h"
#include "app/controls/frame.h"
#include "app/controls/label.h"
#include "app/controls/picture.h"
#include "app/controls/shape.h"
#include "app/controls/tick_timer.h"
#include "app/fonts.h"
#include "app/window_layout.h"
#include "support/fixed_translation.h"
#include "support/test_window.h"

#include <QComboBox>
#include <QFontInfo>
#include <QLoggingCategory>
#include <QTest>

using TestClicks::atTwips;

// The window as the child meets it: what each click reaches, its fonts and colours,
// the start-up and what may happen during the start-up pause.
class AppTest : public QObject
{
    Q_OBJECT

private slots:
    void windowHasItsTitleAndFixedSize();
    void clicksReachTheRightControl_data();
    void clicksReachTheRightControl();
    void controlsLieAtTheirMirroredPlaces_data();
    void controlsLieAtTheirMirroredPlaces();
    void answerFrameCoversThePictureAndItsCaption();
    void clickOnMarkerIsABackgroundClick();
    void clickOnCardTextDealsACard();
    void designFontsResolveToThemselvesOrTheirStandIns_data();
    void designFontsResolveToThemselvesOrTheirStandIns();
    void windowPaintsItsColours();
    void longAnswersAreNotClipped();

    void startupState();
    void startupSelectionsAreSilentAndClearTheMarker();
    void nestedClickDuringStartupSeesThatMomentAndEndsTheWait();
    void closingDuringStartupEndsTheWait();
    void backgroundClickStopsTheTimerOnly();
};

void AppTest::windowHasItsTitleAndFixedSize()
{
    TestWindow t;
    QCOMPARE(t.w().windowTitle(), QStringLiteral("Numivox (version 1.1)"));
    QCOMPARE(t.w().size(), QSize(774, 550));
    QCOMPARE(t.w().minimumSize(), t.w().maximumSize());
    QVERIFY(!t.w().windowIcon().isNull());
}

void AppTest::clicksReachTheRightControl_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("control");

    QTest::newRow("first number") << 4700 << 1900 << "lblClickMe";
    QTest::newRow("sign") << 3400 << 3500 << "lblClickMe";
    QTest::newRow("second number") << 4700 << 3500 << "lblClickMe";
    QTest::newRow("rule line") << 4000 << 4702 << "lblClickMe";
    QTest::newRow("answer") << 4800 << 5600 << "lblClickMe";
    QTest::newRow("prompt") << 4500 << 6950 << "lblClickMe";
    QTest::newRow("Interactive caption") << 1050 << 1700 << "lblInteractive";
    QTest::newRow("Interactive face") << 1650 << 1480 << "lblInteractive";
    QTest::newRow("Standard caption") << 1050 << 2550 << "lblStandard";
    QTest::newRow("Standard face") << 450 << 2300 << "lblStandard";
    QTest::newRow("Timer caption") << 1050 << 3380 << "lblTimer";
    QTest::newRow("Timer face") << 1700 << 3150 << "lblTimer";
    QTest::newRow("mode marker") << 300 << 2550 << "frmMath";
    QTest::newRow("operation marker") << 7410 << 675 << "frmMath";
    QTest::newRow("separator") << 1957 << 5000 << "frmMath";
    QTest::newRow("plus picture") << 7395 << 1050 << "picPlus";
    QTest::newRow("division picture") << 9100 << 1050 << "picDivide";
    QTest::newRow("chalkboard picture") << 8200 << 3000 << "img123";
    QTest::newRow("picture caption") << 10100 << 5150 << "lblTavikaWrites";
    QTest::newRow("link") << 9300 << 7600 << "Label2";
    QTest::newRow("loudspeaker") << 1100 << 7100 << "Picture1";
    QTest::newRow("timer frame") << 450 << 6100 << "frameTimer";
    QTest::newRow("range frame") << 9600 << 1450 << "frmSet";
}

void AppTest::clicksReachTheRightControl()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, control);
    TestWindow t;
    QCOMPARE(TestClicks::controlAt(t.w(), atTwips(x, y))->objectName(), control);
    // A right-to-left reader clicks the same control at its mirrored place.
    FixedTranslation rightToLeft(rightToLeftReading());
    TestWindow mirrored;
    QCOMPARE(
        TestClicks::controlAt(mirrored.w(), atTwips(WindowLayout::ClientWidthTwips - x, y))->objectName(), control);
}

void AppTest::controlsLieAtTheirMirroredPlaces_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("movesWithCard");
    // The numbers of the sum keep their columns on the card; every other control is mirrored,
    // the sign and the rule line too, as they stand right of the numbers in this reading.
    const QStringList withCard = { "lbln1", "lbln2", "lbln3" };
    for (const WindowLayout::Control& row : WindowLayout::controls())
        QTest::newRow(qPrintable(row.name)) << row.name << withCard.contains(row.name);
}

void AppTest::controlsLieAtTheirMirroredPlaces()
{
    QFETCH(QString, control);
    QFETCH(bool, movesWithCard);
    const auto row = std::find_if(WindowLayout::controls().begin(), WindowLayout::controls().end(),
        [&control](const WindowLayout::Control& c) { return c.name == control; });
    // As built, before start-up moves the focus button out of sight.
    TestWindow english(false);
    FixedTranslation rightToLeft(rightToLeftReading());
    TestWindow mirrored(false);
    QVERIFY(!english.w().isRightToLeft());
    QVERIFY(mirrored.w().isRightToLeft());
    const QRect ltr = english.w().findChild<QWidget*>(control)->geometry();
    const QRect rtl = mirrored.w().findChild<QWidget*>(control)->geometry();

    // The English window: every control of a fixed size where the table puts it.
    const QRect design(WindowLayout::toPixels(row->left), WindowLayout::toPixels(row->top),
        WindowLayout::toPixels(row->width), WindowLayout::toPixels(row->height));
    if (!row->sizedToText && row->kind != WindowLayout::Kind::Line)
        QCOMPARE(ltr, design);

    // The mirrored window: the same box at its mirrored place in its parent, or moved with the
    // card. A centred caption may land a pixel off, as its width need not be even.
    const int parentWidth = english.w().findChild<QWidget*>(control)->parentWidget()->width();
    const int cardShift = mirrored.w().shpFlash->x() - english.w().shpFlash->x();
    // A line's box holds both its end pixels, so a mirrored line's box lies one pixel further.
    const int lineEnd = row->kind == WindowLayout::Kind::Line ? 1 : 0;
    const int expectedLeft = movesWithCard ? ltr.left() + cardShift : parentWidth - ltr.left() - ltr.width() + lineEnd;
    const bool centred = row->sizedToText && (row->alignment & Qt::AlignHCenter);
    QVERIFY2(std::abs(rtl.left() - expectedLeft) <= (centred ? 1 : 0),
        qPrintable(QStringLiteral("left %1, expected %2").arg(rtl.left()).arg(expectedLeft)));
    QCOMPARE(rtl.top(), ltr.top());
    QCOMPARE(rtl.size(), ltr.size());
}

void AppTest::answerFrameCoversThePictureAndItsCaption()
{
    TestWindow t;
    t.w().frameChoices->setVisible(true);
    for (const QPoint& p : { atTwips(8200, 3000), atTwips(10100, 5150) }) {
        QWidget* hit = TestClicks::controlAt(t.w(), p);
        QVERIFY2(hit == t.w().frameChoices || t.w().frameChoices->isAncestorOf(hit), qPrintable(hit->objectName()));
    }
    // A click there greets nobody.
    TestClicks::clickAt(t.w(), atTwips(8200, 3000));
    TestClicks::clickAt(t.w(), atTwips(10100, 5150));
    QVERIFY(!t.speech.phrases.join('|').contains(QStringLiteral("tavika")));
}

void AppTest::clickOnMarkerIsABackgroundClick()
{
    TestWindow t;
    t.w().Timer1->setInterval(5000);
    t.w().Timer1->setEnabled(true);
    TestClicks::clickAt(t.w(), atTwips(300, 2550));
    QVERIFY(!t.w().Timer1->isEnabled());
    QVERIFY(t.speech.phrases.isEmpty());
}

void AppTest::clickOnCardTextDealsACard()
{
    TestWindow t;
    TestClicks::clickAt(t.w(), atTwips(4700, 1900));
    QCOMPARE(t.speech.phrases, QStringList { "click flash card for answer" });
    QVERIFY(t.w().lbln3->isHidden());
    QVERIFY(!t.w().lbln1->isHidden());
}

void AppTest::designFontsResolveToThemselvesOrTheirStandIns_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("designFamily");
    QTest::newRow("card number") << "lbln1"
                                 << "Times New Roman";
    QTest::newRow("possible answer") << "lbl1"
                                     << "Times New Roman";
    QTest::newRow("title") << "lblTitle"
                           << "Comic Sans MS";
    QTest::newRow("prompt") << "lblPress"
                            << "Comic Sans MS";
    QTest::newRow("range list") << "cmbMaxNum"
                                << "Comic Sans MS";
}

void AppTest::designFontsResolveToThemselvesOrTheirStandIns()
{
    QFETCH(QString, control);
    QFETCH(QString, designFamily);
    TestWindow t;
    QWidget* widget = t.w().findChild<QWidget*>(control);
    QVERIFY(widget);
    QCOMPARE(widget->font().family(), designFamily);
    const QString resolved = QFontInfo(widget->font()).family();
    QVERIFY2(Fonts::acceptedFamilies(designFamily).contains(resolved), qPrintable(resolved));
}

void AppTest::windowPaintsItsColours()
{
    TestWindow t;
    const QImage image = t.w().grab().toImage();
    QCOMPARE(image.pixelColor(atTwips(6000, 7950)), Colours::toQColor(Colours::WindowBackground));
    QCOMPARE(image.pixelColor(atTwips(2700, 6300)), QColor(Qt::white)); // inside the card
}

void AppTest::longAnswersAreNotClipped()
{
    TestWindow t;
    for (Label* label : { t.w().lbln3, t.w().lbl1 }) {
        label->setCaption(QStringLiteral("10005"));
        QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->caption()) <= label->width());
    }
    t.w().lbln1->setCaption(QStringLiteral("100"));
    QVERIFY(QFontMetrics(t.w().lbln1->font()).horizontalAdvance("100") <= t.w().lbln1->width());
    // Right-aligned numbers keep their right edge, so units stand under units.
    t.w().lbln2->setCaption(QStringLiteral("7"));
    QCOMPARE(t.w().lbln1->geometry().right(), t.w().lbln2->geometry().right());
}

void AppTest::startupState()
{
    TestWindow t(false);
    t.w().Form_Load();
    frmMath& w = t.w();
    QCOMPARE(w.lbln1->caption(), QStringLiteral("12"));
    QCOMPARE(w.lbln2->caption(), QStringLiteral("12"));
    QCOMPARE(w.lbln3->caption(), QStringLiteral("24"));
    QCOMPARE(w.lblOperation->caption(), QStringLiteral("+"));
    for (QWidget* shown : std::initializer_list<QWidget*> {
             w.lbln1, w.lbln2, w.lbln3, w.ShapeStandard, w.shpAddition, w.img123, w.Picture1 })
        QVERIFY2(!shown->isHidden(), qPrintable(shown->objectName()));
    for (QWidget* hidden : std::initializer_list<QWidget*> { w.shapeInteractive, w.ShapeTimer, w.shpSubtraction,
             w.shpMultiplication, w.shpDivision, w.frameChoices, w.Picture2 })
        QVERIFY2(hidden->isHidden(), qPrintable(hidden->objectName()));
    QCOMPARE(w.cmbMinNum->currentText(), QStringLiteral("0"));
    QCOMPARE(w.cmbMaxNum->currentText(), QStringLiteral("12"));
    QCOMPARE(w.lblTimerStatus->caption(), QString());
    QVERIFY(!w.lstTimer->isEnabled());
    QVERIFY(!w.Timer1->isEnabled());
    QCOMPARE(w.mode, QStringLiteral("standard"));
    QCOMPARE(w.operation, QStringLiteral("addition"));
    QCOMPARE(w.minNumber, 0.0);
    QCOMPARE(w.maxNumber, 12.0);
    QCOMPARE(w.correctAnswer, 24.0f);
    QCOMPARE(w.awaitingAnswer, 0);
    QCOMPARE(w.muteFlag, QString());
    QCOMPARE(w.delayCounter, 1000001.0);
    QCOMPARE(w.cmdDummy->pos(), QPoint(-7, -7));
    QCOMPARE(t.speech.calls,
        (QStringList { "prepare", "speak:welcome to numivox, standard mode. click on flashcard to begin" }));
}

void AppTest::startupSelectionsAreSilentAndClearTheMarker()
{
    TestWindow t(false);
    QLoggingCategory::setFilterRules(QStringLiteral("numivox.speech.debug=true"));
    QTest::ignoreMessage(QtDebugMsg, "\"welcome to numivox, standard mode. click on flashcard to begin\"");
    t.w().Form_Load();
    QLoggingCategory::setFilterRules(QString());
    QCOMPARE(t.w().startupMarker, QString());
    QCOMPARE(t.w().minRangeOk, QStringLiteral("y"));
    QCOMPARE(t.w().maxRangeOk, QStringLiteral("y"));
    QCOMPARE(t.speech.phrases.size(), 1);
    QVERIFY(!t.w().cmdDummy->hasFocus());
    // From now on a choice runs in full.
    TestClicks::choose(t.w(), "cmbMaxNum", "20");
    QCOMPARE(t.speech.phrases.last(), QStringLiteral("the maximum number is now set to 20"));
}

void AppTest::nestedClickDuringStartupSeesThatMomentAndEndsTheWait()
{
    TestWindow t(false);
    frmMath& w = t.w();
    bool answerWasShown = false;
    t.pump.at(500, [&] {
        answerWasShown = !w.lbln3->isHidden();
        w.lblClickMe_Click();
    });
    w.Form_Load();
    QVERIFY(answerWasShown);
    // The nested deal counted the shared counter to 150001 (its 150000 passes and one pass
    // while drawing), and the start-up wait went on from there: 1 pass before the wait,
    // 500 of it, 150001 nested, then the count from 150002 to 1000000.
    QCOMPARE(t.pump.passes, 1 + 499 + 150001 + (1000000 - 150001));
    QCOMPARE(w.delayCounter, 1000001.0);
    QCOMPARE(t.speech.phrases,
        (QStringList {
            "click flash card for answer", "welcome to numivox, standard mode. click on flashcard to begin" }));
    QVERIFY(w.lbln3->isHidden());
}

void AppTest::closingDuringStartupEndsTheWait()
{
    TestWindow t(false);
    t.pump.at(1000, [&] { t.w().close(); });
    t.w().Form_Load();
    QVERIFY(t.w().isClosed());
    QVERIFY(t.pump.passes < 2000);
}

void AppTest::backgroundClickStopsTheTimerOnly()
{
    TestWindow t;
    frmMath& w = t.w();
    w.lblTimer_Click();
    w.lstTimer->item(2)->setSelected(true);
    w.lstTimer_Click();
    QVERIFY(w.Timer1->isEnabled());
    TestClicks::clickAt(w, atTwips(6000, 7950));
    QVERIFY(!w.Timer1->isEnabled());
    QCOMPARE(w.mode, QStringLiteral("timer"));
    QVERIFY(!w.ShapeTimer->isHidden());
    QCOMPARE(w.lstTimer->selectedItems().size(), 1);
}

QTEST_MAIN(AppTest)
#include "test_app.moc"
