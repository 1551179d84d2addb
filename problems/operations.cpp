#include "problems/operations.h"

namespace Operations {

namespace {

const Operation All[] = {
    { QStringLiteral("addition"), QStringLiteral("+"), QStringLiteral("plus") },
    { QStringLiteral("subtraction"), QStringLiteral("-"), QStringLiteral("minus") },
    { QStringLiteral("multiplication"), QStringLiteral("x"), QStringLiteral("times") },
    { QStringLiteral("division"), QStringLiteral("/"), QStringLiteral("divided by") },
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
