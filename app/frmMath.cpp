#include "app/frmMath.h"

#include "access/accessible_names.h"
#include "access/accessible_tree.h"
#include "access/focus_chain.h"
#include "access/keyboard.h"
#include "app/colours.h"
#include "app/controls/choice_list.h"
#include "app/controls/focus_button.h"
#include "app/controls/frame.h"
#include "app/controls/label.h"
#include "app/controls/line_control.h"
#include "app/controls/picture.h"
#include "app/controls/range_list.h"
#include "app/controls/shape.h"
#include "app/controls/tick_timer.h"
#include "app/fonts.h"
#include "app/phrases.h"
#include "app/window_layout.h"
#include "problems/number_text.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHash>
#include <QIcon>
#include <QMouseEvent>

using WindowLayout::toPixels;

namespace {

QRect pixelBox(const WindowLayout::Control& row)
{
    return QRect(toPixels(row.left), toPixels(row.top), toPixels(row.width), toPixels(row.height));
}

// The caption as the child reads it: texts of the layout in the child's language, numbers
// and names as they are.
QString captionOf(const WindowLayout::Control& row)
{
    return row.translated ? Phrases::caption(row.text) : row.text;
}

void setTextColours(QWidget* widget, int foreColour)
{
    if (foreColour < 0)
        return;
    // The caption only: the controls inside keep their own text colours, greyed when disabled.
    QPalette pal = widget->palette();
    for (const QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive })
        pal.setColor(group, QPalette::WindowText, Colours::toQColor(foreColour));
    widget->setPalette(pal);
}

QWidget* createLabel(const WindowLayout::Control& row, QWidget* parent)
{
    auto* label = new Label(parent);
    label->setAlignment(Qt::Alignment(row.alignment) | Qt::AlignTop);
    label->setSizing(row.sizedToText ? Label::Sizing::FitText : Label::Sizing::Fixed);
    label->setDesignFont(Fonts::captionFont(row.fontFamily, row.fontPoints, row.bold, row.underline));
    label->setForeColour(row.foreColour < 0 ? Colours::WindowText : row.foreColour);
    if (row.backColour >= 0) {
        label->setBackColour(row.backColour);
        label->setOpaque(true);
    }
    label->setDesignBox(pixelBox(row));
    label->setCaption(captionOf(row));
    return label;
}

QWidget* createShape(const WindowLayout::Control& row, QWidget* parent)
{
    auto* shape = new Shape(parent);
    shape->setKind(static_cast<Shape::Kind>(row.shape));
    shape->setFillColour(row.backColour);
    shape->setBorder(row.borderColour, row.borderWidth);
    shape->setGeometry(pixelBox(row));
    return shape;
}

QWidget* createLine(const WindowLayout::Control& row, QWidget* parent)
{
    auto* line = new LineControl(parent);
    line->setEnds(QPoint(toPixels(row.left), toPixels(row.top)), QPoint(toPixels(row.width), toPixels(row.height)),
        row.borderWidth, row.borderColour);
    return line;
}

QWidget* createPicture(const WindowLayout::Control& row, QWidget* parent)
{
    const bool box = row.kind == WindowLayout::Kind::PictureBox;
    auto* picture = new Picture(box ? Picture::Kind::PictureBox : Picture::Kind::Image, parent);
    picture->setPicture(row.text);
    picture->setBackColour(Colours::White);
    picture->setGeometry(pixelBox(row));
    return picture;
}

QWidget* createFrame(const WindowLayout::Control& row, QWidget* parent)
{
    auto* frame = new Frame(parent);
    frame->setTitle(captionOf(row));
    frame->setFont(Fonts::captionFont(row.fontFamily, row.fontPoints, row.bold, row.underline));
    frame->setBackColour(row.backColour);
    setTextColours(frame, row.foreColour < 0 ? Colours::WindowText : row.foreColour);
    frame->setGeometry(pixelBox(row));
    return frame;
}

QWidget* createComboBox(const WindowLayout::Control& row, QWidget* parent)
{
    auto* list = new RangeList(parent);
    list->setEditable(false);
    list->addItems(NumberText::inShownDigits(row.entries));
    list->setMaxVisibleItems(row.entries.size());
    list->setFont(Fonts::designFont(row.fontFamily, row.fontPoints, row.bold, row.underline));
    list->setGeometry(pixelBox(row));
    return list;
}

QWidget* createListBox(const WindowLayout::Control& row, QWidget* parent)
{
    auto* list = new ChoiceList(parent);
    list->addItems(NumberText::inShownDigits(row.entries));
    list->setFont(Fonts::designFont(row.fontFamily, row.fontPoints, row.bold, row.underline));
    list->setGeometry(pixelBox(row));
    return list;
}

