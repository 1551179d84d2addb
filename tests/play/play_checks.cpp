#include "play_checks.h"

#include "app/controls/label.h"
#include "app/controls/line_control.h"

#include <QTest>

QString sumOfCard(const frmMath& w)
{
    return QString::number(valueOf(w.lbln1) + valueOf(w.lbln2));
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
