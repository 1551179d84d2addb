#include "app/window_layout.h"

#include "app/colours.h"
#include "extras/web_address.h"

#include <QCoreApplication>
#include <Qt>

#include <algorithm>
#include <cmath>

namespace WindowLayout {

const char* const Title = "Numivox (version 1.1)";
const char* const IconResource = ":/assets/icon.png";

int toPixels(int twips)
{
    return static_cast<int>(std::lround(twips / double(TwipsPerPixel)));
}

namespace {

const QString Comic = QStringLiteral("Comic Sans MS");
const QString Times = QStringLiteral("Times New Roman");
// The face and size Qt gives a desktop that names no font of its own, fixed here so that a
// user's larger system font moves this caption no more than the others.
const QString DesktopDefault = QStringLiteral("Sans Serif");
constexpr double DesktopDefaultPoints = 9;
constexpr int Left = Qt::AlignLeft;
constexpr int Centre = Qt::AlignHCenter;
constexpr int Right = Qt::AlignRight;

Control make(const char* name, Kind kind, int left, int top, int width, int height)
{
    Control c;
    c.name = QString::fromLatin1(name);
    c.kind = kind;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    c.alignment = Left;
    return c;
}

Control label(const char* name, int l, int t, int w, int h)
{
    return make(name, Kind::Label, l, t, w, h);
}
Control shape(const char* name, int l, int t, int w, int h)
{
    return make(name, Kind::Shape, l, t, w, h);
}
Control pictureBox(const char* name, int l, int t, int w, int h)
{
    return make(name, Kind::PictureBox, l, t, w, h);
}
Control image(const char* name, int l, int t, int w, int h)
{
    return make(name, Kind::Image, l, t, w, h);
}
Control frame(const char* name, int l, int t, int w, int h)
{
    return make(name, Kind::Frame, l, t, w, h);
}

// The small dark grey circles that mark the current mode and operation.
Control marker(const char* name, int l, int t)
{
    return shape(name, l, t, 120, 120).shapeOf(ShapeKind::Circle).back(Colours::DarkGrey).border(Colours::DarkGrey, 1);
}

// The six possible answers share everything but their place.
Control choice(const char* name, int l, int t, const char* designText)
{
    return label(name, l, t, 1860, 1215)
        .in(QStringLiteral("frameChoices"))
        .caption(QString::fromLatin1(designText))
        .font(Times, 48)
        .boldFont()
        .align(Centre)
        .back(Colours::White);
}

// A card number: large bold serif digits, right-aligned so units stand under units.
Control cardNumber(const char* name, int l, int t, int w, const char* designText)
{
    // Digits are written left to right in every language: right, whatever the reading direction.
    return label(name, l, t, w, 1635)
        .caption(QString::fromLatin1(designText))
        .font(Times, 72)
        .boldFont()
        .align(Right | Qt::AlignAbsolute)
        .writes(OnCard::Number);
}

std::vector<Control> build()
{
    const QString buttonFace = QStringLiteral(":/assets/mode_button.bmp");
    std::vector<Control> c;

    // Left column: modes, timer list, speech switch.
    c.push_back(label("Label1", 360, 570, 1305, 600)
            .says(QT_TRANSLATE_NOOP("Phrases", "Modes"))
            .font(Comic, 21.75)
            .fore(Colours::DarkGreen)
            .fitText());
    c.push_back(label("lblInteractive", 390, 1380, 1410, 705).font(Comic, 9.75));
    c.push_back(label("Label10", 570, 1575, 1035, 270)
            .says(QT_TRANSLATE_NOOP("Phrases", "Interactive"))
            .font(Comic, 9.75)
            .fore(Colours::Black)
            .align(Centre)
            .fitText());
    c.push_back(marker("shapeInteractive", 255, 1575).hidden());
    c.push_back(image("Image2", 405, 1410, 1350, 585).caption(buttonFace));
    c.push_back(label("lblStandard", 390, 2190, 1410, 705).font(Comic, 9.75));
    c.push_back(label("Label6", 645, 2430, 870, 270)
            .says(QT_TRANSLATE_NOOP("Phrases", "Standard"))
            .font(Comic, 9.75)
            .fore(Colours::WindowText)
            .align(Centre)
            .fitText());
    c.push_back(marker("ShapeStandard", 240, 2490));
    c.push_back(image("Image4", 390, 2250, 1350, 585).caption(buttonFace));
    c.push_back(label("lblTimer", 360, 3045, 1500, 705).font(Comic, 9.75));
    c.push_back(label("Label7", 780, 3255, 555, 270)
            .says(QT_TRANSLATE_NOOP("Phrases", "Timer"))
            .font(Comic, 9.75)
            .fore(Colours::Black)
            .align(Centre)
            .fitText());
    c.push_back(marker("ShapeTimer", 255, 3330).hidden());
    c.push_back(image("Image1", 390, 3090, 1350, 585).caption(buttonFace));
    c.push_back(frame("frameTimer", 375, 3855, 1485, 2415)
            .says(QT_TRANSLATE_NOOP("Phrases", " timer (secs)"))
            .font(Comic, 9.75)
            .back(Colours::WindowBackground));
    c.push_back(
        make("lstTimer", Kind::ListBox, 165, 345, 1155, 1785).in("frameTimer").items(timerEntries()).font(Comic, 12));
    c.push_back(shape("Shape2", 90, 6435, 1860, 15).border(Colours::Black, 1));
    c.push_back(pictureBox("Picture1", 600, 6690, 1035, 915).caption(":/assets/speaker_on.bmp"));
    c.push_back(pictureBox("Picture2", 600, 6690, 1035, 915).caption(":/assets/speaker_off.bmp").hidden());
    c.push_back(shape("Shape1", 1950, 75, 15, 10470).border(Colours::Black, 1));

    // Middle: the title and the flash card.
    c.push_back(label("lblTitle", 2985, 60, 3330, 780)
            .caption("Numivox")
            .font(Comic, 27.75)
            .fore(Colours::Black)
            .align(Centre)
            .fitText());
    c.push_back(shape("shpFlash", 2295, 1065, 4695, 6765)
            .shapeOf(ShapeKind::RoundedRectangle)
            .back(Colours::White)
            .border(Colours::DarkGrey, 2));
    c.push_back(cardNumber("lbln1", 3945, 1335, 1440, "99").fitText().hidden());
    c.push_back(label("lblOperation", 3000, 2865, 855, 1635)
            .caption("+")
            .font(Times, 72)
            .boldFont()
            .align(Centre)
            .fitText()
            .writes(OnCard::Sign));
    c.push_back(cardNumber("lbln2", 3945, 2865, 1440, "99").fitText().hidden());
    c.push_back(make("Line1", Kind::Line, 3075, 4695, 5490, 4710).border(Colours::Black, 6).writes(OnCard::Sign));
    c.push_back(cardNumber("lbln3", 2265, 4905, 3120, "9999").hidden());
    c.push_back(label("lblClickMe", 2250, 1095, 4695, 6555));
    c.push_back(label("lblPress", 3825, 6855, 1380, 270)
            .says(QT_TRANSLATE_NOOP("Phrases", "click flashcard"))
            .font(Comic, 9.75)
            .align(Centre)
            .fitText());
    c.push_back(label("lblTimerStatus", 3525, 6855, 2055, 285)
            .caption("waiting 3 seconds ...")
            .font(Comic, 9.75)
            .boldFont()
            .fore(Colours::DarkGrey)
            .align(Centre)
            .fitText());

    // Right: operations, range lists, the greeting picture or the possible answers, the link.
    c.push_back(pictureBox("picPlus", 7140, 795, 510, 510).caption(":/assets/plus.bmp"));
    c.push_back(pictureBox("picMinus", 7710, 795, 510, 510).caption(":/assets/minus.bmp"));
    c.push_back(pictureBox("picX", 8280, 795, 510, 510).caption(":/assets/times.bmp"));
    c.push_back(pictureBox("picDivide", 8850, 795, 510, 510).caption(":/assets/divide.bmp"));
    c.push_back(marker("shpAddition", 7350, 615));
    c.push_back(marker("shpSubtraction", 7830, 615).hidden());
    c.push_back(marker("shpMultiplication", 8430, 615).hidden());
    c.push_back(marker("shpDivision", 9030, 615).hidden());
    c.push_back(label("lblAddition", 7950, 1455, 750, 270)
            .says(QT_TRANSLATE_NOOP("Phrases", "addition"))
            .font(Comic, 9.75)
            .align(Centre)
            .fitText());
    c.push_back(frame("frmSet", 9525, 465, 1935, 1095)
            .says(QT_TRANSLATE_NOOP("Phrases", "Min/Max Number"))
            .font(Comic, 9.75)
            .back(Colours::WindowBackground)
            .fore(Colours::WindowText));
    c.push_back(
        make("cmbMinNum", Kind::ComboBox, 120, 330, 765, 465).in("frmSet").items(minimumEntries()).font(Comic, 12));
    c.push_back(
        make("cmbMaxNum", Kind::ComboBox, 990, 330, 765, 465).in("frmSet").items(maximumEntries()).font(Comic, 12));
    c.push_back(image("img123", 7710, 2490, 2985, 4080).caption(":/assets/girl_chalkboard.bmp"));
    c.push_back(label("lblTavikaWrites", 9330, 5040, 1590, 270)
            .says(QT_TRANSLATE_NOOP("Phrases", "Tavika writes ..."))
            .font(Comic, 9.75)
            .align(Centre)
            .fitText());
    c.push_back(frame("frameChoices", 7260, 2010, 4545, 5430)
            .caption("Frame1")
            .font(DesktopDefault, DesktopDefaultPoints)
            .back(Colours::WindowBackground)
            .hidden());
    c.push_back(label("Label4", 480, 60, 3375, 600)
            .in("frameChoices")
            .says(QT_TRANSLATE_NOOP("Phrases", "possible answers"))
            .font(Comic, 21.75)
            .fore(Colours::DarkGreen)
            .fitText());
    c.push_back(choice("lbl1", 60, 720, "13"));
    c.push_back(choice("lbl2", 2220, 690, "18"));
    c.push_back(choice("lbl3", 60, 2340, "65"));
    c.push_back(choice("lbl4", 2220, 2340, "24").back(Colours::Green));
    c.push_back(choice("lbl5", 60, 3990, "22"));
    c.push_back(choice("lbl6", 2220, 3990, "47"));
    c.push_back(label("Label2", 8325, 7440, 2100, 345)
            .caption(WebAddress::text())
            .font(Comic, 12)
            .underlined()
            .back(Colours::WindowBackground)
            .fitText());

    // The button that takes the keyboard focus after a range choice.
    c.push_back(make("cmdDummy", Kind::Button, 6855, 7530, 1380, 615).caption("cdmDummy"));
    return c;
}

const Control& row(const std::vector<Control>& table, const QString& name)
{
    return *std::find_if(table.begin(), table.end(), [&name](const Control& c) { return c.name == name; });
}

// A box (or a line's two ends) moved sideways.
void shift(Control& c, int by)
{
    c.left += by;
    if (c.kind == Kind::Line)
        c.width += by;
}

// A box (or a line's two ends) reflected about a vertical line, given as twice its distance from
// the left, so that the centre of a box of odd width is a whole number too.
void reflect(Control& c, int doubleAxis)
{
    if (c.kind == Kind::Line) {
        // The left end stays the first.
        const int from = c.left;
        c.left = doubleAxis - c.width;
        c.width = doubleAxis - from;
        return;
    }
    c.left = doubleAxis - c.left - c.width;
}

} // namespace

Reading readingOfLanguage()
{
    Reading reading;
    //: Not shown: "RTL" for a language read from right to left (the whole window is then mirrored),
    //: "LTR" otherwise.
    static const char* const direction = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");
    reading.rightToLeft = QCoreApplication::translate("QGuiApplication", direction) == QLatin1String("RTL");
    //: Not shown: the side of the numbers a teacher of the language writes the operation sign on,
    //: on paper at school: "left" (as in English) or "right". The rule line goes under both.
    static const char* const side = QT_TRANSLATE_NOOP("WindowLayout", "left");
    reading.signOnTheRight = QCoreApplication::translate("WindowLayout", side) == QLatin1String("right");
    return reading;
}

std::vector<Control> forReading(const Reading& reading)
{
    std::vector<Control> table = controls();
    const Control card = row(table, QStringLiteral("shpFlash"));
    const int cardShift = reading.rightToLeft ? ClientWidthTwips - 2 * card.left - card.width : 0;
    for (Control& c : table) {
        if (c.onCard != OnCard::No) {
            shift(c, cardShift);
            if (c.onCard == OnCard::Sign && reading.signOnTheRight)
                reflect(c, 2 * (card.left + cardShift) + card.width);
            continue;
        }
        if (!reading.rightToLeft)
            continue;
        const int parentWidth = c.parent.isEmpty() ? ClientWidthTwips : row(table, c.parent).width;
        reflect(c, parentWidth);
    }
    return table;
}

const std::vector<Control>& controls()
{
    static const std::vector<Control> table = build();
    return table;
}

const QStringList& stackingFrontToBack()
{
    static const QStringList order = {
        "Shape2",
        "Label2",
        "lblInteractive",
        "lblTimer",
        "lblStandard",
        "Label1",
        "ShapeTimer",
        "ShapeStandard",
        "shapeInteractive",
        "Label7",
        "Label6",
        "Label10",
        "lblTitle",
        "shpMultiplication",
        "shpSubtraction",
        "shpDivision",
        "shpAddition",
        "lblTavikaWrites",
        "lblAddition",
        "img123",
        "lblClickMe",
        "lblPress",
        "lblTimerStatus",
        "lbln3",
        "Line1",
        "lblOperation",
        "lbln2",
        "lbln1",
        "shpFlash",
        "Shape1",
        "Image4",
        "Image1",
        "Image2",
    };
    return order;
}

const QStringList& minimumEntries()
{
    static const QStringList entries = { "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "15", "20", "30", "40",
        "50", "60", "70", "80", "90" };
    return entries;
}

const QStringList& maximumEntries()
{
    static const QStringList entries = { "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "20",
        "30", "40", "50", "60", "70", "80", "90", "100" };
    return entries;
}

const QStringList& timerEntries()
{
    static const QStringList entries = { "2", "3", "4", "5", "6" };
    return entries;
}

} // namespace WindowLayout
