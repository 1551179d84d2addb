#include "app/fonts.h"

#include <cmath>

namespace Fonts {

namespace {

struct StandIn
{
    const char* design;
    const char* standIn;
};

constexpr StandIn StandIns[] = {
    { "Comic Sans MS", "Comic Neue" },
    { "Times New Roman", "Liberation Serif" },
};

} // namespace

QStringList acceptedFamilies(const QString& designFamily)
{
    QStringList families { designFamily };
    for (const StandIn& s : StandIns) {
        if (designFamily == QLatin1String(s.design))
            families << QString::fromLatin1(s.standIn);
    }
    return families;
}

void installStandIns()
{
    for (const StandIn& s : StandIns)
        QFont::insertSubstitution(QString::fromLatin1(s.design), QString::fromLatin1(s.standIn));
}

QFont designFont(const QString& family, double points, bool bold, bool underline)
{
    QFont font;
    if (!family.isEmpty())
        font.setFamily(family);
    if (points > 0)
        font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace Fonts
