#pragma once

#include <QString>

#include <optional>

// The four operations of the game: their names, signs on the card, spoken words, and
// the arithmetic the card, its sample problems and the possible answers are made with.
namespace Operations {

struct Operation
{
    QString name; // "addition"
    QString sign; // "+"
    QString word; // "plus"
};

// The operation of that exact name, or nullptr for any other text.
const Operation* find(const QString& name);

// a op b in double precision; nothing for an unknown operation or a division by 0.
std::optional<double> apply(const QString& name, double a, double b);

} // namespace Operations
