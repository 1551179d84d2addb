#include "app/fonts.h"

#include <QCoreApplication>

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

// The fonts that draw the letters of the child's language as its children learn them, where the
// design's own fonts have none of them: Urdu readers expect Nastaliq, which a fallback chosen by
// script alone would not give them.
QStringList languageFamilies()
{
    //: Not shown: the font families (comma-separated, best first) that draw the language's
    //: letters as its children read them, where Comic Neue has none; "-" for none.
    const QString families = QCoreApplication::translate("Fonts", "-", "fonts of the language's letters");
    if (families == QLatin1String("-"))
        return {};
    QStringList list;
    for (const QString& family : families.split(QLatin1Char(','), Qt::SkipEmptyParts))
        list << family.trimmed();
    return list;
}

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

QFont captionFont(const QString& family, double points, bool bold, bool underline)
{
    QFont font = designFont(family, points, bold, underline);
    // The numbers of the card and of the answers keep their own font, and so their places.
    const QStringList extra = languageFamilies();
    if (!extra.isEmpty() && family != QLatin1String(StandIns[1].design))
        font.setFamilies(extra + acceptedFamilies(font.family()));
    return font;
}

} // namespace Fonts
