#include "settings_checks.h"

#include "app/controls/label.h"
#include "app/frmMath.h"

#include <QTest>

#include <cmath>

QWidget* control(frmMath& w, const QString& name)
{
    return w.findChild<QWidget*>(name);
}

double answerOf(const QString& sign, double a, double b)
{
    if (sign == QLatin1String("+"))
        return a + b;
    if (sign == QLatin1String("-"))
        return a - b;
    if (sign == QLatin1String("x"))
        return a * b;
    return a / b;
}

void verifyDealtCard(const frmMath& w, double low, double high)
{
    QVERIFY(!w.lbln1->isHidden());
    QVERIFY(!w.lbln2->isHidden());
    QVERIFY(w.lbln3->isHidden());
    const double n1 = valueOf(w.lbln1);
    const double n2 = valueOf(w.lbln2);
    QVERIFY2(low <= n1 && n1 <= high, qPrintable(w.lbln1->caption()));
    if (w.operation == QLatin1String("division")) {
        QVERIFY2(n2 >= 1 && n2 <= high, qPrintable(w.lbln2->caption()));
    } else {
        QVERIFY2(low <= n2 && n2 <= high, qPrintable(w.lbln2->caption()));
    }
    const double answer = answerOf(w.lblOperation->caption(), n1, n2);
    QVERIFY(answer >= 0);
    QCOMPARE(answer, std::floor(answer));
}
