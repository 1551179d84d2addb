#include "settings_checks.h"

#include "app/controls/label.h"
#include "support/test_window.h"

#include <QTest>

#include <cmath>

void clickCard(TestWindow& t)
{
    TestClicks::clickAt(t.w(), TestClicks::atTwips(4700, 3500));
}

QWidget* control(frmMath& w, const QString& name)
{
    return w.findChild<QWidget*>(name);
}

double valueOf(const Label* label)
{
    return label->caption().toDouble();
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

QList<Label*> choices(const frmMath& w)
{
    return { w.lbl1, w.lbl2, w.lbl3, w.lbl4, w.lbl5, w.lbl6 };
}

QStringList choiceCaptions(const frmMath& w)
{
    QStringList captions;
    for (const Label* choice : choices(w))
        captions << choice->caption();
    return captions;
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
