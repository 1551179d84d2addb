#include "problem_checks.h"

#include "app/controls/label.h"
#include "app/frmMath.h"
#include "problems/number_text.h"

#include <QRegularExpression>

const QStringList AllOperations = { "addition", "subtraction", "multiplication", "division" };

double valueOf(const Label* label)
{
    return NumberText::parseLeading(label->caption());
}

Label* choice(frmMath& w, int position)
{
    Label* const choices[] = { w.lbl1, w.lbl2, w.lbl3, w.lbl4, w.lbl5, w.lbl6 };
    return choices[position - 1];
}

QStringList choiceCaptions(frmMath& w)
{
    QStringList captions;
    for (int position = 1; position <= 6; ++position)
        captions << choice(w, position)->caption();
    return captions;
}

bool isPlainWholeNumber(const QString& caption)
{
    static const QRegularExpression digits(QStringLiteral("^(0|[1-9][0-9]*)$"));
    return digits.match(caption).hasMatch();
}
