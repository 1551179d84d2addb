#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The window as data: every control's name, kind, place (in twips), text, font, colours,
// alignment and first visibility, the stacking order and the window's own properties.
// frmMath reads it once when it builds itself; nothing else holds these facts.
namespace WindowLayout {

enum class Kind { Label, Shape, Line, PictureBox, Image, Frame, ComboBox, ListBox, Button };
enum class ShapeKind { Rectangle, RoundedRectangle, Circle };

// What a control writes of the sum on the flash card. A sum is written the same way in a window
// of either reading direction, so its numbers keep their columns (units under units) and its
// sign and rule line stand on the side the child's teacher writes them on.
enum class OnCard { No, Number, Sign };

// 1440 twips to the inch; at 96 dots per inch one pixel is 15 twips.
constexpr int TwipsPerPixel = 15;
int toPixels(int twips);

struct Control
{
    QString name;
    Kind kind = Kind::Label;
    QString parent; // empty: the window
    int left = 0, top = 0, width = 0, height = 0; // twips; a line's ends are (left, top) to (width, height)
    QString text; // caption; for pictures the resource path
    bool translated = false; // the caption is a text for the child, shown in the child's language
    QStringList entries; // lists only
    QString fontFamily; // empty: the platform's default font
    double fontPoints = 0;
    bool bold = false;
    bool underline = false;
    int foreColour = -1; // -1: the window-text colour
    int backColour = -1; // -1: transparent (labels), unfilled (shapes)
    int alignment = 0; // Qt::AlignmentFlag, horizontal part
    bool sizedToText = false;
    bool visible = true;
    ShapeKind shape = ShapeKind::Rectangle;
    int borderColour = 0;
    int borderWidth = 1; // pixels
    OnCard onCard = OnCard::No;

    // Builder steps, so each row of the table reads as one line of facts.
    Control& in(const QString& frame)
    {
        parent = frame;
        return *this;
    }
    Control& caption(const QString& t)
    {
        text = t;
        return *this;
    }
    // A caption the child reads, marked for translation with QT_TRANSLATE_NOOP("Phrases", ...).
    Control& says(const char* t)
    {
        text = QString::fromUtf8(t);
        translated = true;
        return *this;
    }
    Control& font(const QString& family, double points)
    {
        fontFamily = family;
        fontPoints = points;
        return *this;
    }
    Control& boldFont()
    {
        bold = true;
        return *this;
    }
    Control& underlined()
    {
        underline = true;
        return *this;
    }
    Control& fore(int colour)
    {
        foreColour = colour;
        return *this;
    }
    Control& back(int colour)
    {
        backColour = colour;
        return *this;
    }
    Control& align(int a)
    {
        alignment = a;
        return *this;
    }
    Control& fitText()
    {
        sizedToText = true;
        return *this;
    }
    Control& hidden()
    {
        visible = false;
        return *this;
    }
    Control& shapeOf(ShapeKind k)
    {
        shape = k;
        return *this;
    }
    Control& border(int colour, int width)
    {
        borderColour = colour;
        borderWidth = width;
        return *this;
    }
    Control& items(const QStringList& list)
    {
        entries = list;
        return *this;
    }
    Control& writes(OnCard part)
    {
        onCard = part;
        return *this;
    }
};

// Every control, parents before the controls they contain.
const std::vector<Control>& controls();

// How the child's language lays the window out.
struct Reading
{
    bool rightToLeft = false; // the whole window mirrored, as its children read it
    bool signOnTheRight = false; // the card's operation sign to the right of the numbers
};

// As the installed translation says: "QT_LAYOUT_DIRECTION" translated "RTL" (Qt's own way of
// marking a right-to-left language) and the side its teachers write the sign on.
Reading readingOfLanguage();

// The table as a reader of that kind sees it. Mirrored, every control lies at its mirrored place
// in its parent and its caption keeps to the reading side, except the sum on the card, which
// moves with the card. English and every left-to-right language get the table unchanged.
std::vector<Control> forReading(const Reading& reading);

// Labels, shapes, lines and images from front to back. Picture boxes, frames, lists and the
// button always lie in front of all of them.
const QStringList& stackingFrontToBack();

extern const char* const Title;
constexpr int ClientWidthTwips = 11610;
constexpr int ClientHeightTwips = 8250;
extern const char* const IconResource;

// Where start-up moves the focus button, in twips of the window.
constexpr int FocusButtonLeftTwips = -100;
constexpr int FocusButtonTopTwips = -100;

// Entries of the range and timer lists.
const QStringList& minimumEntries();
const QStringList& maximumEntries();
const QStringList& timerEntries();

} // namespace WindowLayout
