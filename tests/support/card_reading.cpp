#include "card_reading.h"

#include "app/controls/label.h"
#include "problems/number_text.h"
#include "test_window.h"

void clickCard(TestWindow& t)
{
    TestClicks::clickAt(t.w(), TestClicks::atTwips(4700, 3500));
}

double valueOf(const Label* label)
{
    return NumberText::parseLeading(label->caption());
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
