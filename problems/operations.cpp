#include "problems/operations.h"

#include <QCoreApplication>

namespace Operations {

namespace {

// The names are also what the child reads under the pictures and hears, so they are marked
// for translation (the program itself always compares the English names).
const Operation All[] = {
    { QStringLiteral(QT_TRANSLATE_NOOP("Phrases", "addition")), QStringLiteral("+"), QStringLiteral("plus") },
    { QStringLiteral(QT_TRANSLATE_NOOP("Phrases", "subtraction")), QStringLiteral("-"), QStringLiteral("minus") },
    { QStringLiteral(QT_TRANSLATE_NOOP("Phrases", "multiplication")), QStringLiteral("x"), QStringLiteral("times") },
    { QStringLiteral(QT_TRANSLATE_NOOP("Phrases", "division")), QStringLiteral("/"), QStringLiteral("divided by") },
};

} // namespace

const Operation* find(const QString& name)
{
    for (const Operation& op : All) {
        if (op.name == name)
            return &op;
    }
    return nullptr;
}

std::optional<double> apply(const QString& name, double a, double b)
{
    if (name == All[0].name)
        return a + b;
    if (name == All[1].name)
        return a - b;
    if (name == All[2].name)
        return a * b;
    if (name == All[3].name && b != 0)
        return a / b;
    return std::nullopt;
}

} // namespace Operations
