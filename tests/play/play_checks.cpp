#include "play_checks.h"

#include "app/controls/label.h"
#include "app/controls/line_control.h"
#include "support/test_window.h"

#include <QTest>

void clickCard(TestWindow& t)
{
    TestClicks::clickAt(t.w(), TestClicks::atTwips(4700, 3500));
}

double valueOf(const Label* label)
{
    return label->caption().toDouble();
}

QString sumOfCard(const frmMath& w)
{
    return QString::number(valueOf(w.lbln1) + valueOf(w.lbln2));
}

QList<Label*> choices(const frmMath& w)
{
    return { w.lbl1, w.lbl2, w.lbl3, w.lbl4, w.lbl5, w.lbl6 };
}

Label* choiceReading(const frmMath& w, const QString& value)
{
    Label* found = nullptr;
    for (Label* choice : choices(w)) {
        if (choice->caption() == value) {
            if (found)
                return nullptr;
            found = choice;
        }
    }
    return found;
}

QStringList cardState(const frmMath& w)
{
    QStringList state;
    for (const Label* label : { w.lbln1, w.lbln2, w.lbln3, w.lblPress, w.lblTimerStatus })
        state << label->caption() + (label->isHidden() ? QStringLiteral("/hidden") : QStringLiteral("/shown"));
    return state;
}

void verifyFreshCard(const frmMath& w)
{
    QVERIFY(!w.lbln1->isHidden());
    QVERIFY(!w.lbln2->isHidden());
    QVERIFY(w.lbln3->isHidden());
    QVERIFY(!w.lblOperation->isHidden());
    QVERIFY(!w.Line1->isHidden());
}
