#pragma once

#include <QFont>
#include <QStringList>

namespace Fonts {

// The open fonts of the same look that stand in where a design font is not installed.
QStringList acceptedFamilies(const QString& designFamily);

// Make the stand-ins known to Qt as substitutes of the design fonts (fontconfig usually
// knows them already; this keeps it so on a desktop whose configuration does not).
void installStandIns();

// A design font at its size in points, set in pixels of a 96 dpi screen so the layout
// is the same whatever the screen reports; Qt scales it on dense screens.
QFont designFont(const QString& family, double points, bool bold, bool underline);

// The design font of a caption the child reads, with the fonts that draw the letters of the
// child's language first (the design's fonts have no Arabic letters): the language's letters are
// then all drawn by one font, as they must be to join.
QFont captionFont(const QString& family, double points, bool bold, bool underline);

} // namespace Fonts
