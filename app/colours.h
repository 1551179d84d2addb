#pragma once

#include <QColor>

// Colours are kept the way the program sets them: one number, blue * 65536 + green * 256 + red.
namespace Colours {

constexpr int White = 16777215; // a possible answer waiting
constexpr int Red = 255; // a wrong answer
constexpr int Green = 65280; // the right answer

constexpr int rgb(int red, int green, int blue)
{
    return blue * 65536 + green * 256 + red;
}

constexpr int WindowBackground = rgb(192, 192, 255);
constexpr int WindowForeground = rgb(128, 128, 255);
constexpr int WindowText = rgb(0, 0, 0);
constexpr int DarkGrey = rgb(64, 64, 64);
constexpr int DarkGreen = rgb(0, 64, 0);
constexpr int Black = rgb(0, 0, 0);

inline QColor toQColor(int value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

inline int fromQColor(const QColor& colour)
{
    return rgb(colour.red(), colour.green(), colour.blue());
}

} // namespace Colours
