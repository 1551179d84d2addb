#include "app/colours.h"
#include "app/controls/choice_list.h"
#include "app/controls/label.h"
#include "app/controls/picture.h"
#include "app/controls/tick_timer.h"
#include "extras/web_address.h"
#include "problems/number_text.h"
#include "support/phrase_table.h"
#include "support/test_window.h"

#include <QApplication>
#include <QDesktopServices>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <QUrl>

using TestClicks::atTwips;

namespace {

using PhraseTable::Greeting;

// Both loudspeaker pictures lie here; a click reaches the one on show.
const QPoint Loudspeaker = atTwips(1100, 7100);

// A possible answer that is not the right one.
Label* wrongChoice(frmMath& w)
{
    for (Label* choice : { w.lbl1, w.lbl2, w.lbl3, w.lbl4, w.lbl5, w.lbl6 }) {
        if (static_cast<float>(NumberText::parseLeading(choice->caption())) != w.correctAnswer)
            return choice;
    }
    return nullptr;
}

} // namespace

// Stands in for the web browser: receives the addresses the program asks the desktop to open.
class AddressCatcher : public QObject
{
    Q_OBJECT

public slots:
    void open(const QUrl& url) { urls << url; }

public:
    QList<QUrl> urls;
};

// The loudspeaker switch, the greeting and the link.
class ExtrasTest : public QObject
{
    Q_OBJECT

private slots:
    void speechOffKeepsTheGameGoing_data();
    void speechOffKeepsTheGameGoing();
    void greeting_data();
    void greeting();
    void linkOpensItsCaption();
    void linkWithoutBrowserDoesNothing();
};

void ExtrasTest::speechOffKeepsTheGameGoing_data()
{
    QTest::addColumn<bool>("realClicks");
    QTest::newRow("handlers") << false;
    QTest::newRow("real clicks") << true;
}

void ExtrasTest::speechOffKeepsTheGameGoing()
{
    QFETCH(bool, realClicks);

    TestWindow t;
    frmMath& w = t.w();
    const auto toggle = [&](void (frmMath::*handler)()) {
        if (realClicks)
            TestClicks::clickAt(w, Loudspeaker);
        else
            (w.*handler)();
    };

    toggle(&frmMath::Picture1_Click);
    QVERIFY(w.Picture1->isHidden());
    QVERIFY(!w.Picture2->isHidden());
    QCOMPARE(w.muteFlag, QStringLiteral("x"));

    // A standard card: dealt, then revealed.
    t.random.script({ 0.25, 0.5 });
    w.lblClickMe_Click();
    QVERIFY(w.lbln3->isHidden());
    w.lblClickMe_Click();
    QCOMPARE(w.lbln3->caption(), QStringLiteral("9"));
    QVERIFY(!w.lbln3->isHidden());

    // Timer mode: a time chosen starts the timer; two ticks deal a card and reveal it.
    w.lblTimer_Click();
    w.lstTimer->item(0)->setSelected(true);
    w.lstTimer_Click();
    QVERIFY(w.Timer1->isEnabled());
    t.random.script({ 0.5, 0.75 });
    w.Timer1_Timer();
    QCOMPARE(w.lbln1->caption(), QStringLiteral("6"));
    QVERIFY(w.lbln3->isHidden());
    w.Timer1_Timer();
    QCOMPARE(w.lbln3->caption(), QStringLiteral("15"));
    QVERIFY(!w.lbln3->isHidden());

    // Interactive mode: a wrong answer still turns red.
    w.lblInteractive_Click();
    w.lblClickMe_Click();
    QCOMPARE(w.awaitingAnswer, 1);
    Label* wrong = wrongChoice(w);
    QVERIFY(wrong);
    TestClicks::click(wrong);
    QCOMPARE(wrong->backColour(), Colours::Red);

    w.img123_Click();
    QCOMPARE(t.speech.calls, QStringList());

    toggle(&frmMath::Picture2_Click);
    QVERIFY(!w.Picture1->isHidden());
    QVERIFY(w.Picture2->isHidden());
    QCOMPARE(w.muteFlag, QStringLiteral(" "));
    w.lblStandard_Click();
    QCOMPARE(t.speech.phrases, (QStringList { "standard mode", "click flashcard" }));
}

void ExtrasTest::greeting_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("control");
    QTest::newRow("picture") << 8200 << 3000 << "img123";
    QTest::newRow("caption") << 10100 << 5150 << "lblTavikaWrites";
}

void ExtrasTest::greeting()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, control);

    TestWindow t;
    frmMath& w = t.w();
    QCOMPARE(TestClicks::controlAt(w, atTwips(x, y))->objectName(), control);
    TestClicks::clickAt(w, atTwips(x, y));
    QCOMPARE(t.speech.calls, (QStringList { "prepare", "speak:" + Greeting }));

    w.Picture1_Click();
    t.speech.clear();
    TestClicks::clickAt(w, atTwips(x, y));
    QCOMPARE(t.speech.calls, QStringList());
}

void ExtrasTest::linkOpensItsCaption()
{
    TestWindow t;
    QCOMPARE(t.w().Label2->caption(), WebAddress::text());
    AddressCatcher browser;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
    const auto uninstall = qScopeGuard([] { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); });

    TestClicks::click(t.w().Label2);

    QCOMPARE(browser.urls.size(), 1);
    QCOMPARE(browser.urls.first().toString(), WebAddress::text());
    QVERIFY(t.speech.calls.isEmpty());
}

void ExtrasTest::linkWithoutBrowserDoesNothing()
{
    TestWindow t;
    const QImage before = t.w().grab().toImage();
    const int windowsBefore = QApplication::topLevelWidgets().size();
    // The offscreen platform has no way to open an address; it says so on the console
    // only, which also shows that the click got as far as asking.
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(WebAddress::text())));
    TestClicks::click(t.w().Label2);
    QCOMPARE(t.w().grab().toImage(), before);
    QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
    QVERIFY(t.speech.calls.isEmpty());
}

QTEST_MAIN(ExtrasTest)
#include "test_extras.moc"