QWidget* createButton(const WindowLayout::Control& row, QWidget* parent)
{
    auto* button = new FocusButton(parent);
    button->setText(row.text);
    button->setGeometry(pixelBox(row));
    return button;
}

QWidget* createControl(const WindowLayout::Control& row, QWidget* parent)
{
    switch (row.kind) {
    case WindowLayout::Kind::Label:
        return createLabel(row, parent);
    case WindowLayout::Kind::Shape:
        return createShape(row, parent);
    case WindowLayout::Kind::Line:
        return createLine(row, parent);
    case WindowLayout::Kind::PictureBox:
    case WindowLayout::Kind::Image:
        return createPicture(row, parent);
    case WindowLayout::Kind::Frame:
        return createFrame(row, parent);
    case WindowLayout::Kind::ComboBox:
        return createComboBox(row, parent);
    case WindowLayout::Kind::ListBox:
        return createListBox(row, parent);
    case WindowLayout::Kind::Button:
        return createButton(row, parent);
    }
    return nullptr;
}

} // namespace

frmMath::frmMath(SpeechEngine& speech, RandomSource& random, EventPump& pump, QWidget* parent)
    : QWidget(parent)
    , m_speech(speech)
    , m_random(random)
    , m_pump(pump)
{
    Fonts::installStandIns();
    // Before any control exists: a control's accessibility is made once, when first asked for.
    AccessibleTree::install();
    setObjectName(QStringLiteral("frmMath"));
    setWindowTitle(QString::fromLatin1(WindowLayout::Title));
    setWindowIcon(QIcon(Picture::load(QString::fromLatin1(WindowLayout::IconResource))));
    setFixedSize(toPixels(WindowLayout::ClientWidthTwips), toPixels(WindowLayout::ClientHeightTwips));
    // The window cannot grow, so the title bar offers no maximize: window managers read these
    // flags (on X11 as the window's Motif hints) to choose its buttons and what they may do.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Colours::toQColor(Colours::WindowBackground));
    pal.setColor(QPalette::WindowText, Colours::toQColor(Colours::WindowForeground));
    setPalette(pal);
    setAutoFillBackground(true);
    // A right-to-left reader gets the mirrored window: its lists open from the right, its captions
    // keep to the right and its texts run from the right. Set once, with the places, which are
    // fixed when the window is built: Qt would otherwise follow a translation installed later.
    const WindowLayout::Reading reading = WindowLayout::readingOfLanguage();
    setLayoutDirection(reading.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);

    buildControls(reading);
    bindControls();
    applyStacking();
    connectHandlers();
    // They belong to the window and go with it.
    new Keyboard(*this);
    new AccessibleNames(*this);
    new FocusChain(*this);
}

frmMath::~frmMath() = default;

bool frmMath::isClosed() const
{
    return m_closed;
}

void frmMath::buildControls(const WindowLayout::Reading& reading)
{
    QHash<QString, QWidget*> built;
    for (const WindowLayout::Control& row : WindowLayout::forReading(reading)) {
        QWidget* parent = row.parent.isEmpty() ? this : built.value(row.parent, this);
        QWidget* control = createControl(row, parent);
        control->setObjectName(row.name);
        control->setVisible(row.visible);
        built.insert(row.name, control);
    }
    Timer1 = new TickTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
}

void frmMath::bindControls()
{
    const auto find = [this](auto*& member, const char* name) {
        using Type = std::remove_pointer_t<std::remove_reference_t<decltype(member)>>;
        member = findChild<Type*>(QString::fromLatin1(name));
        Q_ASSERT(member);
    };
    find(Label1, "Label1");
    find(lblInteractive, "lblInteractive");
    find(Label10, "Label10");
    find(shapeInteractive, "shapeInteractive");
    find(Image2, "Image2");
    find(lblStandard, "lblStandard");
    find(Label6, "Label6");
    find(ShapeStandard, "ShapeStandard");
    find(Image4, "Image4");
    find(lblTimer, "lblTimer");
    find(Label7, "Label7");
    find(ShapeTimer, "ShapeTimer");
    find(Image1, "Image1");
    find(frameTimer, "frameTimer");
    find(lstTimer, "lstTimer");
    find(Shape2, "Shape2");
    find(Picture1, "Picture1");
    find(Picture2, "Picture2");
    find(Shape1, "Shape1");
    find(lblTitle, "lblTitle");
    find(shpFlash, "shpFlash");
    find(lbln1, "lbln1");
    find(lblOperation, "lblOperation");
    find(lbln2, "lbln2");
    find(Line1, "Line1");
    find(lbln3, "lbln3");
    find(lblClickMe, "lblClickMe");
    find(lblPress, "lblPress");
    find(lblTimerStatus, "lblTimerStatus");
    find(picPlus, "picPlus");
    find(picMinus, "picMinus");
    find(picX, "picX");
    find(picDivide, "picDivide");
    find(shpAddition, "shpAddition");
    find(shpSubtraction, "shpSubtraction");
    find(shpMultiplication, "shpMultiplication");
    find(shpDivision, "shpDivision");
    find(lblAddition, "lblAddition");
    find(frmSet, "frmSet");
    find(cmbMinNum, "cmbMinNum");
    find(cmbMaxNum, "cmbMaxNum");
    find(img123, "img123");
    find(lblTavikaWrites, "lblTavikaWrites");
    find(frameChoices, "frameChoices");
    find(Label4, "Label4");
    find(lbl1, "lbl1");
    find(lbl2, "lbl2");
    find(lbl3, "lbl3");
    find(lbl4, "lbl4");
    find(lbl5, "lbl5");
    find(lbl6, "lbl6");
    find(Label2, "Label2");
    find(cmdDummy, "cmdDummy");
}

