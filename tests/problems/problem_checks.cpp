#include "problem_checks.h"

#include "app/frmMath.h"

#include <QRegularExpression>

const QStringList AllOperations = { "addition", "subtraction", "multiplication", "division" };

Label* choice(const frmMath& w, int position)
{
    return choices(w).at(position - 1);
}

bool isPlainWholeNumber(const QString& caption)
{
    static const QRegularExpression digits(QStringLiteral("^(0|[1-9][0-9]*)$"));
    return digits.match(caption).hasMatch();
}