void frmMath::applyStacking()
{
    // Raise from the back to the front, then bring the controls that always lie in front
    // of labels, shapes, lines and images (picture boxes, frames, lists, the button).
    const QStringList& order = WindowLayout::stackingFrontToBack();
    for (auto it = order.crbegin(); it != order.crend(); ++it) {
        if (QWidget* control = findChild<QWidget*>(*it))
            control->raise();
    }
    for (const WindowLayout::Control& row : WindowLayout::controls()) {
        switch (row.kind) {
        case WindowLayout::Kind::PictureBox:
        case WindowLayout::Kind::Frame:
        case WindowLayout::Kind::ComboBox:
        case WindowLayout::Kind::ListBox:
        case WindowLayout::Kind::Button:
            findChild<QWidget*>(row.name)->raise();
            break;
        default:
            break;
        }
    }
}

void frmMath::connectHandlers()
{
    connect(lblStandard, &Label::clicked, this, &frmMath::lblStandard_Click);
    connect(lblInteractive, &Label::clicked, this, &frmMath::lblInteractive_Click);
    connect(lblTimer, &Label::clicked, this, &frmMath::lblTimer_Click);
    connect(lblClickMe, &Label::clicked, this, &frmMath::lblClickMe_Click);
    connect(lbl1, &Label::clicked, this, &frmMath::lbl1_Click);
    connect(lbl2, &Label::clicked, this, &frmMath::lbl2_Click);
    connect(lbl3, &Label::clicked, this, &frmMath::lbl3_Click);
    connect(lbl4, &Label::clicked, this, &frmMath::lbl4_Click);
    connect(lbl5, &Label::clicked, this, &frmMath::lbl5_Click);
    connect(lbl6, &Label::clicked, this, &frmMath::lbl6_Click);
    connect(lstTimer, &ChoiceList::chosen, this, &frmMath::lstTimer_Click);
    connect(Timer1, &TickTimer::tick, this, &frmMath::Timer1_Timer);
    connect(picPlus, &Picture::clicked, this, &frmMath::picPlus_Click);
    connect(picMinus, &Picture::clicked, this, &frmMath::picMinus_Click);
    connect(picX, &Picture::clicked, this, &frmMath::picX_Click);
    connect(picDivide, &Picture::clicked, this, &frmMath::picDivide_Click);
    // A user's choice raises the handler also for the entry already selected; choices the
    // program makes go through selectRangeEntry instead.
    connect(cmbMinNum, &QComboBox::activated, this, &frmMath::cmbMinNum_Click);
    connect(cmbMaxNum, &QComboBox::activated, this, &frmMath::cmbMaxNum_Click);
    connect(Picture1, &Picture::clicked, this, &frmMath::Picture1_Click);
    connect(Picture2, &Picture::clicked, this, &frmMath::Picture2_Click);
    connect(img123, &Picture::clicked, this, &frmMath::img123_Click);
    connect(lblTavikaWrites, &Label::clicked, this, &frmMath::lblTavikaWrites_Click);
    connect(Label2, &Label::clicked, this, &frmMath::Label2_Click);
}

void frmMath::selectRangeEntry(QComboBox* list, int index, void (frmMath::*handler)())
{
    list->setCurrentIndex(index);
    (this->*handler)();
}

void frmMath::mousePressEvent(QMouseEvent* event)
{
    m_backgroundClicks.press(event);
}

void frmMath::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_backgroundClicks.doubleClick(event);
}

void frmMath::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_backgroundClicks.release(this, event))
        Form_Click();
}

void frmMath::closeEvent(QCloseEvent* event)
{
    // Closing ends the program: waits in progress stop at their next pass and the timer
    // stops, so the handlers on the stack finish at once and the event loop can end.
    m_closed = true;
    Timer1->setEnabled(false);
    QWidget::closeEvent(event);
}
